// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/ReadingList.h"
#include "PlanDocFixture.h"
#include "gallery/PlanGallery.h"
#include "plan/TemplateText.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

std::string Readings(const std::vector<VerseRange>& ranges) {
    std::string s;
    for (const VerseRange& r : ranges)
        s += (s.empty() ? "" : "; ") + RangeText(r.start, r.end);
    return s;
}

std::string Readings(const CPlanElement& e) {
    return Readings(e.Ranges());
}

std::string IsoText(const CJJulian& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.GetYear(), d.GetMonth(), d.GetDay());
    return text;
}

TEST(ReadingList, References) {
    struct Case {
        const char* text;
        const char* readings; // empty when the reference is refused
        const char* reason;   // part of the refusal
    };
    const Case cases[] = {
        {"Genesis 1", "Genesis 1:1 through Genesis 1:31", ""},
        {"Genesis 1-3", "Genesis 1:1 through Genesis 3:24", ""},
        {"Gen 1:5-20", "Genesis 1:5 through Genesis 1:20", ""},
        {"Gen.1.1-Gen.2.3", "Genesis 1:1 through Genesis 2:3", ""},
        {"Genesis 1:1 through Genesis 3:24", "Genesis 1:1 through Genesis 3:24", ""},
        {"genesis 50 - exodus 2", "Genesis 50:1 through Genesis 50:26; Exodus 1:1 through Exodus 2:25", ""},
        {"1 Sam 3", "1Samuel 3:1 through 1Samuel 3:21", ""},
        {"I Samuel 3", "1Samuel 3:1 through 1Samuel 3:21", ""},
        {"1Kgs 1", "1Kings 1:1 through 1Kings 1:53", ""},
        {"Song of Solomon 2", "Song Of Songs 2:1 through Song Of Songs 2:17", ""},
        {"Song 2", "Song Of Songs 2:1 through Song Of Songs 2:17", ""},
        {"Psalm 117", "Psalms 117:1 through Psalms 117:2", ""},
        {"Philippians 4:13", "Philipians 4:13", ""},
        {"Jude", "Jude 1 through Jude 25", ""},
        {"Obadiah 1", "Obadiah 1 through Obadiah 21", ""},
        {"Jude 5", "Jude 5", ""},
        {"Jude 1 through Jude 25", "Jude 1 through Jude 25", ""},
        {"3 John 2-4", "3John 2 through 3John 4", ""},
        {"Matthew 28 to Mark 1", "Matthew 28:1 through Matthew 28:20; Mark 1:1 through Mark 1:45", ""},
        {"Revelation 22:21", "Revelation 22:21", ""},
        {"Genisis 1", "", "unknown book \"Genisis\""},
        {"Jo 1", "", "unknown book"},
        {"Genesis 51", "", "Genesis has 50 chapters"},
        {"Genesis 0", "", "Genesis has 50 chapters"},
        {"Genesis 1:32", "", "Genesis 1 has no verse 32"},
        {"Genesis 3-1", "", "runs backwards"},
        {"Exodus 1 - Genesis 2", "", "runs backwards"},
        {"Genesis 1:10-5", "", "runs backwards"},
        {"Genesis 1x", "", "cannot read"},
        {"Genesis 1 -", "", "has no end"},
        {"12", "", "no book named"},
    };
    for (const Case& c : cases) {
        uint16_t book = 0;
        std::vector<VerseRange> ranges;
        std::string reason = ParseListReference(c.text, book, ranges);
        if (*c.readings) {
            EXPECT_EQ(reason, "") << c.text;
            EXPECT_EQ(Readings(ranges), c.readings) << c.text;
        } else {
            EXPECT_NE(reason.find(c.reason), std::string::npos) << c.text << " gave: " << reason;
        }
    }
}

