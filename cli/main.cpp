// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"

#include "scripture/Bible.h"
#include "scripture/ReferenceParser.h"
#include "scripture/Verse.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>
#include <set>
#include <string_view>
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
          "       scrivane-cli COMMAND [ARGUMENTS] -- OPERANDS (read as they are, never as options)\n"
          "       scrivane-cli --help | -h | --version\n"
          "       scrivane-cli help [COMMAND] | COMMAND --help\n"
          "commands:\n";
    for (const auto& [name, entry] : Registry())
        os << "  " << entry.usage << "\n";
}

// One command's usage, an alternative a line.
void PrintCommandUsage(std::ostream& os, const std::string& usage) {
    const std::string_view separator = " | ";
    std::string_view rest = usage;
    const char* lead = "usage: scrivane-cli ";
    for (;;) {
        const size_t bar = rest.find(separator);
        os << lead << rest.substr(0, bar) << '\n';
        if (bar == std::string_view::npos) return;
        rest.remove_prefix(bar + separator.size());
        lead = "       scrivane-cli ";
    }
}

std::set<std::string>& OperandsAfterDashDash() {
    static std::set<std::string> operands;
    return operands;
}

// Exits 1 when what was written to stdout did not all arrive.
int CheckedOutput(int status) {
    std::cout.flush();
    if (std::cout) return status;
    const int error = errno;
    std::cerr << "scrivane-cli: cannot write the output: "
              << (error != 0 ? std::strerror(error) : "the standard output is closed") << "\n";
    return 1;
}

} // namespace

bool CliOption(const std::string& arg, std::string_view name) {
    return arg == name && !OperandsAfterDashDash().contains(arg);
}

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
        return args.empty() ? 2 : CheckedOutput(0);
    }
    if (args[0] == "--version") {
        std::cout << "scrivane-cli " SCRIVANE_VERSION "\n";
        return CheckedOutput(0);
    }
    if (args[0] == "help") {
        if (args.size() == 1) {
            PrintUsage(std::cout);
            return CheckedOutput(0);
        }
        auto it = Registry().find(args[1]);
        if (args.size() > 2 || it == Registry().end())
            return UsageError(std::cerr, "help takes one of the commands of 'scrivane-cli help'");
        PrintCommandUsage(std::cout, it->second.usage);
        return CheckedOutput(0);
    }
    auto it = Registry().find(args[0]);
    if (it == Registry().end())
        return UsageError(std::cerr, "unknown command '" + args[0] + "' (see --help)");
    args.erase(args.begin());
    // After "--" every argument is an operand, however it begins.
    if (auto dashes = std::find(args.begin(), args.end(), "--"); dashes != args.end()) {
        OperandsAfterDashDash().insert(dashes + 1, args.end());
        args.erase(dashes);
    }
    for (const std::string& a : args)
        if (CliOption(a, "--help") || CliOption(a, "-h")) {
            PrintCommandUsage(std::cout, it->second.usage);
            return CheckedOutput(0);
        }
    errno = 0;
    return CheckedOutput(it->second.handler(args, std::cout, std::cerr));
}
