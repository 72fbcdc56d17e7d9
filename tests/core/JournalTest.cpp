// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/Journal.h"
#include "TempDir.h"
#include "foundation/FileAccess.h"
#include "journal/ReadingHistory.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Every 100th byte changed.
std::string Scattered(std::string bytes) {
    for (size_t i = 0; i < bytes.size(); i += 100)
        bytes[i] = 'X';
    return bytes;
}

// Hunks lead from the bytes before to those after and back, whatever changed; and refuse bytes
// they were not made from.
TEST(Journal, HunksGoForwardAndBackByteForByte) {
    const std::string block(300, 'a');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {block, block},
        {block, std::string(100, 'a') + "XY" + std::string(198, 'a')},
        {block, "Z" + std::string(150, 'a') + "Q" + std::string(147, 'a') + "W"},
        {"", block},
        {block, ""},
        {"short", "a longer text"},
        {std::string("\0\1\2", 3), std::string("\0\1\2\3", 4)},
        // Dates moved all through a plan, and a plan replaced by another: both written small.
        {std::string(40000, 'p'), Scattered(std::string(40000, 'p'))},
        {std::string(40000, 'p'), std::string(30000, 'q')},
    };
    for (const auto& [before, after] : cases) {
        CJournalEntry e;
        e.seq = e.clock = 1;
        e.device = "d";
        e.kind = "save";
        e.files.push_back({"f", "-", "-", DiffBytes(before, after)});
        const std::string line = FormatJournalEntry(e);
        EXPECT_LT(line.size(), 1000 + std::min(before.size(), after.size()) / 10) << before.size();
        const std::optional<CJournalEntry> read = ParseJournalEntry(line);
        ASSERT_TRUE(read);
        const std::vector<JournalHunk>& hunks = read->files[0].hunks;
        std::string bytes = before;
        ASSERT_TRUE(ApplyHunks(bytes, hunks, true));
        EXPECT_EQ(bytes, after);
        ASSERT_TRUE(ApplyHunks(bytes, hunks, false));
        EXPECT_EQ(bytes, before);
        if (!hunks.empty() && !hunks[0].before.empty() && !hunks[0].xorred) {
            std::string other = before;
            other[hunks[0].offset] ^= 1;
            EXPECT_FALSE(ApplyHunks(other, hunks, true));
            EXPECT_EQ(other.size(), before.size());
        }
    }
}

// A written entry reads back as it was; anything else a file may hold is refused, never half read.
TEST(Journal, EntriesReadBackAndHostileLinesAreRefused) {
    CJournalEntry e;
    e.seq = 7;
    e.clock = 9;
    e.device = "a1";
    e.time = "2027-01-05T07:30:00";
    e.kind = "note";
    e.name = "Verse Note";
    e.verse = 26136;
    e.text = std::string("line \"one\"\r\n\ttwo \\ \x01 \xc3\xa9");
    e.read = {{1, 5}, {9, 9}};
    e.done = {3};
    e.files.push_back({"notes", "-", "3:0123", {{0, "", std::string("\0\xff\x80", 3)}}});
    const std::string line = FormatJournalEntry(e);
    ASSERT_EQ(line.find('\n'), std::string::npos);
    const std::optional<CJournalEntry> back = ParseJournalEntry(line);
    ASSERT_TRUE(back);
    EXPECT_EQ(FormatJournalEntry(*back), line);
    EXPECT_EQ(*back->text, *e.text);
    EXPECT_EQ(back->files[0].hunks[0].after, e.files[0].hunks[0].after);

    const char* hostile[] = {
        "",
        "{}",
        "[1,2]",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"unknown"})",
        R"({"seq":0,"clock":1,"device":"a","time":"t","kind":"finish"})",
        R"({"seq":1,"clock":1,"device":"../x","time":"t","kind":"finish"})",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"finish","read":[[5,2]]})",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"finish","read":[[1,70000]]})",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"note","verse":-1})",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"finish","files":[{"file":"plan"}]})",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"finish","files":[{"file":"plan","before":"-","after":"-","hunks":[[0,"A","!!!!"]]}]})",
        R"({"seq":99999999999999999999,"clock":1,"device":"a","time":"t","kind":"finish"})",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"finish"} trailing)",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"finish","x":[[[[[[[[[[[1]]]]]]]]]]]})",
        R"({"seq":1,"clock":1,"device":"a","time":"t\u00)",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"save","files":[{"file":"p","before":"-","after":"-","hunks":[[0,"z99999999999:AAAA","AAAA"]]}]})",
        R"({"seq":1,"clock":1,"device":"a","time":"t","kind":"save","files":[{"file":"p","before":"-","after":"-","hunks":[[0,"z6:eJzLSM3JyQcABiwCFQ==","AAAA"]]}]})",
    };
    for (const char* h : hostile)
        EXPECT_FALSE(ParseJournalEntry(h)) << h;
}