TEST(ReadingList, DayLines) {
    struct Case {
        const char* list;
        std::vector<std::string> days;
        std::vector<size_t> badLines;
    };
    const std::vector<Case> cases = {
        {"Genesis 1-2; Matthew 1\nGenesis 3, 4\n",
         {"Genesis 1:1 through Genesis 2:25; Matthew 1:1 through Matthew 1:25",
          "Genesis 3:1 through Genesis 3:24; Genesis 4:1 through Genesis 4:26"},
         {}},
        {"1: Genesis 1\nDay 2 - Genesis 2\nDay 3 Genesis 3\n4. Genesis 4\n5) Genesis 5\n6\tGenesis 6\n",
         {"Genesis 1:1 through Genesis 1:31", "Genesis 2:1 through Genesis 2:25",
          "Genesis 3:1 through Genesis 3:24", "Genesis 4:1 through Genesis 4:26",
          "Genesis 5:1 through Genesis 5:32", "Genesis 6:1 through Genesis 6:22"},
         {}},
        {"2027-01-04, Gen 1\n2027-01-05: Gen 2\n2027/01/06 Gen 3\n",
         {"Genesis 1:1 through Genesis 1:31", "Genesis 2:1 through Genesis 2:25",
          "Genesis 3:1 through Genesis 3:24"},
         {}},
        {"# a properties list\n1=Gen.1-2;Matt.1\n2=Gen.3\nday3=Gen.4\n",
         {"Genesis 1:1 through Genesis 2:25; Matthew 1:1 through Matthew 1:25",
          "Genesis 3:1 through Genesis 3:24", "Genesis 4:1 through Genesis 4:26"},
         {}},
        // "1 John 1" is a reference, not day 1.
        {"1 John 1\n2 John\n", {"1John 1:1 through 1John 1:10", "2John 1 through 2John 13"}, {}},
        // What cannot be read is left out, but its day keeps its place: later days never move up.
        {"Genesis 1\nGenisis 2\nGenesis 3\n\nExodus 41\nGenesis 2:1-1:1\n",
         {"Genesis 1:1 through Genesis 1:31", "", "Genesis 3:1 through Genesis 3:24", "", ""},
         {2, 5, 6}},
        // Empty days and comments are no days unless asked for (below).
        {"! comment\n// comment\nDay 1:\nGenesis 1\n2=\n", {"Genesis 1:1 through Genesis 1:31"}, {}},
    };
    for (const Case& c : cases) {
        ReadingList list = ParseReadingList(c.list);
        std::vector<std::string> days;
        for (const ReadingListDay& d : list.days)
            days.push_back(Readings(d.ranges));
        EXPECT_EQ(days, c.days) << c.list;
        std::vector<size_t> bad;
        for (const ReadingListProblem& p : list.problems)
            bad.push_back(p.line);
        EXPECT_EQ(bad, c.badLines) << c.list;
    }

    ReadingList kept = ParseReadingList("Day 1:\nGenesis 1\n2=\n", {true});
    ASSERT_EQ(kept.days.size(), 3u);
    EXPECT_TRUE(kept.days[0].ranges.empty());
    EXPECT_EQ(kept.days[2].line, 3u);
    EXPECT_EQ(kept.emptyDays, 2u);
}

TEST(ReadingList, EncodingsAndLineEnds) {
    const std::vector<std::string> forms = {
        "\xEF\xBB\xBFGenesis 1\r\nGenesis 2 \xE2\x80\x93 3\r\n",
        "Genesis 1\rGenesis 2\x96"
        "3\r",
        "Genesis 1\nGenesis 2\xE2\x80\x94"
        "3",
    };
    for (const std::string& f : forms) {
        ReadingList list = ParseReadingList(f);
        ASSERT_EQ(list.days.size(), 2u) << f;
        EXPECT_TRUE(list.problems.empty()) << f;
        EXPECT_EQ(Readings(list.days[1].ranges), "Genesis 2:1 through Genesis 3:24");
    }
    // A Windows-1252 name in a bad line is shown as UTF-8.
    ReadingList bad = ParseReadingList("G\xE9n\xE8se 1\n");
    ASSERT_EQ(bad.problems.size(), 1u);
    EXPECT_NE(bad.problems[0].reason.find("G\xC3\xA9n\xC3\xA8se"), std::string::npos);
    EXPECT_EQ(DescribeProblems(bad.problems), "Line 1: unknown book \"G\xC3\xA9n\xC3\xA8se\"\n");
}

