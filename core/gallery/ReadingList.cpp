// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingList.h"

#include "foundation/Clock.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "foundation/JJulian.h"
#include "foundation/TextCodec.h"
#include "framework/UiServices.h"
#include "plan/PlanGenerator.h"
#include "plan/TemplateText.h"
#include "scripture/Bible.h"
#include "scripture/ReferenceParser.h"
#include "scripture/Verse.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Lower case, letters and digits only: "Song of Songs" and "song-of-songs" meet.
std::string Key(std::string_view name) {
    std::string k;
    for (char c : name)
        if (IsAsciiLetter(c) || IsAsciiDigit(c)) k += Lower(c);
    return k;
}

uint16_t Index(uint16_t b, uint16_t c, uint16_t v) {
    return TheBible().GetVerseIndex(b, c, v);
}
uint16_t BookFirst(uint16_t b) {
    return Index(b, 1, TheBible().GetFirstVerse(b, 1));
}
uint16_t BookLast(uint16_t b) {
    CBible& bible = TheBible();
    const uint16_t c = bible.GetChapterCount(b);
    return Index(b, c, bible.GetLastVerse(b, c));
}

// Where a line puts its day: by number ("Day 3", "3="), by date, or not at all.
struct DayKey {
    enum Kind { none, number, date } kind = none;
    long value = 0; // the day number, or the date's day number
    bool yearless = false;
};

// "Jan 1", "January 1", "Sept. 14": the month (1 to 12) and where the day number starts; 0 when none.
int MonthNameAt(std::string_view line, size_t& end) {
    static const char* const months[] = {"january",   "february", "march",    "april",
                                         "may",       "june",     "july",     "august",
                                         "september", "october",  "november", "december"};
    size_t q = 0;
    while (q < line.size() && IsAsciiLetter(line[q]))
        ++q;
    if (q < 3) return 0;
    const std::string word = Key(line.substr(0, q));
    for (int m = 0; m < 12; ++m) {
        const std::string_view full(months[m]);
        // The full name, its first three letters, or "sept".
        if (word == full || word == full.substr(0, 3) || (m == 8 && word == "sept")) {
            end = q < line.size() && line[q] == '.' ? q + 1 : q;
            return m + 1;
        }
    }
    return 0;
}

