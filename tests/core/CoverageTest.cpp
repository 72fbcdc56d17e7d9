// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage/Coverage.h"
#include "PlanDocFixture.h"
#include "coverage/CoverageSource.h"
#include "coverage/GapsPlan.h"
#include "coverage/PlanSchedule.h"
#include "coverage/UnreadPlan.h"
#include "plan/TemplateText.h"
#include "scripture/Verse.h"

#include <map>
#include <set>

namespace {

std::string HistoryBytes(const std::vector<uint16_t>& counts) {
    CArchive ar;
    ar.WriteDWord(1);
    ar.WriteDWord(0);
    ar.WriteWord(static_cast<uint16_t>(counts.size()));
    for (uint16_t c : counts)
        ar.WriteWord(c);
    ar.WriteWord(0);
    return ar.Bytes();
}

uint16_t Index(uint16_t b, uint16_t c, uint16_t v) {
    return TheBible().GetVerseIndex(b, c, v);
}

// Verses first … last of one chapter.
void Set(std::vector<uint16_t>& counts, uint16_t b, uint16_t c, uint16_t first, uint16_t last, uint16_t n) {
    for (uint32_t i = Index(b, c, first); i <= Index(b, c, last); ++i)
        if (i < counts.size()) counts[i] = n;
}

class CoverageTest : public PlanDocFixture {
protected:
    const uint16_t total = TheBible().GetTotalVerseCount();

