// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"
#include "plan/PlanElement.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IUiServices;

// A day-by-day reading list from elsewhere, one day a line:
//   Genesis 1-3; Matthew 1
//   Day 2: Genesis 4-6, Matthew 2
//   2027-01-04, Gen 7:1-8:22
//   4=Gen.9-11;Matt.4        (a properties list, OSIS abbreviations)
// turned into the tagged text form with explicit readings, which New Plan
// reads as any text import.

struct ReadingListDay {
    size_t line = 0; // 1-based line of the list; of the next day's line for a gap in its numbering
    std::vector<VerseRange> ranges;
    // A day without a reading that keeps the list's calendar: a gap in its
    // numbering, or a day whose references were all left out.
    bool keepsCalendar = false;
    // The day number of its date in a dated list, 0 otherwise. A date written
    // without its year ("Jan 1") is yearless and counted in the leap year 2024.
    int32_t date = 0;
    bool yearless = false;
};

// Numbered or dated days further apart than this are taken for a mistake.
inline constexpr long kMaxReadingListGap = 3660;

struct ReadingListProblem {
    size_t line = 0;
    std::string text;   // the line as read (UTF-8, shortened)
    std::string reason; // why it cannot be read
};

struct ReadingList {
    std::vector<ReadingListDay> days;
    // References that cannot be read, each left out of its day; the day keeps its other readings.
    std::vector<ReadingListProblem> problems;
    // References read with a change, such as a verse of another numbering read as its chapter's last.
    std::vector<ReadingListProblem> warnings;
    // Day lines that named no reading; kept as days only when asked for.
    size_t emptyDays = 0;
};

struct ReadingListOptions {
    bool keepEmptyDays = false;
};

// Reads the list: UTF-8 (with or without a byte order mark) or Windows-1252,
// lines ended by LF, CR LF or CR. Blank lines and lines starting with "#",
// "!" or "//" are not days. Days keep the list's calendar: a gap in the day
// numbers or dates ("Day 1", "Day 2", "Day 5"; "Jan 1", "Jan 3") is kept as
// days without a reading. Never throws.
ReadingList ParseReadingList(std::string_view bytes, const ReadingListOptions& options = {});

// One reference, such as "Genesis 1-3", "1 Sam 3:1-4:22", "Gen.1.1-Gen.2.3" or
// "Jude 1 through Jude 25", added to ranges as one range per book. bookOfLine
// is the book of the reference before it on the same line (used and updated).
// Returns the reason it cannot be read, empty on success. With warning, a
// verse a little beyond its chapter's end ("3 John 1:15", as other numberings
// count) is read as the chapter's last verse and warning says so.
std::string ParseListReference(std::string_view text, uint16_t& bookOfLine, std::vector<VerseRange>& ranges,
                               std::string* warning = nullptr);

// The text-import file of the list: its title and description tags, every
// day a reading day, and each day's readings as explicit references. A list
// whose first day is dated keeps that date in a comment ("! First date:
// 2027-01-04", or "--01-04" without a year), which the readers skip.
std::string WriteReadingListImport(const ReadingList& list, std::string_view title,
                                   std::string_view description);

inline constexpr const char* kFirstDateComment = "! First date: ";

// The first date an import of a dated list keeps; a date without a year is
// taken in the latest year in which it falls on or before today. Nothing for
// any other file.
std::optional<CJJulian> ImportFirstDate(std::string_view importBytes, const CJJulian& today);

// "Line 3: unknown book "Genisis"" lines, at most maxLines of them, then how many more.
std::string DescribeProblems(const std::vector<ReadingListProblem>& problems, size_t maxLines = 20);

inline constexpr const char* kReadingListFilter =
    "Reading List (*.txt *.csv *.properties)|*.txt;*.csv;*.properties|All Files (*.*)|*.*||";

// The whole import: reads inPath, and when some lines cannot be read lists
// them in one message and asks whether to skip them (skipBad answers yes
// without asking). Days without a reading are kept as such when
// keepEmptyDays says so; without an answer the user is asked. Writes outPath
// atomically; nothing is written when the user declines, when no day is left
// or when the list cannot be read. Returns the number of days written, or -1
// when nothing was written.
long ImportReadingList(IUiServices& ui, const std::string& inPath, const std::string& outPath,
                       std::optional<bool> keepEmptyDays, bool skipBad);

// What the user is told after an import: where the plan went and how to start it.
std::string ImportedListMessage(long days, const std::string& outPath);
