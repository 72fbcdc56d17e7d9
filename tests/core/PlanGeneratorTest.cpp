// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/PlanGenerator.h"
#include "foundation/Clock.h"
#include "plan/PlanTemplate.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

constexpr std::array<int32_t, 7> kAllDays{1, 1, 1, 1, 1, 1, 1};
constexpr std::array<int32_t, 7> kWeekdays{0, 1, 1, 1, 1, 1, 0};

PlanSettings Settings(CJJulian start, int64_t days, std::array<int32_t, 7> weekdays, int32_t divideBy,
                      int32_t repeat = 0) {
    PlanSettings s;
    s.startDate = start;
    s.planLengthDays = days;
    s.readOnWeekday = weekdays;
    s.divideBy = divideBy;
    s.repeatBooks = repeat;
    return s;
}

SectionBooks Rows(std::initializer_list<std::vector<uint16_t>> rows) {
    SectionBooks r;
    size_t i = 1;
    for (const auto& row : rows)
        r[i++] = row;
    return r;
}

uint16_t BookOf(uint16_t index) {
    return TheBible().GetVerseAt(index).GetBook();
}
uint16_t FirstOfBook(uint16_t b) {
    return TheBible().GetVerseIndex(b, 1, TheBible().GetFirstVerse(b, 1));
}
uint16_t LastOfBook(uint16_t b) {
    CBible& bible = TheBible();
    uint16_t c = bible.GetChapterCount(b);
    return bible.GetVerseIndex(b, c, bible.GetLastVerse(b, c));
}

// The properties a reader relies on, checked over a whole plan: days in date
// order on reading weekdays, every verse of the sections handed out exactly
// once in canon order per section, each section ending on its last verse on
// the last day, ranges never crossing a book.
void CheckWholePlan(const std::vector<CPlanElement>& plan, const PlanSettings& s, const SectionBooks& rows) {
    ASSERT_EQ(plan.size(), CountReadingDays(s));
    std::map<uint16_t, size_t> sectionOfBook;
    for (size_t i = 1; i <= 6; ++i)
        for (uint16_t b : rows[i])
            sectionOfBook[b] = i;
    std::vector<int> seen(TheBible().GetTotalVerseCount(), 0);
    std::array<int32_t, 7> next{};
    for (size_t i = 1; i <= 6; ++i)
        next[i] = rows[i].empty() ? -1 : FirstOfBook(rows[i][0]);
    std::array<uint16_t, 7> lastEnd{};
    for (size_t d = 0; d < plan.size(); ++d) {
        const CPlanElement& e = plan[d];
        EXPECT_EQ(e.GetOriginalDate(), e.GetScheduledDate());
        EXPECT_EQ(e.GetOriginalDate().GetTimeOfDay(), s.startDate.GetTimeOfDay());
        EXPECT_NE(s.readOnWeekday[e.GetOriginalDate().GetWeekday() - 1], 0);
        if (d > 0) {
            EXPECT_LT(plan[d - 1].GetOriginalDate(), e.GetOriginalDate());
        }
        for (const VerseRange& r : e.Ranges()) {
            ASSERT_EQ(BookOf(r.start), BookOf(r.end)) << "day " << d;
            size_t sec = sectionOfBook[BookOf(r.start)];
            ASSERT_NE(sec, 0u);
            // Within a section the text follows on from where it stopped.
            EXPECT_EQ(r.start, next[sec]) << "day " << d << " section " << sec;
            for (uint32_t v = r.start; v <= r.end; ++v)
                ++seen[v];
            lastEnd[sec] = r.end;
            const auto& row = rows[sec];
            auto it = std::find(row.begin(), row.end(), BookOf(r.end));
            next[sec] =
                r.end == LastOfBook(*it) ? (it + 1 == row.end() ? -1 : FirstOfBook(*(it + 1))) : r.end + 1;
        }
    }
    for (size_t i = 1; i <= 6; ++i)
        if (!rows[i].empty()) {
            EXPECT_EQ(lastEnd[i], LastOfBook(rows[i].back())) << "section " << i;
        }
    for (size_t v = 0; v < seen.size(); ++v)
        EXPECT_EQ(seen[v], sectionOfBook.count(BookOf(static_cast<uint16_t>(v))) ? 1 : 0) << "verse " << v;
}