    // Plan and history files with the given counts and per-verse plan flags.
    void WriteFiles(const std::vector<uint16_t>& counts, const std::string& inPlan = {},
                    const std::string& readInPlan = {}) {
        CArchive plan = EmptyPlanFields();
        for (const std::string* flags : {&inPlan, &readInPlan}) {
            std::string f = flags->empty() ? std::string(total, '\0') : *flags;
            plan.WriteWord(static_cast<uint16_t>(f.size()));
            plan.Write(f.data(), f.size());
        }
        plan.WriteWord(0);
        SaveFileAtomic(PlanPath(), plan.Bytes());
        SaveFileAtomic(HistoryPath(), HistoryBytes(counts));
    }
};

TEST_F(CoverageTest, ChapterStatisticsFromTheHistoryFile) {
    std::vector<uint16_t> counts(total, 0);
    Set(counts, 1, 1, 1, 10, 1);  // Genesis 1: a third read
    Set(counts, 19, 3, 0, 0, 1);  // Psalm 3: its title only
    Set(counts, 19, 4, 1, 8, 2);  // Psalm 4: every verse but the title, twice
    Set(counts, 19, 23, 0, 6, 1); // Psalm 23: title and verses
    Set(counts, 43, 3, 1, 36, 5); // John 3: five times, one verse seven
    Set(counts, 43, 3, 16, 16, 7);
    Set(counts, 66, 22, 1, 21, 2); // Revelation 22: twice, the canon's last chapter
    std::string inPlan(total, '\0'), readInPlan(total, '\0');
    // Genesis 2 in the plan and read there: the plan's first reading counts once more.
    for (uint32_t v = Index(1, 2, 1); v <= Index(1, 2, 25); ++v)
        inPlan[v] = readInPlan[v] = 1;
    Set(counts, 1, 2, 1, 25, 1);
    // Genesis 3 in the plan, half read there only.
    for (uint32_t v = Index(1, 3, 1); v <= Index(1, 3, 24); ++v)
        inPlan[v] = 1;
    for (uint32_t v = Index(1, 3, 1); v <= Index(1, 3, 12); ++v)
        readInPlan[v] = 1;
    WriteFiles(counts, inPlan, readInPlan);

    const CCoverage cov = CCoverage::FromDocument(Open());
    ASSERT_EQ(cov.Chapters().size(), 1189u);
    struct Case {
        uint16_t book, chapter, verses, read;
        uint32_t min, max;
        CoverageLevel level;
        PlanMark mark;
    } cases[] = {
        {1, 1, 31, 10, 0, 1, CoverageLevel::part, PlanMark::notInPlan},
        {1, 2, 25, 25, 2, 2, CoverageLevel::twice, PlanMark::readInPlan},
        {1, 3, 24, 12, 0, 1, CoverageLevel::part, PlanMark::toRead},
        {1, 4, 26, 0, 0, 0, CoverageLevel::none, PlanMark::notInPlan},
        {19, 1, 6, 0, 0, 0, CoverageLevel::none, PlanMark::notInPlan}, // no title
        {19, 3, 9, 1, 0, 1, CoverageLevel::part, PlanMark::notInPlan},
        {19, 4, 9, 8, 0, 2, CoverageLevel::part, PlanMark::notInPlan},
        {19, 23, 7, 7, 1, 1, CoverageLevel::once, PlanMark::notInPlan},
        {43, 3, 36, 36, 5, 7, CoverageLevel::threePlus, PlanMark::notInPlan},
        {66, 22, 21, 21, 2, 2, CoverageLevel::twice, PlanMark::notInPlan},
    };
    for (const Case& c : cases) {
        const ChapterCoverage* got = cov.Find(c.book, c.chapter);
        ASSERT_NE(got, nullptr) << c.book << " " << c.chapter;
        EXPECT_EQ(got->verses, c.verses) << c.book << " " << c.chapter;
        EXPECT_EQ(got->read, c.read) << c.book << " " << c.chapter;
        EXPECT_EQ(got->minCount, c.min) << c.book << " " << c.chapter;
        EXPECT_EQ(got->maxCount, c.max) << c.book << " " << c.chapter;
        EXPECT_EQ(LevelOf(*got), c.level) << c.book << " " << c.chapter;
        EXPECT_EQ(PlanMarkOf(*got), c.mark) << c.book << " " << c.chapter;
    }
    EXPECT_EQ(cov.Find(1, 51), nullptr);
    EXPECT_EQ(cov.Find(67, 1), nullptr);
    EXPECT_EQ(cov.Find(19, 0), nullptr);
    EXPECT_EQ(CoverageLine(*cov.Find(43, 3)), "John\t3\t36\t36\t5\t7");
    EXPECT_EQ(CoverageLine(*cov.Find(19, 3)), "Psalms\t3\t9\t1\t0\t1");
    EXPECT_EQ(CoverageDescription(*cov.Find(1, 3)),
              "Genesis 3\n12 of 24 verses read\nLifetime count 0\nIn the current plan: 12 of 24 verses read");

    // Book and testament totals add up to the canon.
    EXPECT_EQ(cov.BookTotals(19).verses, 2577u);
    EXPECT_EQ(cov.BookTotals(19).read, 1u + 8 + 7);
    EXPECT_EQ(cov.BookTotals(19).chaptersRead, 1u);
    const CoverageTotals ot = cov.TestamentTotals(0), nt = cov.TestamentTotals(1), all = cov.WholeTotals();
    EXPECT_EQ(ot.verses, 23261u);
    EXPECT_EQ(ot.verses + nt.verses, 31218u);
    EXPECT_EQ(ot.chapters, 929u);
    EXPECT_EQ(nt.chapters, 260u);
    EXPECT_EQ(ot.read + nt.read, all.read);
    EXPECT_EQ(all.read, 10u + 25 + 12 + 1 + 8 + 7 + 36 + 21);
    EXPECT_EQ(all.chaptersRead, 4u); // Genesis 2, Psalm 23, John 3, Revelation 22
    EXPECT_EQ(cov.UnreadChapters().size(), 1189u - 8);

    // Reset Lifetime Readings: only the plan's readings are left.
    ui.messageBoxAnswers = {IDOK};
    doc->OnResetLifetimeReadings();
    const CCoverage reset = CCoverage::FromDocument(*doc);
    EXPECT_EQ(reset.Find(43, 3)->read, 0u);
    EXPECT_EQ(reset.Find(1, 2)->minCount, 1u);
    EXPECT_EQ(LevelOf(*reset.Find(1, 2)), CoverageLevel::once);
    EXPECT_EQ(reset.Find(1, 3)->read, 12u);
    EXPECT_EQ(reset.WholeTotals().read, 25u + 12);
}

TEST_F(CoverageTest, CountArraysOfTheWrongLength) {
    struct Case {
        const char* name;
        size_t length;
        uint16_t fill;
        uint32_t wholeRead;
        uint16_t genesis2Known;
    } cases[] = {
        {"none", 0, 0, 0, 0},
        // 40 entries: Genesis 1 (31) and nine verses of Genesis 2.
        {"short", 40, 3, 40, 9},
        // Longer than the canon: the entries past it are not looked at.
        {"long", 31218 + 50, 1, 31218, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint16_t> counts(c.length, c.fill);
        CArchive plan = EmptyPlanFields();
        plan.WriteWord(10); // flag arrays shorter than the canon as well
        plan.Write(std::string(10, '\1').data(), 10);
        plan.WriteWord(10);
        plan.Write(std::string(10, '\1').data(), 10);
        plan.WriteWord(0);
        SaveFileAtomic(PlanPath(), plan.Bytes());
        SaveFileAtomic(HistoryPath(), HistoryBytes(counts));
        const CCoverage cov = CCoverage::FromDocument(Open());
        ASSERT_EQ(cov.Chapters().size(), 1189u);
        EXPECT_EQ(cov.WholeTotals().read, std::max<uint32_t>(c.wholeRead, 10));
        EXPECT_EQ(cov.Find(1, 2)->known, c.genesis2Known);
        EXPECT_EQ(cov.Find(1, 1)->minCount, c.length ? c.fill : 0u);
        EXPECT_EQ(cov.Find(1, 1)->maxCount, c.length ? c.fill + 1u : 1u);
        EXPECT_EQ(cov.Find(66, 22)->known, c.length > 31218 ? 21 : 0);
        EXPECT_EQ(cov.Find(1, 1)->inPlan, 10u);
        doc.reset();
    }
    // Nothing but arrays: the statistics never read past any of them.
    const std::vector<uint16_t> life(5, 4);
    const std::vector<uint8_t> flags(3, 1);
    const CCoverage bare = CCoverage::Compute(life, flags, flags);
    EXPECT_EQ(bare.Find(1, 1)->read, 5u);
    EXPECT_EQ(bare.Find(1, 1)->maxCount, 5u);
    EXPECT_EQ(bare.Find(1, 1)->inPlan, 3u);
}

TEST_F(CoverageTest, ReadingForTheMapWritesNothing) {
    // No files: an empty map, and still no files.
    {
        CReaderContext none;
        CReadingPlanDoc look(ui, none);
        ASSERT_TRUE(look.OnNewDocument());
        const CoverageLoad load = LoadForReading(look, dir.Path(), "\\Bob");
        EXPECT_FALSE(load.planFound);
        EXPECT_FALSE(load.historyFound);
        EXPECT_EQ(load.error, "");
        EXPECT_EQ(CCoverage::FromDocument(look).WholeTotals().read, 0u);
        look.OnCloseDocument();
        EXPECT_TRUE(dir.List().empty());
    }
    // A damaged history file is reported and left where it is.
    std::vector<uint16_t> counts(total, 1);
    WriteFiles(counts);
    std::string damaged = HistoryBytes(counts).substr(0, 500);
    SaveFileAtomic(HistoryPath(), damaged);
    CReaderContext none;
    CReadingPlanDoc look(ui, none);
    ASSERT_TRUE(look.OnNewDocument());
    const CoverageLoad load = LoadForReading(look, dir.Path(), "\\Bob");
    EXPECT_TRUE(load.historyFound);
    EXPECT_NE(load.error, "");
    look.OnCloseDocument();
    EXPECT_EQ(ReadWholeFile(HistoryPath()), damaged);
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"Bob.vnpln", "Bob.vnpro"}));
}

