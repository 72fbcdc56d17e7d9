// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliText.h"

#include "foundation/BaseDirectory.h"
#include "foundation/ErrorMessages.h"
#include "reader/ReaderFile.h"

#include <ostream>

namespace {

int Readers(const CliArgs& args, std::ostream& out, std::ostream& err) {
    std::string base;
    if (args.empty()) {
        base = DefaultBaseDirectory();
    } else if (args.size() == 2 && CliOption(args[0], "--base") && !args[1].empty()) {
        base = args[1];
    } else {
        return UsageError(err, "readers takes only --base DIR");
    }
    std::string last;
    CReaderArray readers;
    try {
        // Only looks: a damaged file stays where it is.
        ReadReaderFile(base, last, readers);
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(LoadErrorMessage(e, "Scrivane.vnrdr")) << "\n";
        return 1;
    }
    out << "last\t" << CliField(last) << '\n';
    for (int i = 0; i < readers.GetCount(); ++i) {
        const CReaderData& r = readers.At(i);
        out << CliField(r.GetDisplayName()) << '\t' << CliField(r.GetFirstName()) << '\t'
            << CliField(r.GetLastName()) << '\t' << CliField(r.GetNickname()) << '\t'
            << CliField(r.GetFileStem()) << '\t' << CliField(r.GetGeneralNotesPath()) << '\n';
    }
    return 0;
}

CliRegistration readersCommand("readers", Readers, "readers [--base DIR]");

} // namespace