TEST(ReadingList, LongListsAndDescriptions) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "Day " + std::to_string(i + 1) + ": Psalms " + std::to_string(i % 150 + 1) +
                (i % 1000 == 7 ? "x" : "") + "\n";
    ReadingList list = ParseReadingList(text);
    EXPECT_EQ(list.days.size(), 20000u);
    ASSERT_EQ(list.problems.size(), 20u);
    EXPECT_EQ(list.problems[1].line, 1008u);
    std::string described = DescribeProblems(list.problems, 3);
    EXPECT_EQ(described.substr(0, 8), "Line 8: ");
    EXPECT_NE(described.find("... and 17 more"), std::string::npos);
}

// Lists made into text imports, then into plans the way New Plan makes them.
class ReadingListImport : public PlanDocFixture {
protected:
    std::vector<std::string> PlanOf(const std::string& importText) {
        SaveFileAtomic(dir.Path("list.txt"), importText);
        CReadingPlanDoc& d = Open();
        SetTodayOverride(CJJulian::Day(2027, 1, 4));
        EXPECT_TRUE(d.NewPlanFromFile(dir.Path("list.txt")));
        std::vector<std::string> days;
        CJJulian expected = CJJulian::Day(2027, 1, 4);
        for (const CPlanElement& e : d.Elements()) {
            EXPECT_EQ(e.GetScheduledDate().GetDayNumber(), expected.GetDayNumber());
            expected = expected.NextDay();
            days.push_back(Readings(e));
        }
        return days;
    }
};

TEST_F(ReadingListImport, PlansHoldExactlyTheListsReadings) {
    const std::vector<std::string> lists = {
        "Genesis 1-3; Matthew 1\nGenesis 4:1-5:8, Matthew 2\nPsalms 3\nJude 3-4; Obadiah\n",
        "Day 1: Genesis 1-3; Matthew 1\nDay 2: Genesis 4:1-5:8, Matthew 2\nDay 3: Psalm 3\nDay 4: Jude 3-4; "
        "Obad 1\n",
        "1=Gen.1-3;Matt.1\n2=Gen.4.1-Gen.5.8;Matt.2\n3=Ps.3\n4=Jude.3-Jude.4;Obad\n",
    };
    for (const std::string& text : lists) {
        ReadingList list = ParseReadingList(text);
        ASSERT_TRUE(list.problems.empty()) << text;
        std::vector<std::string> expected;
        for (const ReadingListDay& d : list.days)
            expected.push_back(Readings(d.ranges));
        ASSERT_EQ(expected.size(), 4u);
        EXPECT_EQ(expected[2], "Psalms 3:0 through Psalms 3:8");
        EXPECT_EQ(PlanOf(WriteReadingListImport(list, "Mine", "From a list")), expected) << text;
        EXPECT_EQ(doc->GetTemplateTitle(), "Mine");
        EXPECT_EQ(doc->GetTemplateDescription(), "From a list");
    }
}

TEST_F(ReadingListImport, EmptyDaysAreKeptOnlyWhenAsked) {
    const char* text = "Day 1: Genesis 1\nDay 2:\nDay 3: Genesis 2\n";
    EXPECT_EQ(PlanOf(WriteReadingListImport(ParseReadingList(text), "t", "d")).size(), 2u);
    std::vector<std::string> kept = PlanOf(WriteReadingListImport(ParseReadingList(text, {true}), "t", "d"));
    EXPECT_EQ(kept, (std::vector<std::string>{"Genesis 1:1 through Genesis 1:31", "",
                                              "Genesis 2:1 through Genesis 2:25"}));
}

TEST_F(ReadingListImport, PlanShownThenImportedGivesTheSameReadings) {
    const std::string shipped = ShippedPlansDirectory();
    ASSERT_FALSE(shipped.empty());
    for (const char* name : {"New Testament in 90 days.txt", "Bible in one year, three readings a day.txt"}) {
        std::vector<std::string> original = PlanOf(ReadWholeFile(shipped + "/" + name));
        ASSERT_GT(original.size(), 80u);
        // The readings column of "plan show", one day a line.
        std::string list;
        for (const std::string& day : original)
            list += day + "\n";
        ReadingList read = ParseReadingList(list);
        EXPECT_TRUE(read.problems.empty()) << DescribeProblems(read.problems);
        EXPECT_EQ(PlanOf(WriteReadingListImport(read, "again", "d")), original) << name;
    }
}