// Strips a day's prefix: a date ("2027-01-04,", "Jan 1:", "January 1 -"), "Day 3:", "3:" "3."
// "3)" or a properties key ("3=", "day3="). Returns the rest; key says which day the line names.
std::string_view StripDayPrefix(std::string_view line, DayKey& key) {
    key = {};
    auto skip = [&](size_t p) {
        while (p < line.size() && IsInlineBlank(line[p]))
            ++p;
        return p;
    };
    size_t p = 0;
    // A date, YYYY-MM-DD or YYYY/MM/DD.
    if (line.size() >= 10) {
        bool date = true;
        for (size_t i = 0; i < 10; ++i) {
            const bool sep = i == 4 || i == 7;
            if (sep ? (line[i] != '-' && line[i] != '/') : !IsAsciiDigit(line[i])) date = false;
        }
        if (date && (line.size() == 10 || IsInlineBlank(line[10]) || line[10] == ',' || line[10] == ':' ||
                     line[10] == ';' || line[10] == '=')) {
            const int y = std::stoi(std::string(line.substr(0, 4))),
                      m = std::stoi(std::string(line.substr(5, 2))),
                      d = std::stoi(std::string(line.substr(8, 2)));
            if (m >= 1 && m <= 12 && d >= 1 && d <= 31) {
                key = {DayKey::date, CJJulian::Day(static_cast<int16_t>(y), static_cast<int16_t>(m),
                                                   static_cast<int16_t>(d))
                                         .GetDayNumber()};
            }
            p = skip(10);
            if (p < line.size() && (line[p] == ',' || line[p] == ':' || line[p] == ';' || line[p] == '='))
                p = skip(p + 1);
            return line.substr(p);
        }
    }
    // A month's name and a day: "Jan 1: Gen 1-2", "January 1 - Gen 1". The year is not
    // written; a leap year holds every such date, Feb 29 too.
    if (size_t nameEnd = 0; int month = MonthNameAt(line, nameEnd)) {
        size_t d = skip(nameEnd), e = d;
        while (e < line.size() && IsAsciiDigit(line[e]) && e - d < 2)
            ++e;
        static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const int day = e > d ? std::stoi(std::string(line.substr(d, e - d))) : 0;
        size_t after = skip(e);
        // "Mar 1-3" is Mark; a date is followed by a colon, a comma, a full stop or a spaced dash.
        const bool separated =
            after < line.size() &&
            (line[after] == ':' || line[after] == ',' || line[after] == '.' ||
             (line[after] == '-' && after > e && after + 1 < line.size() && IsInlineBlank(line[after + 1])));
        std::string next;
        for (size_t w = after; w < line.size() && IsAsciiLetter(line[w]); ++w)
            next += Lower(line[w]);
        const bool word = after > e && !next.empty() && next != "to" && next != "through";
        if (day >= 1 && day <= days[month - 1] && (separated || word)) {
            key = {DayKey::date,
                   CJJulian::Day(2024, static_cast<int16_t>(month), static_cast<int16_t>(day)).GetDayNumber(),
                   true};
            return line.substr(separated ? skip(after + 1) : after);
        }
    }
    // A key of letters then digits: "Day 3", "day3", "3".
    size_t q = 0;
    while (q < line.size() && IsAsciiLetter(line[q]))
        ++q;
    const std::string word = Key(line.substr(0, q));
    auto number = [&](size_t from, size_t to) {
        key = {DayKey::number, std::stol(std::string(line.substr(from, std::min<size_t>(to - from, 9))))};
    };
    if (q > 0 && word != "day" && word != "d") {
        // A properties key of other letters, such as "reading3=".
        size_t r = q;
        while (r < line.size() && IsAsciiDigit(line[r]))
            ++r;
        if (r > q && skip(r) < line.size() && line[skip(r)] == '=') {
            number(q, r);
            return line.substr(skip(skip(r) + 1));
        }
        return line;
    }
    size_t d = skip(q);
    size_t digitsEnd = d;
    while (digitsEnd < line.size() && IsAsciiDigit(line[digitsEnd]))
        ++digitsEnd;
    if (digitsEnd == d) return line;
    size_t after = skip(digitsEnd);
    if (after >= line.size()) {
        if (q > 0) number(d, digitsEnd);
        return q > 0 ? line.substr(after) : line;
    }
    const char c = line[after];
    if (c == ':' || c == '=' || c == '.' || c == ')' || c == ',' || c == '-') {
        number(d, digitsEnd);
        return line.substr(skip(after + 1));
    }
    // A tab after the number separates a column of day numbers.
    if (line[digitsEnd] == '\t') {
        number(d, digitsEnd);
        return line.substr(after);
    }
    // "Day 3 Genesis 1": the word makes it a prefix; "1 John 1" is a reference.
    if (q > 0) {
        number(d, digitsEnd);
        return line.substr(after);
    }
    return line;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// A reading as the list writes it back: "Genesis1:1-3:24", or "Psalms3:0" alone.
std::string ImportReading(const VerseRange& r) {
    CBible& bible = TheBible();
    const CVerse a = bible.GetVerseAt(r.start), b = bible.GetVerseAt(r.end);
    std::string name;
    for (char c : bible.GetBookName(a.GetBook()))
        if (c != ' ') name += c;
    std::string text = name + std::to_string(a.GetChapter()) + ":" + std::to_string(a.GetVerse());
    if (r.end != r.start) text += "-" + std::to_string(b.GetChapter()) + ":" + std::to_string(b.GetVerse());
    return text;
}

// YYYY-MM-DD.
std::string DateText(const CJJulian& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.GetYear(), d.GetMonth(), d.GetDay());
    return text;
}

} // namespace

std::string ParseListReference(std::string_view text, uint16_t& bookOfLine, std::vector<VerseRange>& ranges,
                               std::string* warning) {
    CReferenceOptions options;
    options.bookOfLine = &bookOfLine;
    options.loneOneIsWholeChapter = true;
    options.acceptVersesOfOtherNumberings = warning != nullptr;
    const CReferenceReading read = ReadReference(text, options);
    if (!read.Ok()) return read.error;
    if (warning) *warning = read.warning;
    // One range a book, as the plan window shows readings.
    for (uint16_t book = read.firstBook; book <= read.lastBook; ++book) {
        const uint16_t from = book == read.firstBook ? read.first : BookFirst(book);
        const uint16_t to = book == read.lastBook ? read.last : BookLast(book);
        ranges.push_back({from, to});
    }
    return {};
}

