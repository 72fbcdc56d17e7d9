// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/ReadingHistory.h"
#include "foundation/JJulian.h"

#include <gtest/gtest.h>

namespace {

int32_t DayNumber(int d) {
    return CJJulian::Day(2027, 1, int16_t(d)).GetDayNumber();
}

// The totals of a span count the days at both ends and no other; a day's readings come in their
// order, an undone one left out.
TEST(ReadingHistory, TotalsAndReadingsOfADay) {
    auto entry = [](uint64_t seq, const char* time, VerseRanges read, const char* kind = "extra") {
        CJournalEntry e;
        e.seq = e.clock = seq;
        e.device = "dev";
        e.time = time;
        e.kind = kind;
        e.read = std::move(read);
        return e;
    };
    std::vector<CJournalEntry> entries = {
        entry(1, "2027-01-04T07:00:00", {{0, 9}}, "finish"), entry(2, "2027-01-05T21:00:00", {{20, 49}}),
        entry(3, "2027-01-05T07:00:00", {{10, 14}}, "mark"), entry(4, "2027-01-06T07:00:00", {{0, 99}}),
        entry(5, "2027-01-08T07:00:00", {{0, 0}})};
    CJournalEntry undo = entry(6, "2027-01-08T08:00:00", {}, "undo");
    undo.undoes = 5;
    entries.push_back(undo);
    const CReadingHistory history(entries);

    struct Case {
        int first, last;
        uint32_t verses, readings, days;
    };
    const Case cases[] = {
        {4, 4, 10, 1, 1}, {4, 5, 45, 3, 2}, {5, 8, 135, 3, 2}, {7, 8, 0, 0, 0}, {1, 31, 145, 4, 3}};
    for (const Case& c : cases) {
        const CReadingHistory::Totals t = history.Between(DayNumber(c.first), DayNumber(c.last));
        EXPECT_EQ(t.verses, c.verses) << c.first << "-" << c.last;
        EXPECT_EQ(t.readings, c.readings) << c.first << "-" << c.last;
        EXPECT_EQ(t.days, c.days) << c.first << "-" << c.last;
    }

    const auto fifth = history.ReadingsOn(DayNumber(5));
    ASSERT_EQ(fifth.size(), 2u);
    EXPECT_EQ(fifth[0]->kind, "mark");
    EXPECT_EQ(fifth[1]->verses, 30u);
    EXPECT_TRUE(history.ReadingsOn(DayNumber(8)).empty());

    EXPECT_EQ(CReadingHistory::ShadeOf(0), 0);
    EXPECT_EQ(CReadingHistory::ShadeOf(1), 1);
    EXPECT_LT(CReadingHistory::ShadeOf(25), CReadingHistory::ShadeOf(100));
    EXPECT_EQ(CReadingHistory::ShadeOf(5000), 4);
}

} // namespace
