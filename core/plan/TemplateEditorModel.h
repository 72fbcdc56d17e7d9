// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "PlanTemplate.h"
#include "TemplateFile.h"
#include "foundation/Translatable.h"
#include "framework/DocumentFiles.h"

#include <array>
#include <string>
#include <vector>

class IUiServices;

// Image numbers of the editor's trees: a book, the same book selected, a
// closed and an open folder, each followed by its eight section values
// (0 none, 1 … 6 the section, 7 mixed).
inline constexpr int kBookImage = 0;
inline constexpr int kSelectedBookImage = 8;
inline constexpr int kClosedFolderImage = 16;
inline constexpr int kOpenFolderImage = 24;
inline constexpr int kImageCount = 32;
inline constexpr int kMixedSections = 7;
inline constexpr int kMaxSections = 6;
inline constexpr int kCategoryCount = 18;
inline constexpr int kMinPlanDays = 0;
inline constexpr int kMaxPlanDays = 2000;

inline constexpr const char* kLoseTemplateQuestion = TR_NOOP(
    "Core",
    "Scrivane can modify only one template at a time.\nYou will lose the current template settings if you "
    "load a different template.\nDo you still wish to load a different template?");
inline constexpr const char* kCustomTemplateWarning = TR_NOOP(
    "Core",
    "When modifying a custom template, you may lose some functionality not supported by this template "
    "editor.");
inline constexpr const char* kSaveTemplateQuestion = TR_NOOP(
    "Core",
    "The template has changes that are not saved.\nDo you want to save them before the editor closes?");
inline constexpr const char* kFileMayNotBeModified =
    TR_NOOP("Core", "\n\nThe selected file may not be modified.\nSelect \"Ok\" to select another file name.");

// One item of the category tree: a category folder or a book.
struct CTemplateTreeNode {
    bool isFolder = false;
    int number = 0;  // folder 0 … 17, or book 1 … 66
    int parent = -1; // node index, -1 for a root
    std::string label;
    std::vector<int> children; // node indices in tree order
};

// What the template editor does, apart from drawing: the category tree with
// its section values and images, the sections, and loading and saving the
// template. The dialog shows this state and hands it the user's clicks.
class CTemplateEditorModel {
public:
    enum class SaveResult { saved, cancelled, invalidDays, failed };

    explicit CTemplateEditorModel(int includeApocrypha = 0);

    // The template being edited and the file it came from or went to.
    CPlanTemplate tmpl;
    std::string templateDirectory; // with a trailing separator
    std::string templateFileName;
    bool readOnly = false;
    bool readOnlyBoxEnabled = true;
    bool templateModified = false;
    // The plan's own title and description as typed in the editor. Empty ones
    // are written as they always were: the file's title and the fixed
    // description in a plan template, the template's texts in a text import.
    std::string titleText;
    std::string descriptionText;

    // Category tree: nodes in the order they are inserted, parents first.
    const std::vector<CTemplateTreeNode>& TreeNodes() const { return nodes_; }
    int FolderNode(int folder) const { return folderNodes_[folder]; }
    int BookNode(int book) const { return bookNodes_[book - 1]; }
    int BookCount() const { return static_cast<int>(bookNodes_.size()); }
    // Counts up each time the tree is rebuilt, so that a view knows to rebuild its items.
    int TreeGeneration() const { return treeGeneration_; }

    int BookValue(int book) const;
    int FolderValue(int folder) const { return folderValues_[folder]; }
    int NodeImage(int node) const;
    int NodeSelectedImage(int node) const;
    bool FolderShowsOpen(int folder) const { return folderOpen_[folder]; }
    void SetFolderExpanded(int node, bool expanded);

    // Section tree: items "Section 1" … "Section sectionCount"; 0 = none selected.
    int SectionCount() const { return tmpl.sectionCount; }
    int SelectedSection() const { return selectedSection_; }
    void SelectSection(int section);
    static std::string SectionLabel(int section);
    int BooksInSection(int section) const;

    // The right click on a node of the category tree.
    void AssignToSection(int node);
    // Adds a section, by the rules, and selects it: the books clicked next go there.
    void AddSection();
    void RemoveSection();
    void ResetTemplate();

    // Field changes made through the controls; each marks the template modified.
    void SetReadOnWeekday(int weekday, bool on);
    void SetRepeatBooks(bool on);
    void SetPlanYears(int years);
    void SetPlanMonths(int months);
    void SetDivideBy(int divideBy);
    void DaysTextChanged() { templateModified = true; }
    void SetTitleText(const std::string& text);
    void SetDescriptionText(const std::string& text);

    // Takes the Days text into planDays; on failure shows the reason and
    // leaves planDays as it was.
    bool TakeDays(IUiServices& ui, const std::string& daysText);

    void LoadTemplate(IUiServices& ui);
    // Loads the template at path (a file opened from the desktop): as Load
    // Template after its file dialog.
    void LoadTemplateFrom(IUiServices& ui, const std::string& path);
    // The last step of a load: the trees are rebuilt for the fields read,
    // with no section selected and nothing modified.
    void ApplyLoaded(const CPlanTemplate& loaded);
    SaveResult SaveTemplate(IUiServices& ui, const std::string& daysText);
    // Closing the editor: true when it may close, having asked whether to save
    // a template with changes (and saved it when asked to).
    bool MayClose(IUiServices& ui, const std::string& daysText);

private:
    void AppendSection();
    void BuildCategoryTree();
    void ResetSectionTree();
    void RefreshImages();
    void ApplyBookRule(int book, int section);
    void CollectBooks(int node, std::vector<int>& books) const;

    std::vector<CTemplateTreeNode> nodes_;
    std::array<int, kCategoryCount> folderNodes_{};
    std::vector<int> bookNodes_;
    std::array<int, kCategoryCount> folderValues_{};
    std::array<bool, kCategoryCount> folderOpen_{};
    int selectedSection_ = 0;
    int treeGeneration_ = 0;
};