ReadingList ParseReadingList(std::string_view bytes, const ReadingListOptions& options) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const std::string text = PlainDashes(ToUtf8(bytes));
    ReadingList list;
    const std::vector<std::string_view> lines = SplitLines(text);
    // The day or date of the last numbered or dated line: a gap after it is kept as days without a reading.
    DayKey last;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty() || line[0] == '#' || line[0] == '!' || line.rfind("//", 0) == 0) continue;
        DayKey key;
        const std::string_view rest = StripDayPrefix(line, key);
        if (key.kind != DayKey::none && key.kind == last.kind) {
            const long gap = key.value - last.value;
            // A plan holds at most kMaxAssignments days; gaps beyond them would only fill memory.
            if (gap <= 0 || gap > kMaxReadingListGap ||
                list.days.size() + static_cast<size_t>(gap) > kMaxAssignments) {
                list.problems.push_back(
                    {i + 1, Shorten(line),
                     gap <= 0 ? std::string(key.kind == DayKey::date ? "the date" : "the day") +
                                    " is not after the one before"
                              : "the day is too far from the one before"});
                continue;
            }
            for (long g = 1; g < gap; ++g) {
                ReadingListDay& left = list.days.emplace_back(ReadingListDay{i + 1, {}, true});
                if (key.kind == DayKey::date) {
                    left.date = static_cast<int32_t>(last.value + g);
                    left.yearless = key.yearless;
                }
            }
        }
        if (key.kind != DayKey::none) last = key;
        ReadingListDay day;
        day.line = i + 1;
        if (key.kind == DayKey::date) {
            day.date = static_cast<int32_t>(key.value);
            day.yearless = key.yearless;
        }
        uint16_t book = 0;
        bool& refused = day.keepsCalendar;
        size_t start = 0;
        for (size_t p = 0; p <= rest.size(); ++p) {
            if (p < rest.size() && rest[p] != ';' && rest[p] != ',') continue;
            const std::string piece = Trim(rest.substr(start, p - start));
            start = p + 1;
            if (piece.empty()) continue;
            std::string warning;
            // A reference that cannot be read is left out; the day keeps its other readings.
            if (std::string reason = ParseListReference(piece, book, day.ranges, &warning); !reason.empty()) {
                list.problems.push_back({i + 1, Shorten(line), reason});
                refused = true;
            }
            if (!warning.empty()) list.warnings.push_back({i + 1, Shorten(line), warning});
        }
        if (day.ranges.empty() && !refused) {
            ++list.emptyDays;
            if (!options.keepEmptyDays) continue;
        }
        list.days.push_back(std::move(day));
    }
    return list;
}

std::string WriteReadingListImport(const ReadingList& list, std::string_view title,
                                   std::string_view description) {
    CTemplateTextWriter w;
    // So that a reader can join the list's calendar where it stands.
    if (!list.days.empty() && list.days.front().date != 0) {
        const std::string date = DateText(CJJulian(list.days.front().date, CJJulian::kOneOClock));
        w.Line(kFirstDateComment + (list.days.front().yearless ? "-" + date.substr(4) : date));
    }
    w.Text("TITLE", title);
    w.Text("COPYR", kDefaultTemplateFormat);
    w.Text("HEADE", description);
    // Every calendar day gets the next day of the list; the length is the list's.
    w.Number("DAYS", static_cast<int32_t>(std::max<size_t>(list.days.size(), 1)));
    w.Weekdays({1, 1, 1, 1, 1, 1, 1}, true);
    w.BeginDays();
    std::vector<std::string> readings;
    for (const ReadingListDay& day : list.days) {
        readings.clear();
        for (const VerseRange& r : day.ranges)
            readings.push_back(ImportReading(r));
        w.Day(readings);
    }
    return w.Take();
}

std::optional<CJJulian> ImportFirstDate(std::string_view bytes, const CJJulian& today) {
    // Only in the head, before the readings begin.
    const std::string_view head = bytes.substr(0, bytes.find('/'));
    const std::string needle = std::string("\n") + kFirstDateComment;
    const size_t at = head.find(needle);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view text = head.substr(at + needle.size());
    text = text.substr(0, text.find_first_of("\r\n"));
    const bool yearless = text.substr(0, 2) == "--";
    // Only a date the calendar has: neither 2027-02-30 nor February 29 of a common year.
    auto in = [&](int year) -> std::optional<CJJulian> {
        const std::string written =
            yearless ? std::to_string(year) + std::string(text.substr(1)) : std::string(text);
        std::optional<CJJulian> d = ParseIsoDate(written);
        return d && DateText(*d) == written ? d : std::nullopt;
    };
    if (!yearless) return in(0);
    // The latest such day on or before today: the reader joins the list where it stands.
    for (int year = today.GetYear(); year > today.GetYear() - 8; --year)
        if (std::optional<CJJulian> d = in(year); d && *d <= today) return d;
    return std::nullopt;
}