// A week-day plan of ten assignments from Monday 2026-12-07: the 7th to the
// 11th and the 14th to the 18th.
class ScheduleTest : public CoverageTest {
protected:
    CReadingPlanDoc& MakePlan() {
        SetTodayOverride(CJJulian::Day(2026, 12, 7));
        SaveFileAtomic(dir.Path("ten.txt"),
                       "<WEEKD = 1>/[Genesis 1]/[Genesis 2]/[Genesis 3]/[Genesis 4]/[Genesis 5]/"
                       "[Genesis 6]/[Genesis 7]/[Genesis 8]/[Genesis 9]/[Genesis 10]/");
        CReadingPlanDoc& d = Open();
        EXPECT_TRUE(d.NewPlanFromFile(dir.Path("ten.txt")));
        EXPECT_EQ(d.GetElementCount(), 10u);
        return d;
    }
};

TEST_F(ScheduleTest, DayOfThePlanAndHowFarBehind) {
    struct Case {
        const char* name;
        CJJulian today;
        int finished; // the first n assignments
        bool synchronize;
        std::string day, status;
    } cases[] = {
        {"before the start", CJJulian::Day(2026, 12, 1), 0, false, "No reading today; day 1 of 10 next",
         "on schedule"},
        {"before the start, read ahead", CJJulian::Day(2026, 12, 1), 2, false,
         "No reading today; day 1 of 10 next", "2 ahead"},
        {"first day, not yet read", CJJulian::Day(2026, 12, 7), 0, false, "Day 1 of 10", "on schedule"},
        {"first day, read", CJJulian::Day(2026, 12, 7), 1, false, "Day 1 of 10", "on schedule"},
        {"reading day, three behind", CJJulian::Day(2026, 12, 10), 0, false, "Day 4 of 10", "3 behind"},
        {"reading day, one ahead", CJJulian::Day(2026, 12, 10), 5, false, "Day 4 of 10", "1 ahead"},
        {"Saturday, all read", CJJulian::Day(2026, 12, 12), 5, false, "No reading today; day 6 of 10 next",
         "on schedule"},
        {"Sunday, two behind", CJJulian::Day(2026, 12, 13), 3, false, "No reading today; day 6 of 10 next",
         "2 behind"},
        {"after the end", CJJulian::Day(2027, 1, 4), 4, false, "Day 10 of 10", "6 behind"},
        {"after the end, finished", CJJulian::Day(2027, 1, 4), 10, false, "Day 10 of 10", "on schedule"},
        {"synchronized on a Thursday", CJJulian::Day(2026, 12, 10), 1, true, "Day 2 of 10", "on schedule"},
        {"synchronized on a Sunday", CJJulian::Day(2026, 12, 13), 3, true,
         "No reading today; day 4 of 10 next", "on schedule"},
        {"synchronized after the end", CJJulian::Day(2027, 1, 4), 4, true, "Day 5 of 10", "on schedule"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CReadingPlanDoc& d = MakePlan();
        for (int i = 0; i < c.finished; ++i)
            d.FinishElement(static_cast<uint16_t>(i));
        SetTodayOverride(c.today);
        if (c.synchronize) d.SynchronizeDates();
        const PlanSchedule s = ComputeSchedule(d, c.today);
        EXPECT_EQ(s.DayText(), c.day);
        EXPECT_EQ(s.StatusText(), c.status);
        EXPECT_EQ(s.finished, static_cast<uint32_t>(c.finished));
        doc.reset();
        std::filesystem::remove(PlanPath());
        std::filesystem::remove(HistoryPath());
    }
    // No plan: nothing due.
    const PlanSchedule none = ComputeSchedule(Open(), CJJulian::Day(2026, 12, 7));
    EXPECT_FALSE(none.HasPlan());
    EXPECT_EQ(none.DayText(), "Day 0 of 0");
    EXPECT_EQ(none.StatusText(), "on schedule");
}

TEST_F(CoverageTest, GapsPlanReadsEveryUnreadChapterOnce) {
    SetTodayOverride(CJJulian::Day(2026, 12, 7)); // a Monday
    std::vector<uint16_t> counts(total, 0);
    // Read: Genesis whole, Psalm 3's title alone, a verse of Jude, John 1-20.
    Set(counts, 1, 1, 1, 31, 1);
    for (uint16_t c = 2; c <= 50; ++c)
        Set(counts, 1, c, 1, TheBible().GetLastVerse(1, c), 2);
    Set(counts, 19, 3, 0, 0, 1);
    Set(counts, 65, 1, 4, 4, 1);
    for (uint16_t c = 1; c <= 20; ++c)
        Set(counts, 43, c, 1, TheBible().GetLastVerse(43, c), 1);
    // A plan with Exodus 1 read in it only.
    std::string inPlan(total, '\0'), readInPlan(total, '\0');
    for (uint32_t v = Index(2, 1, 1); v <= Index(2, 2, 25); ++v)
        inPlan[v] = 1;
    for (uint32_t v = Index(2, 1, 1); v <= Index(2, 1, 22); ++v)
        readInPlan[v] = 1;
    WriteFiles(counts, inPlan, readInPlan);
    CReadingPlanDoc& d = Open();
    const CCoverage before = CCoverage::FromDocument(d);
    const auto unread = before.UnreadChapters();
    ASSERT_EQ(unread.size(), 1189u - 50 - 1 - 1 - 1 - 20);

    struct Case {
        uint32_t days;
        std::array<int32_t, 7> weekdays;
        size_t readingDays;
    } cases[] = {
        {365, {1, 1, 1, 1, 1, 1, 1}, 365},
        {14, {0, 1, 1, 1, 1, 1, 0}, 10},
        {10000, {0, 0, 0, 0, 0, 0, 1}, unread.size()}, // more days than chapters: one a day
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.days);
        GapsPlanRequest request;
        request.days = c.days;
        request.readOnWeekday = c.weekdays;
        request.startDate = Today();
        ui.messageBoxAnswers = {IDYES}; // the plan is not finished: New Plan asks
        const std::string path = UnreadPlanPath(reader.baseDirectory, reader.fileStem);
        ASSERT_TRUE(NewPlanFromUnreadChapters(d, request, path));
        EXPECT_EQ(path, dir.Path("Unread Chapters.txt"));
        EXPECT_EQ(ReadWholeFile(path), MakeGapsPlanText(before, request));
        ASSERT_EQ(d.GetElementCount(), c.readingDays);

        // Every unread position is in the plan exactly once, and nothing else.
        std::vector<int> seen(total, 0);
        std::map<size_t, size_t> chaptersPerDay;
        CJJulian last;
        for (uint16_t i = 0; i < d.GetElementCount(); ++i) {
            const CPlanElement& e = d.Elements()[i];
            EXPECT_TRUE(c.weekdays[static_cast<size_t>(e.GetScheduledDate().GetWeekday() - 1)]);
            EXPECT_LT(last, e.GetScheduledDate());
            last = e.GetScheduledDate();
            std::set<std::pair<uint16_t, uint16_t>> chapters;
            for (const VerseRange& r : e.Ranges())
                for (uint32_t v = r.start; v <= r.end; ++v) {
                    ++seen[v];
                    const CVerse ref = TheBible().GetVerseAt(static_cast<uint16_t>(v));
                    chapters.insert({ref.GetBook(), ref.GetChapter()});
                }
            ++chaptersPerDay[chapters.size()];
        }
        std::vector<int> expected(total, 0);
        for (const ChapterCoverage* ch : unread)
            for (uint32_t v = ch->firstIndex; v < uint32_t(ch->firstIndex) + ch->verses; ++v)
                expected[v] = 1;
        EXPECT_EQ(seen, expected);
        // Evenly: the days' chapter counts differ by one at most.
        ASSERT_FALSE(chaptersPerDay.empty());
        EXPECT_LE(chaptersPerDay.rbegin()->first - chaptersPerDay.begin()->first, 1u);
        EXPECT_EQ(d.GetTemplateTitle(), kGapsPlanTitle);
    }

    // Nothing unread: said so, and the plan stays.
    std::vector<uint16_t> all(total, 1);
    WriteFiles(all);
    CReadingPlanDoc& full = Open();
    ui.messageBoxes.clear();
    GapsPlanRequest request;
    EXPECT_FALSE(NewPlanFromUnreadChapters(full, request, dir.Path("x.txt")));
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text, kNothingUnread);
    EXPECT_FALSE(FileExists(dir.Path("x.txt")));
    // No reading day: said so as well.
    full.AddLifetimeReading(0, 0);
    std::vector<uint16_t> some(total, 1);
    Set(some, 1, 1, 1, 31, 0);
    WriteFiles(some);
    CReadingPlanDoc& gap = Open();
    request.readOnWeekday.fill(0);
    EXPECT_FALSE(NewPlanFromUnreadChapters(gap, request, dir.Path("x.txt")));
    EXPECT_EQ(ui.messageBoxes.back().text, kNoGapsReadingDay);
    EXPECT_FALSE(FileExists(dir.Path("x.txt")));
}

