// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliText.h"

#include "scripture/Verse.h"
#include "text/BibleTextSource.h"

#include <cstdlib>
#include <iostream>
#include <ostream>

namespace {

// Says why there is no text and fails. A read left running past its limit may
// still be inside SWORD, whose statics exit() would destroy under it: the
// command then ends at once.
int NoText(std::ostream& out, std::ostream& err, const std::string& problem) {
    err << "scrivane-cli: " << CliMessage(problem) << "\n";
    if (BibleTextReadsLeftRunning() > 0) {
        out.flush();
        err.flush();
        std::cout.flush();
        std::cerr.flush();
        std::_Exit(1);
    }
    return 1;
}

int Modules(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) return UsageError(err, "modules takes no arguments");
    if (const std::string problem = TheBibleText().Problem(); !problem.empty())
        return NoText(out, err, problem);
    std::string problem;
    const std::vector<CTextModuleInfo> modules = TheBibleText().Modules(&problem);
    if (!problem.empty()) return NoText(out, err, problem);
    for (const CTextModuleInfo& m : modules)
        out << CliField(m.name) << '\t' << CliField(m.versification) << '\t' << CliField(m.description)
            << '\n';
    return 0;
}

int Text(const CliArgs& input, std::ostream& out, std::ostream& err) {
    CliArgs args;
    std::string module;
    for (size_t i = 0; i < input.size(); ++i) {
        if (CliOption(input[i], "--module")) {
            if (i + 1 >= input.size()) return UsageError(err, "--module needs a module name");
            module = input[++i];
        } else {
            args.push_back(input[i]);
        }
    }
    if (args.empty() || args.size() > 2) return UsageError(err, "text FROM [TO] [--module NAME]");
    uint16_t from = 0, to = 0, ignored = 0;
    std::string reason;
    if (!ParseVerseRangeArgument(args[0], from, to, reason) ||
        (args.size() == 2 && !ParseVerseRangeArgument(args[1], ignored, to, reason)))
        return UsageError(err, reason);
    if (to < from) return UsageError(err, "'" + args[1] + "' comes before '" + args[0] + "'");
    // A module may be named in any case, or by its abbreviation.
    if (!module.empty()) module = ResolveModuleName(TheBibleText().Modules(), module);
    CPassage passage = TheBibleText().GetPassage(from, to, module);
    if (!passage.problem.empty()) return NoText(out, err, passage.problem);
    for (const CVerseText& v : passage.verses)
        out << v.index << '\t' << CliField(v.reference) << '\t' << CliField(v.text) << '\n';
    if (!passage.damage.empty()) {
        err << "scrivane-cli: " << CliMessage(passage.damage) << "\n";
        return 1;
    }
    return 0;
}

CliRegistration modulesCommand("modules", Modules, "modules");
CliRegistration textCommand("text", Text, "text FROM [TO] [--module NAME]");

} // namespace