TEST(PlanGenerator, ReadingDayCounts) {
    struct Case {
        CJJulian start;
        int64_t days;
        std::array<int32_t, 7> weekdays;
        uint32_t expected;
    } cases[] = {
        {CJJulian::Day(2026, 12, 2), 14, kWeekdays, 10},  // a Wednesday: 5 + c(4…7) + c(1…3)
        {CJJulian::Day(2026, 12, 6), 3, kAllDays, 7},     // a Sunday: the first week counts whole
        {CJJulian::Day(2026, 12, 6), 365, kAllDays, 365}, // long plans count their days
        {CJJulian::Day(2026, 12, 7), 0, kWeekdays, 5},    // a Monday with no length: the rest of the week
        {CJJulian::Day(2026, 12, 5), -50, {0, 0, 0, 0, 0, 0, 1}, 1}, // never below one
        {CJJulian::Day(2026, 12, 6), 365, {}, 0},                    // no reading day: no plan at all
        {CJJulian::Day(2026, 12, 6), 2000000000, kAllDays, 65535},   // no more than a plan file can count
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountReadingDays(Settings(c.start, c.days, c.weekdays, 0)), c.expected)
            << c.start.GetDateText() << " " << c.days;
}

TEST(PlanGenerator, WholePlans) {
    struct Case {
        const char* name;
        PlanSettings settings;
        SectionBooks rows;
    };
    std::vector<uint16_t> all, ot, nt, wisdom;
    for (uint16_t b = 1; b <= 66; ++b)
        all.push_back(b);
    for (uint16_t b = 1; b <= 39; ++b)
        if (b < 18 || b > 22) ot.push_back(b);
    for (uint16_t b = 18; b <= 22; ++b)
        wisdom.push_back(b);
    for (uint16_t b = 40; b <= 66; ++b)
        nt.push_back(b);
    const CJJulian start = CJJulian::Day(2026, 12, 7);
    Case cases[] = {
        {"one year, chapters, all books", Settings(start, 365, kAllDays, 0), Rows({all})},
        {"verses, three sections, weekdays", Settings(start, 365, kWeekdays, 1), Rows({ot, wisdom, nt})},
        {"chapters, three sections, 90 days", Settings(start, 90, kWeekdays, 0), Rows({ot, wisdom, nt})},
        {"verses, sections with gaps, 5 years", Settings(start, 1825 + 330 + 2000, kAllDays, 1),
         Rows({{1, 2}, {}, {19}, {40, 41, 42, 43}, {65}, {66}})},
        {"verses, one short book over a long time", Settings(start, 400, kAllDays, 1), Rows({{57}})},
        {"chapters, one day", Settings(start, -10, {1, 0, 0, 0, 0, 0, 0}, 0), Rows({all})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CheckWholePlan(BuildPlan(c.settings, c.rows, nullptr), c.settings, c.rows);
    }
}

// Per section, how many verses each day hands out.
std::vector<uint32_t> DailyVerses(const std::vector<CPlanElement>& plan, uint16_t firstBook,
                                  uint16_t lastBook) {
    std::vector<uint32_t> out;
    for (const CPlanElement& e : plan) {
        uint32_t n = 0;
        for (const VerseRange& r : e.Ranges())
            if (BookOf(r.start) >= firstBook && BookOf(r.start) <= lastBook) n += r.end - r.start + 1u;
        out.push_back(n);
    }
    return out;
}

TEST(PlanGenerator, VerseModeEndsEachDayOnItsTarget) {
    const PlanSettings s = Settings(CJJulian::Day(2026, 12, 7), 100, kAllDays, 1);
    // Psalms counts its titles: the total is its verse positions.
    const SectionBooks rows = Rows({{19}, {57}});
    auto plan = BuildPlan(s, rows, nullptr);
    const uint32_t n = CountReadingDays(s);
    for (auto [book, section] : {std::pair{uint16_t(19), 1}, std::pair{uint16_t(57), 2}}) {
        const uint16_t total = TheBible().GetBookVerseCount(book);
        const double share = double(total) / n;
        auto daily = DailyVerses(plan, book, book);
        uint32_t sum = 0;
        int emptyDays = 0;
        for (uint32_t v = 1; v <= n; ++v) {
            sum += daily[v - 1];
            emptyDays += daily[v - 1] == 0;
            EXPECT_EQ(sum, v < n ? uint32_t(v * share) : total) << "section " << section << " day " << v;
        }
        // Philemon (25 verses over 100 days) has days without reading; Psalms has none.
        EXPECT_EQ(emptyDays > 0, book == 57);
    }
}

TEST(PlanGenerator, ChapterModeTakesWholeChaptersByTheHalfChapterRule) {
    const PlanSettings s = Settings(CJJulian::Day(2026, 12, 7), 30, kAllDays, 0);
    CBible& bible = TheBible();
    auto plan = BuildPlan(s, Rows({{1, 2}}), nullptr);
    const uint32_t n = CountReadingDays(s);
    const double share = double(bible.GetBookVerseCount(1) + bible.GetBookVerseCount(2)) / n;
    uint32_t readSoFar = 0;
    for (uint32_t v = 1; v <= n; ++v) {
        const CPlanElement& e = plan[v - 1];
        ASSERT_GE(e.GetRangeCount(), 1) << "every day reads at least one chapter";
        for (const VerseRange& r : e.Ranges()) {
            CVerse a = bible.GetVerseAt(r.start), b = bible.GetVerseAt(r.end);
            EXPECT_EQ(a.GetVerse(), a.GetFirstVerseNumber());
            EXPECT_EQ(b.GetVerse(), b.GetLastVerseNumber());
            readSoFar += r.end - r.start + 1u;
        }
        if (v == n) break;
        // The day stopped because the next chapter's first half did not fit.
        const auto target = static_cast<uint16_t>(v * share);
        CVerse next = bible.GetVerseAt(e.GetRangeEnd(e.GetRangeCount() - 1)).Advanced(1);
        const uint32_t lastTaken = bible.GetVerseAt(e.GetRangeEnd(e.GetRangeCount() - 1)).GetVerseSlotCount();
        EXPECT_GE(readSoFar + next.GetVerseSlotCount() / 2, target) << "day " << v;
        if (e.GetRangeCount() == 1 && e.GetRangeEnd(0) - e.GetRangeStart(0) + 1u == lastTaken) continue;
        EXPECT_LT(readSoFar - lastTaken + lastTaken / 2, target) << "day " << v << ": a chapter too many";
    }
}

TEST(PlanGenerator, CrossingABookGivesTwoRanges) {
    // Ruth (4 chapters) then 1 Samuel over a few days: some day ends Ruth and starts 1 Samuel.
    auto plan = BuildPlan(Settings(CJJulian::Day(2026, 12, 7), 7, kAllDays, 1), Rows({{8, 9}}), nullptr);
    bool crossed = false;
    for (const CPlanElement& e : plan)
        if (e.GetRangeCount() == 2) {
            crossed = true;
            EXPECT_EQ(e.GetRangeEnd(0), LastOfBook(8));
            EXPECT_EQ(e.GetRangeStart(1), FirstOfBook(9));
        }
    EXPECT_TRUE(crossed);
}

TEST(PlanGenerator, RepeatingSectionsStartAgain) {
    const CJJulian start = CJJulian::Day(2026, 12, 7);
    // Jude, one chapter, over 10 days in chapter mode: each day reads it once
    // when repeating, and only on the first day when not.
    for (int repeat : {0, 1}) {
        auto plan = BuildPlan(Settings(start, 10, kAllDays, 0, repeat), Rows({{65}}), nullptr);
        ASSERT_EQ(plan.size(), 10u);
        for (size_t d = 0; d < plan.size(); ++d) {
            const bool expectJude = repeat == 1 || d == 0;
            ASSERT_EQ(plan[d].GetRangeCount(), expectJude ? 1 : 0) << "repeat " << repeat << " day " << d;
            if (expectJude) {
                EXPECT_EQ(plan[d].GetRangeStart(0), FirstOfBook(65));
            }
        }
    }
    // Two short books beside a long one: the short section starts over from its first book.
    auto plan = BuildPlan(Settings(start, 40, kAllDays, 0, 1), Rows({{1}, {63, 64}}), nullptr);
    int rounds = 0;
    for (const CPlanElement& e : plan)
        for (const VerseRange& r : e.Ranges())
            rounds += r.start == FirstOfBook(63);
    EXPECT_GT(rounds, 10);
    EXPECT_EQ(plan.back().GetRangeEnd(0), LastOfBook(1));
}

TEST(PlanGenerator, SectionTableFromTemplateNumbers) {
    std::vector<int32_t> sections(66, 0);
    sections[0] = 1;
    sections[1] = 7; // no row: not in the plan
    sections[2] = -3;
    sections[3] = 6;
    sections[4] = 1;
    SectionBooks rows = SectionBooksFrom(sections);
    EXPECT_EQ(rows[1], (std::vector<uint16_t>{1, 5}));
    EXPECT_EQ(rows[6], (std::vector<uint16_t>{4}));
    for (size_t i : {0, 2, 3, 4, 5})
        EXPECT_TRUE(rows[i].empty());
}

// Six hundred plans from settings drawn at random: lengths from a day to past
// the largest plan, every weekday mask, chapters and verses, with and without
// repetition, sections of one book to the whole Bible. The digest is of the
// plans the generator made when it still looked up every verse in the canon;
// walking a table of chapters instead must give each plan the same bytes.
TEST(PlanGenerator, RandomSettingsGiveTheSamePlansAsBefore) {
    std::mt19937_64 rng(2026);
    auto mix = [](uint64_t h, uint64_t v) { return (h ^ v) * 1099511628211ull; };
    const size_t books = TheBible().GetBookCount();
    uint64_t all = 1469598103934665603ull;
    for (int k = 0; k < 600; ++k) {
        PlanSettings s;
        s.repeatBooks = static_cast<int32_t>(rng() % 2);
        s.divideBy = static_cast<int32_t>(rng() % 2);
        const uint64_t lengthKind = rng() % 6;
        s.planLengthDays = static_cast<int64_t>(lengthKind == 0   ? 1 + rng() % 10
                                                : lengthKind == 1 ? 1 + rng() % 400
                                                : lengthKind == 2 ? 1 + rng() % 5000
                                                : lengthKind == 3 ? 20000 + rng() % 50000
                                                : lengthKind == 4 ? 365
                                                                  : 1 + rng() % 40000);
        unsigned mask = 0;
        while (mask == 0)
            mask = static_cast<unsigned>(rng() % 128);
        if (rng() % 20 == 0) mask = 0;
        for (size_t d = 0; d < 7; ++d)
            s.readOnWeekday[d] = (mask >> d) & 1;
        // One draw after another: the order of a call's arguments is the compiler's choice.
        const auto day = static_cast<int16_t>(1 + rng() % 28);
        const auto month = static_cast<int16_t>(1 + rng() % 12);
        const auto year = static_cast<int16_t>(2000 + rng() % 30);
        s.startDate = CJJulian::Day(year, month, day);
        std::vector<int32_t> bookSection(books);
        const uint64_t pattern = rng() % 5;
        const uint64_t sections = 1 + rng() % 6;
        for (size_t b = 0; b < books; ++b) {
            uint64_t n = 0;
            if (pattern == 0)
                n = 1;
            else if (pattern == 1)
                n = b * sections / books + 1;
            else if (pattern == 2)
                n = rng() % 8;
            else if (pattern == 3)
                n = rng() % 10 == 0 ? 1 + rng() % sections : 0;
            else
                n = (b == 18 || b == 42) ? 1 + b % 2 : (rng() % 3 == 0 ? 3 : 0);
            bookSection[b] = static_cast<int32_t>(n);
        }
        const std::vector<CPlanElement> plan = BuildPlan(s, SectionBooksFrom(bookSection), nullptr);
        uint64_t h = mix(1469598103934665603ull, plan.size());
        for (const CPlanElement& e : plan) {
            h = mix(h, static_cast<uint64_t>(e.GetOriginalDate().GetDayNumber()));
            h = mix(h, static_cast<uint64_t>(e.GetScheduledDate().GetDayNumber()));
            h = mix(h, e.GetRangeCount());
            for (const VerseRange& r : e.Ranges())
                h = mix(mix(h, r.start), r.end);
        }
        all = mix(all, h);
    }
    EXPECT_EQ(all, 0x0b9c9fd0550b7eedull);
}

} // namespace
