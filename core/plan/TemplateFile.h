// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "PlanTemplate.h"
#include "framework/UiServices.h"

#include <string>
#include <string_view>

class CArchive;

// The two file forms of a plan template and the choice between them, as the
// template editor's Load Template and Save Template, New Plan and the CLI use
// them.

inline constexpr const char* kTemplateFilter = "Plan Template (*.vntpl)|*.vntpl|Text Import (*.txt)|*.txt||";
inline constexpr const char* kTemplateDefaultExtension = "vntpl";
inline constexpr const char* kTemplateDefaultFileName = "Default.vntpl";

// The file dialog that chooses a template to open (New Plan, Load Template)
// or to save, with the template filter and default extension.
// The name a template is saved under: a name whose extension is none of
// txt, vntpl and vnt (a dot in a title is no extension) gets ".vntpl".
std::string TemplateSaveName(const std::string& chosen);

FileDialogRequest TemplateFileRequest(bool open, const std::string& fileName, const std::string& directory);

enum class TemplateForm { other, text, archive };

// The form a path's extension selects, compared in lower case ("vnt" counts
// as "vntpl"): "txt" the text form, "vntpl" the archive form.
TemplateForm TemplateFormOf(std::string_view path);

// The archive form. The writer first sets the title to title, the format to
// its fixed text, the description to description (the fixed one when empty)
// and includeApocrypha to 0, in tmpl.
void WriteTemplateArchive(CArchive& ar, CPlanTemplate& tmpl, std::string_view title,
                          std::string_view description = {});
std::string WriteTemplateArchive(CPlanTemplate& tmpl, std::string_view title,
                                 std::string_view description = {});
// Reads one book entry per book of the canon. A sectionCount outside 1 … 6 is
// brought into that range and a book section outside 0 … 6 becomes 0 (not in
// the plan): no reader has rows for other sections. Throws the archive's
// end-of-file error for a file that ends early.
CPlanTemplate ReadTemplateArchive(CArchive& ar);
CPlanTemplate ReadTemplateArchive(std::string bytes, std::string fileName = {});

struct LoadedTemplate {
    CPlanTemplate fields;
    std::string path; // with a "vnt" extension completed
    TemplateForm form = TemplateForm::other;
    bool readOnly = false; // the file has the read-only attribute
};

// Reads the file in the form its extension selects; for any other extension
// nothing is read and fields keeps the editor defaults. Errors: CFileException
// (missing, unreadable), CArchiveException (a damaged archive form).
LoadedTemplate LoadTemplateFile(const std::string& path);

// Writes tmpl in the form the extension selects, atomically. A plan's own
// title and description, when given, are written in either form; otherwise
// the archive form's title is the file's title and its description the fixed
// one, and the text form writes tmpl's texts. With readOnly the file is then
// given the read-only attribute. Returns the completed path, or empty when the
// extension selects no form (nothing is written). A read-only file is refused
// with CFileException accessDenied.
std::string SaveTemplateFile(const std::string& path, CPlanTemplate& tmpl, bool readOnly = false,
                             std::string_view title = {}, std::string_view description = {});
