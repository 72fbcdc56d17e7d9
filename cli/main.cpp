#include "CliCommand.h"

#include "scripture/Bible.h"
#include "scripture/ReferenceParser.h"
#include "scripture/Verse.h"

#include <iostream>
#include <map>
#include <utility>

namespace {

struct Entry {
    CliHandler handler;
    std::string usage;
};

std::map<std::string, Entry>& Registry() {
    static std::map<std::string, Entry> registry;
    return registry;
}

void PrintUsage(std::ostream& os) {
    os << "usage: scrivane-cli COMMAND [ARGUMENTS]\n"
          "       scrivane-cli --help | -h | --version\n"
          "commands:\n";
    for (const auto& [name, entry] : Registry())
        os << "  " << entry.usage << "\n";
}

} // namespace

CliRegistration::CliRegistration(const char* name, CliHandler handler, const char* usage) {
    Registry()[name] = Entry{handler, usage};
}

bool ParseUnsigned(const std::string& text, unsigned long max, unsigned long& value) {
    if (text.empty() || text.size() > 12) return false;
    unsigned long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<unsigned long>(c - '0');
    }
    if (v > max) return false;
    value = v;
    return true;
}

bool ParseVerseRangeArgument(const std::string& text, uint16_t& first, uint16_t& last, std::string& reason) {
    CBible& bible = TheBible();
    unsigned long n = 0;
    if (ParseUnsigned(text, 65535, n)) {
        if (!bible.IsValidVerseIndex(static_cast<uint16_t>(n))) {
            reason = "'" + text + "' is beyond the last verse index, " +
                     std::to_string(bible.GetTotalVerseCount() - 1);
            return false;
        }
        first = last = static_cast<uint16_t>(n);
        return true;
    }
    const CReferenceReading read = ReadReference(text);
    if (!read.Ok()) {
        reason = "'" + text + "': " + read.error;
        return false;
    }
    first = read.first;
    last = read.last;
    return true;
}

bool ParseOneVerseArgument(const std::string& text, uint16_t& index, std::string& reason) {
    uint16_t first = 0, last = 0;
    if (!ParseVerseRangeArgument(text, first, last, reason)) return false;
    if (first != last) {
        CBible& bible = TheBible();
        reason = "'" + text + "' names more than one verse (" +
                 bible.GetReferenceText(bible.GetVerseAt(first)) + " to " +
                 bible.GetReferenceText(bible.GetVerseAt(last)) + "); give one verse, such as " +
                 bible.GetReferenceText(bible.GetVerseAt(first));
        return false;
    }
    index = first;
    return true;
}

int UsageError(std::ostream& err, const std::string& message) {
    err << "scrivane-cli: " << message << "\n";
    return 2;
}

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CliArgs args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "scrivane-cli " SCRIVANE_VERSION "\n";
        return 0;
    }
    auto it = Registry().find(args[0]);
    if (it == Registry().end())
        return UsageError(std::cerr, "unknown command '" + args[0] + "' (see --help)");
    args.erase(args.begin());
    int status = it->second.handler(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
