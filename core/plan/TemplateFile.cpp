// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateFile.h"

#include "TemplateText.h"
#include "foundation/Archive.h"
#include "foundation/FileAccess.h"
#include "scripture/Bible.h"

#include <algorithm>

TemplateForm TemplateFormOf(std::string_view path) {
    std::string ext = LowerExtension(CompleteTemplateExtension(path));
    if (ext == "txt") return TemplateForm::text;
    if (ext == "vntpl") return TemplateForm::archive;
    return TemplateForm::other;
}

void WriteTemplateArchive(CArchive& ar, CPlanTemplate& t, std::string_view title,
                          std::string_view description) {
    t.templateTitle = title;
    t.templateFormat = kDefaultTemplateFormat;
    t.templateDescription = description.empty() ? std::string_view(kDefaultTemplateDescription) : description;
    t.includeApocrypha = 0;
    ar.WriteDWord(1); // format version
    ar.WriteString(t.templateTitle);
    ar.WriteString(t.templateFormat);
    ar.WriteString(t.templateDescription);
    for (int32_t v : {t.includeApocrypha, t.repeatBooks, t.sectionCount, t.divideBy, t.planYears,
                      t.planMonths, t.planDays})
        ar.WriteLong(v);
    for (int32_t v : t.readOnWeekday)
        ar.WriteLong(v);
    // The entries follow the canon; a template made for a shorter list is padded.
    const size_t books = TheBible().GetBookCount();
    for (size_t b = 0; b < books; ++b)
        ar.WriteLong(b < t.bookSection.size() ? t.bookSection[b] : 0);
}

std::string WriteTemplateArchive(CPlanTemplate& t, std::string_view title, std::string_view description) {
    CArchive ar;
    WriteTemplateArchive(ar, t, title, description);
    return ar.Bytes();
}

CPlanTemplate ReadTemplateArchive(CArchive& ar) {
    CPlanTemplate t;
    ar.ReadDWord(); // format version, not used
    t.templateTitle = ar.ReadString();
    t.templateFormat = ar.ReadString();
    t.templateDescription = ar.ReadString();
    ar.ReadLong();
    t.includeApocrypha = 0;
    t.repeatBooks = ar.ReadLong();
    t.sectionCount = std::clamp(ar.ReadLong(), 1, 6);
    t.divideBy = ar.ReadLong();
    t.planYears = ar.ReadLong();
    t.planMonths = ar.ReadLong();
    t.planDays = ar.ReadLong();
    for (int32_t& day : t.readOnWeekday)
        day = ar.ReadLong();
    const size_t books = TheBible().GetBookCount();
    ar.Require(books * 4);
    t.bookSection.resize(books);
    for (int32_t& s : t.bookSection) {
        s = ar.ReadLong();
        if (s < 0 || s > 6) s = 0;
    }
    return t;
}

CPlanTemplate ReadTemplateArchive(std::string bytes, std::string fileName) {
    CArchive ar(std::move(bytes), std::move(fileName));
    return ReadTemplateArchive(ar);
}

LoadedTemplate LoadTemplateFile(const std::string& path) {
    LoadedTemplate loaded;
    loaded.path = CompleteTemplateExtension(path);
    loaded.form = TemplateFormOf(loaded.path);
    loaded.fields = CPlanTemplate::EditorDefaults();
    if (loaded.form == TemplateForm::other) return loaded;
    std::string bytes = ReadWholeFile(loaded.path, kMaxTemplateFileBytes);
    loaded.readOnly = IsReadOnly(loaded.path);
    if (loaded.form == TemplateForm::text)
        loaded.fields = ReadTemplateText(bytes);
    else
        loaded.fields = ReadTemplateArchive(std::move(bytes), FileNameOf(loaded.path));
    return loaded;
}

std::string SaveTemplateFile(const std::string& path, CPlanTemplate& tmpl, bool readOnly,
                             std::string_view title, std::string_view description) {
    std::string completed = CompleteTemplateExtension(path);
    TemplateForm form = TemplateFormOf(completed);
    if (form == TemplateForm::other) return {};
    // Written from a copy: a failed save leaves the caller's template as it was.
    CPlanTemplate written = tmpl;
    const std::string fileTitle = FileTitle(completed);
    std::string bytes;
    if (form == TemplateForm::text) {
        if (!title.empty()) written.templateTitle = title;
        if (!description.empty()) written.templateDescription = description;
        bytes = WriteTemplateText(written, fileTitle);
    } else {
        bytes =
            WriteTemplateArchive(written, title.empty() ? std::string_view(fileTitle) : title, description);
    }
    SaveFileAtomic(completed, bytes);
    if (readOnly) SetReadOnly(completed, true);
    tmpl = written;
    return completed;
}

std::string TemplateSaveName(const std::string& chosen) {
    const std::string ext = LowerExtension(chosen);
    if (ext != "txt" && ext != "vntpl" && ext != "vnt") return chosen + "." + kTemplateDefaultExtension;
    return CompleteTemplateExtension(chosen);
}

FileDialogRequest TemplateFileRequest(bool open, const std::string& fileName, const std::string& directory) {
    FileDialogRequest request;
    request.open = open;
    // Saving, the editor asks about an existing file itself, under the name it really writes.
    request.confirmOverwrite = open;
    request.defaultExtension = kTemplateDefaultExtension;
    request.defaultFileName = fileName;
    request.filter = kTemplateFilter;
    request.startDirectory = directory;
    return request;
}