std::string DescribeProblems(const std::vector<ReadingListProblem>& problems, size_t maxLines) {
    std::string text;
    for (size_t i = 0; i < problems.size() && i < maxLines; ++i)
        text += "Line " + std::to_string(problems[i].line) + ": " + problems[i].reason + "\n";
    if (problems.size() > maxLines)
        text += "... and " + std::to_string(problems.size() - maxLines) + " more\n";
    return text;
}

long ImportReadingList(IUiServices& ui, const std::string& inPath, const std::string& outPath,
                       std::optional<bool> keepEmptyDays, bool skipBad) {
    // New Plan reads explicit readings only from the text form.
    if (LowerExtension(outPath) != "txt") {
        ReportError(ui,
                    outPath + "\nA plan made from a reading list is saved as a text import, ending in .txt.");
        return -1;
    }
    std::string bytes;
    try {
        bytes = ReadWholeFile(inPath);
    } catch (const std::exception& e) {
        ReportError(ui, LoadErrorMessage(e, inPath));
        return -1;
    }
    std::error_code ec;
    if (std::filesystem::equivalent(inPath, outPath, ec)) {
        ReportError(ui, "The plan cannot be written over its own reading list.\nChoose another file name.");
        return -1;
    }
    ReadingList list = ParseReadingList(bytes, {true});
    if (!list.problems.empty()) {
        std::set<size_t> lines;
        for (const ReadingListProblem& p : list.problems)
            lines.insert(p.line);
        const std::string described = DescribeProblems(list.problems, skipBad ? list.problems.size() : 20);
        const std::string text = std::to_string(lines.size()) + (lines.size() == 1 ? " line" : " lines") +
                                 " of " + FileNameOf(inPath) + " cannot be read:\n\n" + described +
                                 "\nSkip what cannot be read and import the rest? Every day keeps its other "
                                 "readings and its place.";
        if (skipBad)
            ui.MessageBox({"Skipped in " + FileNameOf(inPath) + ":\n" + described, MbButtons::ok,
                           MbIcon::information, 0});
        else if (ui.MessageBox({text, MbButtons::yesNo, MbIcon::exclamation, 1}) != IDYES)
            return -1;
    }
    if (!list.warnings.empty())
        ui.MessageBox({"Read in " + FileNameOf(inPath) + " with this program's numbering:\n" +
                           DescribeProblems(list.warnings, list.warnings.size()),
                       MbButtons::ok, MbIcon::information, 0});
    if (list.emptyDays > 0 && list.emptyDays < list.days.size() && !keepEmptyDays) {
        const bool one = list.emptyDays == 1;
        const std::string text = std::to_string(list.emptyDays) + (one ? " day of " : " days of ") +
                                 FileNameOf(inPath) + (one ? " names" : " name") +
                                 " no reading.\n\nKeep them in the plan as days without a reading?";
        keepEmptyDays = ui.MessageBox({text, MbButtons::yesNo, MbIcon::question, 1}) == IDYES;
    }
    if (!keepEmptyDays.value_or(false))
        std::erase_if(list.days,
                      [](const ReadingListDay& d) { return d.ranges.empty() && !d.keepsCalendar; });
    // Left-out days at the end hold no later day in its place.
    while (!list.days.empty() && list.days.back().ranges.empty() && list.days.back().keepsCalendar)
        list.days.pop_back();
    if (std::none_of(list.days.begin(), list.days.end(),
                     [](const ReadingListDay& d) { return !d.ranges.empty(); })) {
        ReportError(ui, FileNameOf(inPath) + " holds no day with a reading. Nothing was written.");
        return -1;
    }
    const std::string content =
        WriteReadingListImport(list, FileTitle(outPath), "Imported from " + FileNameOf(inPath));
    try {
        SaveFileAtomic(outPath, content);
    } catch (const std::exception& e) {
        ReportError(ui, SaveErrorMessage(e, outPath));
        return -1;
    }
    return static_cast<long>(list.days.size());
}

std::string ImportedListMessage(long days, const std::string& outPath) {
    return std::to_string(days) + (days == 1 ? " day" : " days") + " of readings were written to\n" +
           outPath + "\n\nTo read by it, choose Reading Plan > New Plan from Gallery and pick \"" +
           FileTitle(outPath) + "\".";
}