TEST(GapsPlanText, ReadingsParseBackToTheirChapters) {
    // Every chapter of the canon, one a day: each reading must come back as
    // exactly its chapter, psalm titles and one-chapter books included.
    const std::vector<uint16_t> none;
    const std::vector<uint8_t> noFlags;
    const CCoverage cov = CCoverage::Compute(none, noFlags, noFlags);
    GapsPlanRequest request;
    request.days = 2000;
    request.startDate = CJJulian::Day(2026, 12, 7);
    const TextImport import = ParseTextImport(MakeGapsPlanText(cov, request));
    EXPECT_FALSE(import.hasSectionTable);
    EXPECT_EQ(import.fields.templateTitle, kGapsPlanTitle);
    EXPECT_EQ(import.fields.PlanLengthDays(), 2000);
    ASSERT_EQ(import.assignments.size(), 1189u);
    for (size_t i = 0; i < 1189; ++i) {
        const ChapterCoverage& c = cov.Chapters()[i];
        ASSERT_EQ(import.assignments[i].GetRangeCount(), 1u) << i;
        EXPECT_EQ(import.assignments[i].GetRangeStart(0), c.firstIndex) << c.book << " " << c.chapter;
        EXPECT_EQ(import.assignments[i].GetRangeEnd(0), c.firstIndex + c.verses - 1)
            << c.book << " " << c.chapter;
    }
    // Neighbouring chapters of a book are one reading.
    request.days = 66;
    const TextImport byBook = ParseTextImport(MakeGapsPlanText(cov, request));
    ASSERT_EQ(byBook.assignments.size(), 66u);
    EXPECT_EQ(byBook.assignments[0].GetRangeCount(), 1u);
    EXPECT_EQ(SpreadChapters({}, 10).size(), 0u);

    struct W {
        std::string text;
        bool ok;
        std::array<int32_t, 7> days;
    } weekdays[] = {{"0111110", true, {0, 1, 1, 1, 1, 1, 0}},
                    {"1000001", true, {1, 0, 0, 0, 0, 0, 1}},
                    {"011111", false, {}},
                    {"01111102", false, {}},
                    {"0111x10", false, {}}};
    for (const W& w : weekdays) {
        std::array<int32_t, 7> got{9, 9, 9, 9, 9, 9, 9};
        EXPECT_EQ(ParseWeekdays(w.text, got), w.ok) << w.text;
        if (w.ok) {
            EXPECT_EQ(got, w.days) << w.text;
        }
    }
}

TEST_F(CoverageTest, EnterReadingOfAChapter) {
    CReadingPlanDoc& d = Open();
    const uint16_t a = Index(43, 3, 1), b = Index(43, 3, 36);
    ui.extraReadingAnswers = {ExtraReading{a, b, 0}};
    d.OnEnterReadingOf(a, b);
    ASSERT_EQ(ui.extraReadingRangesOffered.size(), 1u);
    EXPECT_EQ(ui.extraReadingRangesOffered[0], std::make_pair(a, b));
    EXPECT_EQ(CCoverage::FromDocument(d).Find(43, 3)->read, 36u);
    // Cancel changes nothing.
    d.OnEnterReadingOf(a, b);
    EXPECT_EQ(CCoverage::FromDocument(d).Find(43, 3)->minCount, 1u);
}

} // namespace
