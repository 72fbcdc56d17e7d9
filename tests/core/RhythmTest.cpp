// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanDocFixture.h"
#include "foundation/Clock.h"
#include "rhythm/Autostart.h"
#include "rhythm/PlanSnapshot.h"
#include "rhythm/Reminder.h"
#include "rhythm/TodayStatus.h"

#include <gtest/gtest.h>

namespace {

// Mon 7 … Wed 9 December 2026 on a Monday-to-Friday plan made on Saturday 5 December.
class Rhythm : public PlanDocFixture {
protected:
    CReadingPlanDoc& MakeWeekPlan() {
        SetTodayOverride(CJJulian::Day(2026, 12, 5));
        SaveFileAtomic(dir.Path("w.txt"),
                       "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2][Psalms 23]/[Jude 3]");
        CReadingPlanDoc& d = Open();
        EXPECT_TRUE(d.NewPlanFromFile(dir.Path("w.txt")));
        EXPECT_EQ(d.GetElementCount(), 3);
        return d;
    }
    static CJJulian At(int16_t day, int16_t hour, int16_t minute) {
        CJJulian t = CJJulian::Day(2026, 12, day);
        t.SetTime(hour, minute, 0, 0);
        return t;
    }
};

TEST_F(Rhythm, TodayStatusCountsReadingDaysOnly) {
    CReadingPlanDoc& d = MakeWeekPlan();
    struct Case {
        int16_t today;
        int finished; // assignments finished first
        std::string word, date, readings;
    } cases[] = {
        {5, 0, "due", "2026-12-07", "Genesis 1:1 through Genesis 1:31"}, // ahead of the plan
        {7, 0, "due", "2026-12-07", "Genesis 1:1 through Genesis 1:31"},
        {8, 0, "overdue 1", "2026-12-07", "Genesis 1:1 through Genesis 1:31"},
        // Mon 7 to Mon 14: the weekend does not count, five reading days do.
        {14, 0, "overdue 5", "2026-12-07", "Genesis 1:1 through Genesis 1:31"},
        {13, 1, "overdue 4", "2026-12-08",
         "Genesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms 23:6"},
        {9, 2, "due", "2026-12-09", "Jude 3"},
        {30, 3, "done", "", ""},
    };
    int done = 0;
    for (const Case& c : cases) {
        while (done < c.finished)
            d.FinishElement(static_cast<uint16_t>(done++));
        const TodayStatus s = ComputeTodayStatus(d, CJJulian::Day(2026, 12, c.today));
        EXPECT_EQ(StatusWord(s), c.word) << c.today;
        const bool dated = s.kind == TodayStatus::Kind::due || s.kind == TodayStatus::Kind::overdue;
        EXPECT_EQ(dated ? IsoDate(s.dueDate) : "", c.date) << c.today;
        EXPECT_EQ(s.readings, c.readings) << c.today;
    }

    // Counted by whole weeks and the days left over, so any date a file holds is answered at once.
    struct Span {
        CJJulian from, to;
        int days;
    } spans[] = {
        {CJJulian::Day(2026, 12, 7), CJJulian::Day(2026, 12, 7), 0},
        {CJJulian::Day(2026, 12, 14), CJJulian::Day(2026, 12, 7), 0},
        {CJJulian::Day(2026, 12, 5), CJJulian::Day(2026, 12, 7), 0},  // Saturday, Sunday
        {CJJulian::Day(2026, 12, 4), CJJulian::Day(2026, 12, 7), 1},  // Friday
        {CJJulian::Day(2026, 12, 6), CJJulian::Day(2026, 12, 12), 5}, // Sunday to Friday
        {CJJulian::Day(2026, 12, 7), CJJulian::Day(2027, 12, 7), 261},
    };
    for (const Span& s : spans)
        EXPECT_EQ(CountReadingDays(d, s.from, s.to), s.days) << s.from.GetDayNumber();
    // Five of every seven days back to the earliest day number there is.
    const int64_t span = int64_t(CJJulian::Day(2026, 12, 7).GetDayNumber()) - INT32_MIN;
    EXPECT_NEAR(CountReadingDays(d, CJJulian(INT32_MIN, 0), CJJulian::Day(2026, 12, 7)), span * 5 / 7, 5);

    // No plan at all.
    CReadingPlanDoc empty(ui, reader);
    EXPECT_EQ(StatusWord(ComputeTodayStatus(empty, CJJulian::Day(2026, 12, 7))), "none");
}

TEST_F(Rhythm, SnapshotReadsButNeverMovesOrWrites) {
    MakeWeekPlan();
    ASSERT_TRUE(doc->SaveDirtyFiles());
    doc.reset();
    const std::string good = ReadWholeFile(PlanPath());
    {
        CPlanSnapshot s(dir.Path(), "\\Bob", "Bob");
        EXPECT_EQ(s.GetState(), CPlanSnapshot::State::loaded);
        EXPECT_EQ(s.Doc().GetElementCount(), 3);
    }
    CPlanSnapshot missing(dir.Path(), "\\Nobody", "Nobody");
    EXPECT_EQ(missing.GetState(), CPlanSnapshot::State::missing);
    EXPECT_EQ(missing.Doc().GetElementCount(), 0);

    const std::vector<std::string> before = dir.List();
    SaveFileAtomic(PlanPath(), good.substr(0, good.size() / 2));
    {
        CPlanSnapshot s(dir.Path(), "\\Bob", "Bob");
        EXPECT_EQ(s.GetState(), CPlanSnapshot::State::damaged);
        EXPECT_FALSE(s.GetMessage().empty());
        EXPECT_EQ(s.Doc().GetElementCount(), 0);
    }
    // Still there, still damaged, nothing beside it.
    EXPECT_EQ(dir.List(), before);
    EXPECT_EQ(ReadWholeFile(PlanPath()), good.substr(0, good.size() / 2));
}

TEST_F(Rhythm, ReminderFiresOnceAtTheTimeOnReadingDays) {
    CReadingPlanDoc& d = MakeWeekPlan();
    const ReminderSettings on{true, 8 * 60 + 30};
    struct Case {
        const char* what;
        ReminderSettings settings;
        CJJulian now;
        std::optional<int32_t> lastShown;
        bool fires;
    } cases[] = {
        {"at the time on the first reading day", on, At(7, 8, 30), std::nullopt, true},
        {"later the same day, not yet shown", on, At(7, 17, 0), std::nullopt, true},
        {"a minute early", on, At(7, 8, 29), std::nullopt, false},
        {"shown already today", on, At(7, 9, 0), CJJulian::Day(2026, 12, 7).GetDayNumber(), false},
        {"shown yesterday", on, At(8, 8, 30), CJJulian::Day(2026, 12, 7).GetDayNumber(), true},
        {"switched off", {false, 8 * 60 + 30}, At(7, 9, 0), std::nullopt, false},
        {"Saturday is no reading day", on, At(12, 9, 0), std::nullopt, false},
        {"before the plan's first day", on, At(4, 9, 0), std::nullopt, false},
        {"behind the plan", on, At(9, 9, 0), std::nullopt, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReminderDue(c.settings, d, c.now, c.lastShown).has_value(), c.fires) << c.what;

    const auto today = ReminderDue(on, d, At(7, 8, 30), std::nullopt);
    ASSERT_TRUE(today);
    EXPECT_EQ(today->summary, "Scrivane: today's reading");
    EXPECT_EQ(today->body, "Genesis 1:1 through Genesis 1:31");
    const auto behind = ReminderDue(on, d, At(9, 9, 0), std::nullopt);
    ASSERT_TRUE(behind);
    EXPECT_EQ(behind->body, "Genesis 1:1 through Genesis 1:31\n(due Mon 12/07/2026, 2 reading days behind)");

    // Today's reading finished: nothing to remind of, though tomorrow's is there.
    d.FinishElement(0);
    EXPECT_FALSE(ReminderDue(on, d, At(7, 9, 0), std::nullopt));
    EXPECT_TRUE(ReminderDue(on, d, At(8, 9, 0), std::nullopt));
    EXPECT_EQ(
        TodayTooltip(d, CJJulian::Day(2026, 12, 7)),
        "Next reading (Tue 12/08/2026): Genesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms 23:6");
    d.FinishElement(1);
    d.FinishElement(2);
    EXPECT_FALSE(ReminderDue(on, d, At(9, 9, 0), std::nullopt));
    EXPECT_EQ(TodayTooltip(d, CJJulian::Day(2026, 12, 9)), "Scrivane: reading plan completed");
}

TEST(ReminderTime, ParsesAndFormatsHoursAndMinutes) {
    struct Case {
        const char* text;
        std::optional<int> minutes;
    } cases[] = {{"08:30", 510}, {"8:30", 510},  {"00:00", 0}, {"23:59", 1439},
                 {"24:00", {}},  {"12:60", {}},  {"12:5", {}}, {"", {}},
                 {"ab:cd", {}},  {"123:00", {}}, {":30", {}},  {"12:30 ", {}}};
    for (const Case& c : cases)
        EXPECT_EQ(ParseReminderTime(c.text), c.minutes) << c.text;
    EXPECT_EQ(FormatReminderTime(510), "08:30");
    EXPECT_EQ(FormatReminderTime(1439), "23:59");
    EXPECT_EQ(FormatReminderTime(1440), "");
    EXPECT_EQ(FormatReminderTime(-1), "");
}

} // namespace

namespace {

TEST(Autostart, EntryPathFollowsXdgConfigHomeAndTheEntryQuotesItsExec) {
    struct Case {
        const char* xdg;
        const char* home;
        std::string path;
    } cases[] = {
        {"/cfg", "/home/ann", "/cfg/autostart/scrivane.desktop"},
        {nullptr, "/home/ann", "/home/ann/.config/autostart/scrivane.desktop"},
        {"", "/home/ann", "/home/ann/.config/autostart/scrivane.desktop"},
        {"relative/cfg", "/home/ann",
         "/home/ann/.config/autostart/scrivane.desktop"}, // not absolute: ignored
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutostartPath(c.xdg, c.home), c.path) << (c.xdg ? c.xdg : "(unset)");

    const std::string entry = AutostartEntry("/opt/My Bible/scrivane", "/home/ann/.local/share/Scrivane");
    EXPECT_NE(
        entry.find(
            "\nExec=\"/opt/My Bible/scrivane\" --autostart --base \"/home/ann/.local/share/Scrivane\"\n"),
        std::string::npos)
        << entry;
    EXPECT_NE(entry.find("\nPath=/home/ann/.local/share/Scrivane\n"), std::string::npos);
    EXPECT_EQ(entry.rfind("[Desktop Entry]\nType=Application\n", 0), 0u);
    // Characters the Exec key gives a meaning to are escaped, then the backslashes once more for the value.
    EXPECT_NE(AutostartEntry("/a$b\"c\\d", "/x")
                  .find("Exec=\"/a\\\\$b\\\\\"c\\\\\\\\d\" --autostart --base \"/x\"\n"),
              std::string::npos)
        << AutostartEntry("/a$b\"c\\d", "/x");
    // A % is doubled, or "%f" in a directory's name would be taken for a field code.
    EXPECT_NE(AutostartEntry("/opt/100%f/scrivane", "/x/50%u")
                  .find("Exec=\"/opt/100%%f/scrivane\" --autostart --base \"/x/50%%u\"\n"),
              std::string::npos)
        << AutostartEntry("/opt/100%f/scrivane", "/x/50%u");

    TempDir dir;
    const std::string path = AutostartPath(dir.Path("cfg").c_str(), nullptr);
    EXPECT_FALSE(AutostartEnabled(path));
    SetAutostart(path, true, entry); // the autostart directory is made
    EXPECT_TRUE(AutostartEnabled(path));
    EXPECT_EQ(ReadWholeFile(path), entry);
    SetAutostart(path, false, entry);
    EXPECT_FALSE(AutostartEnabled(path));
    SetAutostart(path, false, entry); // already gone: no error
}

} // namespace
