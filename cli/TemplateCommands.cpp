// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliText.h"

#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "plan/TemplateFile.h"

#include <ostream>

namespace {

bool KnownForm(const std::string& path) {
    return TemplateFormOf(path) != TemplateForm::other;
}

// Loads a template for show and convert; false with the message on err.
bool Load(const std::string& path, LoadedTemplate& loaded, std::ostream& err) {
    try {
        loaded = LoadTemplateFile(path);
        return true;
    } catch (const std::exception& e) {
        err << "scrivane-cli: "
            << CliMessage(LoadErrorMessage(e, FileNameOf(CompleteTemplateExtension(path)))) << "\n";
        return false;
    }
}

int Show(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return UsageError(err, "template show needs one FILE");
    if (!KnownForm(args[0])) return UsageError(err, "'" + args[0] + "' is neither a .vntpl nor a .txt file");
    LoadedTemplate loaded;
    if (!Load(args[0], loaded, err)) return 1;
    const CPlanTemplate& t = loaded.fields;
    out << "templateTitle\t" << CliField(t.templateTitle) << '\n';
    out << "templateFormat\t" << CliField(t.templateFormat) << '\n';
    out << "templateDescription\t" << CliField(t.templateDescription) << '\n';
    out << "includeApocrypha\t" << t.includeApocrypha << '\n';
    out << "repeatBooks\t" << t.repeatBooks << '\n';
    out << "sectionCount\t" << t.sectionCount << '\n';
    out << "divideBy\t" << t.divideBy << '\n';
    out << "planYears\t" << t.planYears << '\n';
    out << "planMonths\t" << t.planMonths << '\n';
    out << "planDays\t" << t.planDays << '\n';
    out << "readOnWeekday\t";
    for (int32_t d : t.readOnWeekday)
        out << (d ? '1' : '0');
    out << "\nbookSection\t";
    for (int32_t s : t.bookSection)
        out << s;
    out << '\n';
    return 0;
}

int Convert(const CliArgs& args, std::ostream& err) {
    if (args.size() != 2) return UsageError(err, "template convert needs IN and OUT");
    for (const std::string& path : args)
        if (!KnownForm(path)) return UsageError(err, "'" + path + "' is neither a .vntpl nor a .txt file");
    LoadedTemplate loaded;
    if (!Load(args[0], loaded, err)) return 1;
    const std::string out = CompleteTemplateExtension(args[1]);
    // As the template editor: a read-only template saves as a read-only file,
    // and a read-only file is never replaced.
    if (FileExists(out) && IsReadOnly(out)) {
        err << "scrivane-cli: " << out << ": The selected file may not be modified.\n";
        return 1;
    }
    try {
        SaveTemplateFile(out, loaded.fields, loaded.readOnly);
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(SaveErrorMessage(e, FileNameOf(out))) << "\n";
        return 1;
    }
    return 0;
}

int Template(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return UsageError(err, "template needs show FILE or convert IN OUT");
    CliArgs rest(args.begin() + 1, args.end());
    if (args[0] == "show") return Show(rest, out, err);
    if (args[0] == "convert") return Convert(rest, err);
    return UsageError(err, "unknown template command '" + args[0] + "'");
}

CliRegistration templateCommand("template", Template, "template show FILE | template convert IN OUT");

} // namespace
