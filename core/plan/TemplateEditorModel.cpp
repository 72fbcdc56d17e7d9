// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateEditorModel.h"

#include "TemplateText.h"

#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/TextCodec.h"
#include "framework/DataExchange.h"
#include "framework/UiServices.h"
#include "scripture/Bible.h"

#include <algorithm>

namespace {

struct FolderEntry {
    const char* name;
    int parent;
};

// Categories 0 … 17 of the tree; a book's folder is its category number.
constexpr std::array<FolderEntry, kCategoryCount> kFolders{{
    {"Old Testament", -1},
    {"New Testament", -1},
    {"Pentateuch", 0},
    {"Historical", 0},
    {"Wisdom", 0},
    {"Prophecy", 0},
    {"Gospels", 1},
    {"Historical", 1},
    {"Letters", 1},
    {"Prophecy", 1},
    {"Pre Kings", 3},
    {"King Period", 3},
    {"Post Exile", 3},
    {"Major Prophets", 5},
    {"Minor Prophets", 5},
    {"Paul", 8},
    {"Peter", 8},
    {"John", 8},
}};

// Peter and John go in after James, so that Letters reads Paul, Hebrews,
// James, Peter, John, Jude.
constexpr int kFoldersBeforeBooks = 16;
constexpr const char* kBookBeforeLateFolders = "James";

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

CTemplateEditorModel::CTemplateEditorModel(int includeApocrypha) {
    tmpl = CPlanTemplate::EditorDefaults();
    tmpl.includeApocrypha = includeApocrypha ? 1 : 0;
    BuildCategoryTree();
    ResetSectionTree();
}

void CTemplateEditorModel::BuildCategoryTree() {
    nodes_.clear();
    bookNodes_.clear();
    folderOpen_.fill(false);
    // The canon is the same whenever it is built, so an existing one is used as it stands.
    const CBible& bible = TheBible();

    auto append = [&](bool isFolder, int number, int parentNode, std::string label) {
        int index = static_cast<int>(nodes_.size());
        nodes_.push_back({isFolder, number, parentNode, std::move(label), {}});
        if (parentNode >= 0) nodes_[parentNode].children.push_back(index);
        return index;
    };
    auto appendFolder = [&](int folder) {
        int parent = kFolders[folder].parent;
        folderNodes_[folder] =
            append(true, folder, parent < 0 ? -1 : folderNodes_[parent], kFolders[folder].name);
    };

    for (int f = 0; f < kFoldersBeforeBooks; ++f)
        appendFolder(f);
    int lateFolder = kFoldersBeforeBooks;
    for (uint16_t b = 1; b <= bible.GetBookCount(); ++b) {
        int category = bible.GetBookCategory(b);
        // A book whose folder is not yet in the tree (or not a folder at all) hangs at the root.
        int parent = category >= 0 && category < lateFolder ? folderNodes_[category] : -1;
        bookNodes_.push_back(append(false, b, parent, bible.GetBookName(b)));
        if (bible.GetBookName(b) == kBookBeforeLateFolders)
            for (; lateFolder < kCategoryCount; ++lateFolder)
                appendFolder(lateFolder);
    }
    for (; lateFolder < kCategoryCount; ++lateFolder)
        appendFolder(lateFolder);
    tmpl.bookSection.resize(bookNodes_.size(), 0);
    ++treeGeneration_;
}

void CTemplateEditorModel::ResetSectionTree() {
    tmpl.sectionCount = 0;
    AppendSection();
    std::fill(tmpl.bookSection.begin(), tmpl.bookSection.end(), 1);
    RefreshImages();
    selectedSection_ = 1;
}

int CTemplateEditorModel::BookValue(int book) const {
    return book >= 1 && book <= static_cast<int>(tmpl.bookSection.size()) ? tmpl.bookSection[book - 1] : 0;
}

int CTemplateEditorModel::NodeImage(int node) const {
    const CTemplateTreeNode& n = nodes_[node];
    if (!n.isFolder) return kBookImage + BookValue(n.number);
    return (folderOpen_[n.number] ? kOpenFolderImage : kClosedFolderImage) + folderValues_[n.number];
}

int CTemplateEditorModel::NodeSelectedImage(int node) const {
    const CTemplateTreeNode& n = nodes_[node];
    if (!n.isFolder) return kSelectedBookImage + BookValue(n.number);
    return NodeImage(node);
}

void CTemplateEditorModel::SetFolderExpanded(int node, bool expanded) {
    if (node < 0 || node >= static_cast<int>(nodes_.size()) || !nodes_[node].isFolder) return;
    folderOpen_[nodes_[node].number] = expanded;
}

void CTemplateEditorModel::RefreshImages() {
    folderValues_.fill(0);
    for (int book = 1; book <= BookCount(); ++book) {
        int v = BookValue(book);
        // A folder at 0 takes the value of the next book, whatever it is, so
        // books outside the plan make a folder mixed only after one inside it.
        for (int node = nodes_[BookNode(book)].parent; node >= 0; node = nodes_[node].parent) {
            int& w = folderValues_[nodes_[node].number];
            if (w == kMixedSections) continue;
            if (w == 0)
                w = v;
            else if (w != v)
                w = kMixedSections;
        }
    }
}

void CTemplateEditorModel::SelectSection(int section) {
    selectedSection_ = section >= 1 && section <= tmpl.sectionCount ? section : 0;
}

std::string CTemplateEditorModel::SectionLabel(int section) {
    return "Section " + std::to_string(section);
}

int CTemplateEditorModel::BooksInSection(int section) const {
    return static_cast<int>(std::count(tmpl.bookSection.begin(), tmpl.bookSection.end(), section));
}

void CTemplateEditorModel::AppendSection() {
    if (tmpl.sectionCount >= kMaxSections) return;
    for (int s = 1; s <= tmpl.sectionCount; ++s)
        if (BooksInSection(s) == 0) return;
    ++tmpl.sectionCount;
}

void CTemplateEditorModel::AddSection() {
    const int before = tmpl.sectionCount;
    AppendSection();
    if (tmpl.sectionCount > before) selectedSection_ = tmpl.sectionCount;
}

void CTemplateEditorModel::RemoveSection() {
    int removed = selectedSection_;
    if (tmpl.sectionCount < 2 || removed == 0) return;
    for (int32_t& s : tmpl.bookSection) {
        if (s == removed) {
            s = 0;
            templateModified = true;
        } else if (s > removed) {
            --s;
            templateModified = true;
        }
    }
    int remaining = tmpl.sectionCount - 1;
    tmpl.sectionCount = 0;
    for (int i = 0; i < remaining; ++i)
        AppendSection();
    RefreshImages();
    selectedSection_ = 1;
}

void CTemplateEditorModel::CollectBooks(int node, std::vector<int>& books) const {
    const CTemplateTreeNode& n = nodes_[node];
    if (!n.isFolder) {
        books.push_back(n.number);
        return;
    }
    for (int child : n.children)
        CollectBooks(child, books);
}

void CTemplateEditorModel::ApplyBookRule(int book, int section) {
    int32_t& value = tmpl.bookSection[book - 1];
    if (value == section) {
        int inPlan = static_cast<int>(tmpl.bookSection.size()) - BooksInSection(0);
        if (inPlan < 2) return;
        value = 0;
    } else {
        value = section;
    }
    templateModified = true;
}

void CTemplateEditorModel::AssignToSection(int node) {
    // Nothing to assign to until a section is chosen (none is, right after a load).
    if (selectedSection_ == 0 || node < 0 || node >= static_cast<int>(nodes_.size())) return;
    std::vector<int> books;
    CollectBooks(node, books);
    for (int book : books)
        ApplyBookRule(book, selectedSection_);
    RefreshImages();
}

void CTemplateEditorModel::ResetTemplate() {
    CPlanTemplate defaults = CPlanTemplate::EditorDefaults();
    defaults.templateTitle = tmpl.templateTitle;
    defaults.templateFormat = tmpl.templateFormat;
    defaults.templateDescription = tmpl.templateDescription;
    defaults.includeApocrypha = tmpl.includeApocrypha;
    tmpl = std::move(defaults);
    readOnly = false;
    readOnlyBoxEnabled = true;
    templateDirectory.clear();
    templateFileName.clear();
    templateModified = false;
    BuildCategoryTree();
    ResetSectionTree();
}

void CTemplateEditorModel::SetReadOnWeekday(int weekday, bool on) {
    if (weekday < 1 || weekday > 7) return;
    tmpl.readOnWeekday[weekday - 1] = on ? 1 : 0;
    templateModified = true;
}

void CTemplateEditorModel::SetRepeatBooks(bool on) {
    tmpl.repeatBooks = on ? 1 : 0;
    templateModified = true;
}

void CTemplateEditorModel::SetPlanYears(int years) {
    tmpl.planYears = std::clamp(years, 0, 5);
    templateModified = true;
}

void CTemplateEditorModel::SetPlanMonths(int months) {
    tmpl.planMonths = std::clamp(months, 0, 11);
    templateModified = true;
}

void CTemplateEditorModel::SetDivideBy(int divideBy) {
    tmpl.divideBy = divideBy == 0 ? 0 : 1;
    templateModified = true;
}

void CTemplateEditorModel::SetTitleText(const std::string& text) {
    titleText = TagSafeText(text);
    // The text form writes the template's own title; an emptied box leaves it to the file's.
    tmpl.templateTitle = Trim(titleText);
    templateModified = true;
}

void CTemplateEditorModel::SetDescriptionText(const std::string& text) {
    descriptionText = TagSafeText(text);
    tmpl.templateDescription = Trim(descriptionText);
    templateModified = true;
}

bool CTemplateEditorModel::TakeDays(IUiServices& ui, const std::string& daysText) {
    CIntegerField days = ValidateIntegerField(daysText, kMinPlanDays, kMaxPlanDays);
    if (!days.Valid()) {
        ui.MessageBox({days.failure, MbButtons::ok, MbIcon::exclamation, 0});
        return false;
    }
    tmpl.planDays = *days.value;
    return true;
}

void CTemplateEditorModel::ApplyLoaded(const CPlanTemplate& loaded) {
    BuildCategoryTree();
    ResetSectionTree();
    std::vector<int32_t> sections(bookNodes_.size(), 0);
    for (size_t i = 0; i < sections.size() && i < loaded.bookSection.size(); ++i) {
        int32_t s = loaded.bookSection[i];
        // Only six sections can be shown and read; a book beyond them is not in the plan.
        sections[i] = s >= 0 && s <= kMaxSections ? s : 0;
    }
    tmpl = loaded;
    tmpl.includeApocrypha = 0;
    tmpl.sectionCount = std::clamp<int32_t>(loaded.sectionCount, 1, kMaxSections);
    tmpl.bookSection = std::move(sections);
    selectedSection_ = 0;
    RefreshImages();
    templateModified = false;
}

void CTemplateEditorModel::LoadTemplate(IUiServices& ui) {
    if (templateModified &&
        ui.MessageBox({kLoseTemplateQuestion, MbButtons::yesNo, MbIcon::question, 0}) != IDYES)
        return;
    std::optional<std::string> chosen =
        ui.ChooseFile(TemplateFileRequest(true, kTemplateDefaultFileName, templateDirectory));
    if (!chosen || chosen->empty()) return;
    LoadTemplateFrom(ui, CompleteTemplateExtension(*chosen));
}

void CTemplateEditorModel::LoadTemplateFrom(IUiServices& ui, const std::string& path) {
    // Nothing in the dialog changes until the file has been read: a file that
    // cannot be read leaves the template, its name and its directory alone.
    LoadedTemplate loaded;
    try {
        // Tells a missing file, a directory or a file without access apart
        // before anything else is said about it.
        if (!FileExists(path)) ReadWholeFile(path, kMaxTemplateFileBytes);
        if (TemplateFormOf(path) == TemplateForm::text)
            ui.MessageBox({kCustomTemplateWarning, MbButtons::okCancel, MbIcon::exclamation, 0});
        loaded = LoadTemplateFile(path);
        if (loaded.form == TemplateForm::other) loaded.readOnly = IsReadOnly(path);
    } catch (const std::exception& e) {
        ReportError(ui, LoadErrorMessage(e, path));
        return;
    }
    templateFileName = FileNameOf(loaded.path);
    templateDirectory = DirectoryOf(loaded.path);
    readOnly = loaded.readOnly;
    readOnlyBoxEnabled = !loaded.readOnly;
    if (loaded.form == TemplateForm::other) return;
    ApplyLoaded(loaded.fields);
    // Texts the writers would give any file of that name are none of the plan's own
    // ("d" is what the text form gives a template without the tag).
    const std::string& title = loaded.fields.templateTitle;
    const std::string& description = loaded.fields.templateDescription;
    titleText = title == FileTitle(loaded.path) || title == "d" ? std::string() : title;
    descriptionText =
        description == kDefaultTemplateDescription || description == "d" ? std::string() : description;
}

CTemplateEditorModel::SaveResult CTemplateEditorModel::SaveTemplate(IUiServices& ui,
                                                                    const std::string& daysText) {
    // A value the user has just been told is wrong is never written.
    if (!TakeDays(ui, daysText)) return SaveResult::invalidDays;
    for (;;) {
        std::optional<std::string> chosen =
            ui.ChooseFile(TemplateFileRequest(false, templateFileName, templateDirectory));
        if (!chosen || chosen->empty() || chosen->back() == '/') return SaveResult::cancelled;

        const std::string path = TemplateSaveName(*chosen);
        if (FileExists(path) && IsReadOnly(path)) {
            if (ui.MessageBox({path + kFileMayNotBeModified, MbButtons::okCancel, MbIcon::question, 0}) ==
                IDOK)
                continue;
            return SaveResult::cancelled;
        }
        if (FileExists(path) && ui.MessageBox({FileNameOf(path) + kReplaceFileQuestion, MbButtons::yesNo,
                                               MbIcon::exclamation, 1}) != IDYES)
            continue;
        try {
            SaveTemplateFile(path, tmpl, readOnly, Trim(titleText), Trim(descriptionText));
        } catch (const std::exception& e) {
            ReportError(ui, SaveErrorMessage(e, path));
            return SaveResult::failed;
        }
        // The name shown is the one written, and only once it has been.
        templateDirectory = DirectoryOf(path);
        templateFileName = FileNameOf(path);
        templateModified = false;
        if (readOnly) readOnlyBoxEnabled = false;
        return SaveResult::saved;
    }
}

bool CTemplateEditorModel::MayClose(IUiServices& ui, const std::string& daysText) {
    if (!templateModified) return true;
    switch (ui.MessageBox({kSaveTemplateQuestion, MbButtons::yesNoCancel, MbIcon::question, 0})) {
    case IDYES:
        return SaveTemplate(ui, daysText) == SaveResult::saved;
    case IDNO:
        return true;
    default:
        return false;
    }
}