// Only whole lines count: a line torn by a crash or a copy under way is left for later.
TEST(Journal, ATornLastLineIsLeftAndTheTailIsTheNewest) {
    TempDir dir;
    CJournal journal(dir.Path(), "dev");
    std::string bytes;
    for (uint64_t i = 1; i <= 30; ++i) {
        CJournalEntry e;
        e.seq = e.clock = i;
        e.device = "dev";
        e.time = "2027-01-05T07:30:00";
        e.kind = "finish";
        bytes += FormatJournalEntry(e) + "\n";
    }
    MakeDirectory(journal.Directory());
    SaveFileAtomic(journal.Path(), bytes + R"({"seq":31,"clock":31,"dev)");
    const std::vector<CJournalEntry> tail = journal.ReadTail(5);
    ASSERT_EQ(tail.size(), 5u);
    EXPECT_EQ(tail.front().seq, 26u);
    EXPECT_EQ(tail.back().seq, 30u);
    EXPECT_EQ(journal.ReadAll().size(), 30u);

    // Two writers of one journal in one program (the plan window and the notes) take turns: each
    // entry gets a number of its own, and the clock never goes back.
    SaveFileAtomic(journal.Path(), bytes);
    CJournal notes(dir.Path(), "dev");
    for (int i = 0; i < 4; ++i) {
        CJournalEntry e;
        e.kind = "finish";
        (i % 2 ? notes : journal).Append(e);
        EXPECT_EQ(e.seq, 31u + uint64_t(i));
        EXPECT_EQ(e.clock, 31u + uint64_t(i));
    }
}

// Reading days and streaks: a day off the plan neither counts against a streak nor ends it,
// today does not break it before it is over, and an undone reading is no reading.
TEST(Journal, StreaksCountThePlansReadingDays) {
    auto reading = [](uint64_t seq, const char* time, const char* kind = "finish") {
        CJournalEntry e;
        e.seq = e.clock = seq;
        e.device = "dev";
        e.time = time;
        e.kind = kind;
        e.read = {{0, 9}};
        return e;
    };
    // 2027-01-04 is a Monday.
    std::vector<CJournalEntry> entries = {
        reading(1, "2027-01-04T07:00:00"),         reading(2, "2027-01-05T07:00:00"),
        reading(3, "2027-01-06T07:00:00"),         reading(4, "2027-01-07T07:00:00"),
        reading(5, "2027-01-08T07:00:00"),         reading(6, "2027-01-11T07:00:00"),
        reading(7, "2027-01-11T21:00:00", "mark"),
    };
    CJournalEntry undo = reading(8, "2027-01-11T21:01:00", "undo");
    undo.read.clear();
    undo.undoes = 7;
    entries.push_back(undo);
    const CReadingHistory history(entries);
    ASSERT_EQ(history.Days().size(), 6u);
    EXPECT_EQ(history.Days().back().readings, 1u);
    EXPECT_EQ(history.Days().back().verses, 10u);

    const std::array<int32_t, 7> weekdays = {0, 1, 1, 1, 1, 1, 0}, everyDay = {1, 1, 1, 1, 1, 1, 1};
    struct Case {
        std::array<int32_t, 7> readOn;
        CJJulian today;
        int current, longest;
    };
    const Case cases[] = {
        {weekdays, CJJulian::Day(2027, 1, 11), 6, 6}, // the weekend is no gap
        {weekdays, CJJulian::Day(2027, 1, 12), 6, 6}, // today is not over
        {weekdays, CJJulian::Day(2027, 1, 13), 0, 6}, // yesterday was missed
        {everyDay, CJJulian::Day(2027, 1, 11), 1, 5}, // every day: the weekend broke it
    };
    for (const Case& c : cases) {
        const CReadingHistory::Streaks s = history.StreaksOn(c.readOn, c.today);
        EXPECT_EQ(s.current, c.current) << c.today.GetDay();
        EXPECT_EQ(s.longest, c.longest) << c.today.GetDay();
    }
    EXPECT_EQ(history.LastRead(0, 3), CJJulian::Day(2027, 1, 11).GetDayNumber());
    EXPECT_EQ(history.LastRead(20, 30), 0);
}

} // namespace
