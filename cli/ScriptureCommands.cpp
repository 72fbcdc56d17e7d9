// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"

#include "foundation/Clock.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <ostream>

namespace {

int Verse(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CBible& bible = TheBible();
    if (!args.empty() && CliOption(args[0], "--index")) {
        if (args.size() < 2) return UsageError(err, "verse --index needs at least one index");
        std::vector<uint16_t> indices;
        for (size_t i = 1; i < args.size(); ++i) {
            unsigned long n = 0;
            if (!ParseUnsigned(args[i], 65535, n))
                return UsageError(err, "'" + args[i] + "' is not an index from 0 to 65535");
            indices.push_back(static_cast<uint16_t>(n));
        }
        for (uint16_t n : indices) {
            CVerse r = bible.GetVerseAt(n);
            out << n << '\t' << bible.GetVerseIndex(r) << '\t' << bible.GetReferenceText(r) << '\n';
        }
        return 0;
    }
    if (args.empty()) return UsageError(err, "verse needs at least one reference text");
    std::vector<uint16_t> indices;
    for (const std::string& text : args) {
        uint16_t index = 0;
        std::string reason;
        if (!ParseOneVerseArgument(text, index, reason)) return UsageError(err, reason);
        indices.push_back(index);
    }
    for (uint16_t index : indices)
        out << index << '\t' << bible.GetReferenceText(bible.GetVerseAt(index)) << '\n';
    return 0;
}

int Date(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return UsageError(err, "date needs Y-M-D or today");
    std::vector<CJJulian> dates;
    for (const std::string& text : args) {
        if (text == "today") {
            dates.push_back(Today());
            continue;
        }
        auto d = ParseIsoDate(text);
        if (!d) return UsageError(err, "'" + text + "' is not a date of the form Y-M-D");
        dates.push_back(*d);
    }
    for (const CJJulian& d : dates)
        out << d.GetDayNumber() << '\t' << d.GetWeekday() << '\t' << d.GetDateText() << '\n';
    return 0;
}

CliRegistration verseCommand("verse", Verse, "verse TEXT... | verse --index N...");
CliRegistration dateCommand("date", Date, "date Y-M-D... | date today");

} // namespace