TEST_F(ReadingListImport, BadLinesAreListedAndNothingWrittenUnlessSkipped) {
    SaveFileAtomic(dir.Path("in.txt"), "Genesis 1\nGenesis 99\nGenisis 2\nGenesis 3\n");
    SaveFileAtomic(dir.Path("out.txt"), "old");
    ui.messageBoxAnswers = {IDNO};
    EXPECT_EQ(ImportReadingList(ui, dir.Path("in.txt"), dir.Path("out.txt"), false, false), -1);
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_NE(
        ui.messageBoxes[0].text.find("Line 2: Genesis has 50 chapters\nLine 3: unknown book \"Genisis\"\n"),
        std::string::npos);
    EXPECT_EQ(ReadWholeFile(dir.Path("out.txt")), "old");

    ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(ImportReadingList(ui, dir.Path("in.txt"), dir.Path("out.txt"), false, false), 4);
    EXPECT_EQ(PlanOf(ReadWholeFile(dir.Path("out.txt"))),
              (std::vector<std::string>{"Genesis 1:1 through Genesis 1:31", "", "",
                                        "Genesis 3:1 through Genesis 3:24"}));

    // Days without a reading: the user is asked whether to keep them.
    SaveFileAtomic(dir.Path("gaps.txt"), "Day 1: Genesis 1\nDay 2:\nDay 3: Genesis 2\n");
    ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(ImportReadingList(ui, dir.Path("gaps.txt"), dir.Path("gaps-out.txt"), std::nullopt, false), 3);
    EXPECT_EQ(ui.messageBoxes.back().text.rfind("1 day of gaps.txt names no reading.", 0), 0u);
    ui.messageBoxAnswers = {IDNO};
    EXPECT_EQ(ImportReadingList(ui, dir.Path("gaps.txt"), dir.Path("gaps-out.txt"), std::nullopt, false), 2);
    EXPECT_EQ(ImportReadingList(ui, dir.Path("gaps.txt"), dir.Path("gaps-out.txt"), true, false), 3);

    // The list itself is never written over.
    const size_t told = ui.messageBoxes.size();
    EXPECT_EQ(ImportReadingList(ui, dir.Path("gaps.txt"), dir.Path("./gaps.txt"), false, true), -1);
    EXPECT_EQ(ui.messageBoxes.size(), told + 1);
    EXPECT_EQ(ReadWholeFile(dir.Path("gaps.txt")), "Day 1: Genesis 1\nDay 2:\nDay 3: Genesis 2\n");

    // Only the text form carries explicit readings.
    EXPECT_EQ(ImportReadingList(ui, dir.Path("gaps.txt"), dir.Path("gaps.vntpl"), false, true), -1);
    EXPECT_FALSE(FileExists(dir.Path("gaps.vntpl")));

    // Nothing readable: nothing written, the user told.
    SaveFileAtomic(dir.Path("none.txt"), "Hello\n");
    EXPECT_EQ(ImportReadingList(ui, dir.Path("none.txt"), dir.Path("none-out.txt"), false, true), -1);
    EXPECT_FALSE(FileExists(dir.Path("none-out.txt")));
    EXPECT_EQ(ImportReadingList(ui, dir.Path("missing.txt"), dir.Path("m-out.txt"), false, true), -1);
    EXPECT_FALSE(FileExists(dir.Path("m-out.txt")));
}

} // namespace

