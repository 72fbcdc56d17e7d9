#include "CliCommand.h"

#include "foundation/Clock.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <ostream>

namespace {

int Verse(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CBible& bible = TheBible();
    if (!args.empty() && args[0] == "--index") {
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
    std::vector<CVerse> refs;
    for (const std::string& text : args) {
        std::optional<CVerse> r = ParseCanonReference(text);
        if (!r) return UsageError(err, "'" + text + "' does not name a book of the Bible");
        refs.push_back(*r);
    }
    for (const CVerse& r : refs)
        out << bible.GetVerseIndex(r) << '\t' << bible.GetReferenceText(r) << '\n';
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