namespace {

// Lists keep their calendar: numbered and dated days stay on their day, a gap
// is a day without a reading, and a reference left out leaves its day's other readings.
TEST(ReadingList, DaysKeepTheListsNumbersAndDates) {
    const std::string g1 = "Genesis 1:1 through Genesis 1:31", g2 = "Genesis 2:1 through Genesis 2:25",
                      g3 = "Genesis 3:1 through Genesis 3:24", m1 = "Matthew 1:1 through Matthew 1:25";
    struct Case {
        std::string list;
        std::vector<std::string> days;
        std::vector<size_t> badLines;
    } cases[] = {
        {"Day 1: Genesis 1\nDay 2: Genesis 2\nDay 5: Genesis 3\n", {g1, g2, "", "", g3}, {}},
        {"1=Gen.1\n3=Gen.2\n", {g1, "", g2}, {}},
        {"2027-01-04, Gen 1\n2027-01-06: Gen 2\n2027/01/07 Gen 3\n", {g1, "", g2, g3}, {}},
        {"Jan 1: Gen 1-2\nJan 2: Matt 1\n", {"Genesis 1:1 through Genesis 2:25", m1}, {}},
        {"January 30 - Gen 1\nFebruary 2 - Gen 2\n", {g1, "", "", g2}, {}},
        {"Feb 28: Gen 1\nMar 1: Gen 2\n", {g1, "", g2}, {}}, // a leap year's Feb 29 between
        {"Sept. 14, Gen 1\nSep 15, Gen 2\n", {g1, g2}, {}},
        // Mark, not March: no date is written without its separator.
        {"Mar 1-3\nMar 1 through Mar 3\n", {"Mark 1:1 through Mark 3:35", "Mark 1:1 through Mark 3:35"}, {}},
        // A day or date that does not move forward is refused, and its line with it.
        {"Day 2: Genesis 1\nDay 1: Genesis 2\nDay 3: Genesis 3\n", {g1, g3}, {2}},
        {"Jan 2: Gen 1\nJan 2: Gen 2\n", {g1}, {2}},
        // One bad reference: the day keeps the others.
        {"Day 1: Genesis 1; Genisis 2; Matthew 1\nDay 2: Genesis 3\n", {g1 + "; " + m1, g3}, {1}},
        {"Day 1: Genisis 1\nDay 2: Genesis 3\n", {"", g3}, {1}},
        // Every way of writing the number of a book.
        {"2 Jn; II John; 2nd John; Second John; 2John\n",
         {"2John 1 through 2John 13; 2John 1 through 2John 13; 2John 1 through 2John 13; 2John 1 through "
          "2John "
          "13; 2John 1 through 2John 13"},
         {}},
    };
    for (const Case& c : cases) {
        ReadingList list = ParseReadingList(c.list);
        std::vector<std::string> days;
        for (const ReadingListDay& d : list.days)
            days.push_back(Readings(d.ranges));
        EXPECT_EQ(days, c.days) << c.list;
        std::vector<size_t> bad;
        for (const ReadingListProblem& p : list.problems)
            bad.push_back(p.line);
        EXPECT_EQ(bad, c.badLines) << c.list;
    }
    EXPECT_EQ(ParseReadingList("Day 1: Gen 1\nDay 9999: Gen 2\n").problems.size(), 1u);
    // Gaps add up to no more days than a plan can hold.
    std::string far;
    for (int i = 0; i < 40; ++i)
        far += "Day " + std::to_string(1 + i * 3000) + ": Gen 1\n";
    const ReadingList capped = ParseReadingList(far);
    EXPECT_EQ(capped.days.size(), 21u * 3000 + 1); // days 1 to 63001; day 66001 would pass 65535
    EXPECT_EQ(capped.problems.size(), 18u);
}

TEST(ReadingList, AVerseOfAnotherNumberingIsItsChaptersLastWithAWarning) {
    ReadingList list = ParseReadingList("Day 1: 3 John 1:13-15\nDay 2: Rev 12:18\nDay 3: Jude 1:30\n");
    ASSERT_EQ(list.days.size(), 3u);
    EXPECT_EQ(Readings(list.days[0].ranges), "3John 13 through 3John 14");
    EXPECT_EQ(Readings(list.days[1].ranges), "Revelation 12:17");
    EXPECT_TRUE(list.days[2].ranges.empty());
    EXPECT_EQ(DescribeProblems(list.warnings),
              "Line 1: 3John has no verse 15 in this numbering; read as 3John 14\n"
              "Line 2: Revelation 12 has no verse 18 in this numbering; read as Revelation 12:17\n");
    EXPECT_EQ(DescribeProblems(list.problems), "Line 3: Jude has 1 chapter of 25 verses\n");
}

} // namespace

// A dated list keeps its first date in its import, so that New Plan from
// Gallery can start the plan there; the preview follows the start chosen.
TEST_F(ReadingListImport, ADatedListProposesItsFirstDate) {
    struct Case {
        std::string list; // a list, or with "!" at its start an import's own bytes
        CJJulian today;
        std::string first; // YYYY-MM-DD, empty for none
    } cases[] = {
        {"2027-01-04, Gen 1\n2027-01-06: Gen 2\n", CJJulian::Day(2027, 5, 10), "2027-01-04"},
        {"Jan 1: Gen 1\nJan 2: Gen 2\n", CJJulian::Day(2027, 5, 10), "2027-01-01"},
        // Without its year a date is the latest one on or before today.
        {"Dec 30: Gen 1\nDec 31: Gen 2\n", CJJulian::Day(2027, 1, 4), "2026-12-30"},
        {"Jan 4: Gen 1\n", CJJulian::Day(2027, 1, 4), "2027-01-04"},
        {"Feb 29: Gen 1\nMar 1: Gen 2\n", CJJulian::Day(2027, 5, 10), "2024-02-29"},
        // A first day without a reading, dropped: the next one's date.
        {"Jan 1:\nJan 2: Gen 1\n", CJJulian::Day(2027, 5, 10), "2027-01-02"},
        {"Day 1: Gen 1\nDay 2: Gen 2\n", CJJulian::Day(2027, 5, 10), ""},
        {"Gen 1\n2027-01-05: Gen 2\n", CJJulian::Day(2027, 5, 10), ""},
        {"! x\r\n! First date: 2027-02-30\r\n<DAYS = 1>\r\n/\r\n[Gen1:1]\r\n/\r\n", Today(), ""},
        {"! x\r\n! First date: 2027-1-4\r\n/\r\n", Today(), ""},
        {"! x\r\n/\r\n! First date: 2027-01-04\r\n[Gen1:1]\r\n/\r\n", Today(), ""},
    };
    for (const Case& c : cases) {
        std::string bytes = c.list;
        if (c.list[0] != '!') {
            const ReadingList list = ParseReadingList(c.list);
            bytes = WriteReadingListImport(list, "t", "d");
            // The comment changes nothing New Plan reads.
            EXPECT_EQ(ParseTextImport(bytes).assignments.size(), list.days.size()) << c.list;
        }
        std::optional<CJJulian> first = ImportFirstDate(bytes, c.today);
        EXPECT_EQ(first ? IsoText(*first) : "", c.first) << c.list;
    }

    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    SaveFileAtomic(
        dir.Path("dated.txt"),
        WriteReadingListImport(ParseReadingList("2027-01-01: Gen 1\n2027-01-02: Gen 2\n2027-01-03: "
                                                "Gen 3\n2027-01-04: Gen 4\n2027-01-05: Gen 5\n"),
                               "Dated", "d"));
    const GalleryEntry today = DescribeTemplateFile(dir.Path("dated.txt"), GalleryOrigin::reader, Today());
    ASSERT_TRUE(today.firstDate);
    EXPECT_EQ(IsoText(*today.firstDate), "2027-01-01");
    EXPECT_EQ(PreviewLines(today)[0], "Mon 01/04/2027: Genesis 1:1 through Genesis 1:31");
    const GalleryEntry first =
        DescribeTemplateFile(dir.Path("dated.txt"), GalleryOrigin::reader, *today.firstDate);
    EXPECT_EQ(PreviewLines(first)[0], "Fri 01/01/2027: Genesis 1:1 through Genesis 1:31");
    EXPECT_EQ(first.readingDays, 5u);
    const GalleryEntry joined =
        DescribeTemplateFile(dir.Path("dated.txt"), GalleryOrigin::reader, *today.firstDate, true);
    EXPECT_EQ(PreviewLines(joined),
              (std::vector<std::string>{"Mon 01/04/2027: Genesis 4:1 through Genesis 4:26",
                                        "Tue 01/05/2027: Genesis 5:1 through Genesis 5:32"}));
    EXPECT_EQ(joined.readingDays, 2u);
    EXPECT_TRUE(joined.readable);
}
