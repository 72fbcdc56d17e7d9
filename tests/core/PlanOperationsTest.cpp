// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanDocFixture.h"
#include "framework/CommandIds.h"
#include "plan/PlanTemplate.h"
#include "plan/TemplateFile.h"
#include "scripture/Verse.h"

namespace {

class PlanOperations : public PlanDocFixture {
protected:
    // A fresh environment holding a plan of the given books over the given days from today.
    CReadingPlanDoc& WithPlan(std::vector<int32_t> sections, int32_t days,
                              std::array<int32_t, 7> weekdays = {1, 1, 1, 1, 1, 1, 1}, int32_t divide = 1) {
        SetTodayOverride(today);
        CReadingPlanDoc& d = Open();
        std::string path = dir.Path("t.vntpl");
        SaveFileAtomic(path, TemplateBytes(0, divide, 0, 0, days, weekdays, sections));
        EXPECT_TRUE(d.NewPlanFromFile(path));
        return d;
    }
    static std::vector<int32_t> Only(uint16_t book) {
        std::vector<int32_t> s(66, 0);
        s[book - 1u] = 1;
        return s;
    }
    CJJulian today = CJJulian::Day(2026, 12, 5); // a Saturday
};

TEST_F(PlanOperations, MarkingVersesReadInAndOutsideThePlan) {
    CReadingPlanDoc& d = WithPlan(Only(65), 5); // Jude
    const uint16_t jude = TheBible().GetVerseIndex(65, 1, 1);
    d.SetPlanDirty(false);
    d.SetHistoryDirty(false);

    d.MarkVerseRead(jude); // first reading: the plan's
    EXPECT_TRUE(d.IsVerseReadInPlan(jude));
    EXPECT_EQ(d.GetLifetimeCount(jude), 0);
    EXPECT_TRUE(d.GetPlanDirty());
    EXPECT_FALSE(d.GetHistoryDirty());
    d.MarkVerseRead(jude); // second: the lifetime's
    EXPECT_EQ(d.GetLifetimeCount(jude), 1);
    EXPECT_TRUE(d.GetHistoryDirty());
    d.MarkVerseRead(0); // not in the plan
    EXPECT_FALSE(d.IsVerseReadInPlan(0));
    EXPECT_EQ(d.GetLifetimeCount(0), 1);
    d.MarkRangeRead(60000, 65535); // beyond every array: nothing, and no endless loop at the top
    d.MarkRangeInPlan(65535, 65530);
    EXPECT_EQ(d.CountPlanVerses(), 25u);
    EXPECT_EQ(d.CountPlanVersesRead(), 1u);

    d.MarkRangeRead(jude + 24, jude); // reversed range reads the whole chapter
    EXPECT_TRUE(d.IsRangeRead(jude, jude + 24));
    EXPECT_TRUE(d.IsRangeRead(5, 4)); // an empty range counts as read
    EXPECT_EQ(d.GetLifetimeCount(jude), 2);
    for (uint16_t i = 0; i < d.GetElementCount(); ++i)
        EXPECT_TRUE(d.IsElementFinished(i));
    EXPECT_FALSE(d.IsElementFinished(d.GetElementCount()));
    EXPECT_EQ(d.GetElement(900).GetRangeCount(), 0);
}

TEST_F(PlanOperations, ReadingBeyondTheReadFlagsCountsForTheLifetime) {
    CArchive plan = EmptyPlanFields();
    plan.WriteWord(10);
    plan.Write(std::string(10, '\1').data(), 10);
    plan.WriteWord(5);
    plan.Write(std::string(5, '\0').data(), 5);
    plan.WriteWord(0);
    SaveFileAtomic(PlanPath(), plan.Bytes());
    CReadingPlanDoc& d = Open();
    d.MarkVerseRead(7);
    EXPECT_EQ(d.GetLifetimeCount(7), 1);
    d.MarkVerseRead(3);
    EXPECT_EQ(d.GetLifetimeCount(3), 0);
    EXPECT_EQ(d.CountPlanVersesRead(), 1u);
}

TEST_F(PlanOperations, ResetPlanFoldsReadingsIntoTheLifetime) {
    CReadingPlanDoc& d = WithPlan(Only(1), 30);
    const auto before = d.Elements();
    d.MarkRangeRead(0, 99);
    d.MarkVerseRead(5);
    ASSERT_EQ(d.CountPlanVersesRead(), 100u);

    ui.messageBoxAnswers = {IDCANCEL};
    EXPECT_TRUE(RouteCommand({&d}, Cmd::ResetPlan));
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text, kResetPlanQuestion);
    EXPECT_EQ(ui.messageBoxes[0].buttons, MbButtons::okCancel);
    EXPECT_EQ(ui.messageBoxes[0].icon, MbIcon::question);
    EXPECT_EQ(ui.messageBoxes[0].defaultButton, 1);
    EXPECT_EQ(d.CountPlanVersesRead(), 100u);

    ui.messageBoxAnswers = {IDOK};
    RouteCommand({&d}, Cmd::ResetPlan);
    EXPECT_EQ(d.CountPlanVersesRead(), 0u);
    EXPECT_EQ(d.GetLifetimeCount(5), 2);
    EXPECT_EQ(d.GetLifetimeCount(99), 1);
    EXPECT_EQ(d.GetLifetimeCount(100), 0);
    EXPECT_EQ(d.CountLifetimeVersesRead(), 100);
    EXPECT_EQ(d.Elements(), before);
    EXPECT_TRUE(d.ReadingLog().empty());
}

TEST_F(PlanOperations, ResetLifetimeKeepsThePlanFlags) {
    CReadingPlanDoc& d = WithPlan(Only(65), 5);
    const uint16_t jude = TheBible().GetVerseIndex(65, 1, 1);
    d.MarkRangeRead(jude, jude + 9);
    d.MarkRangeRead(0, 9);
    ui.messageBoxAnswers = {IDOK};
    RouteCommand({&d}, Cmd::ResetLifetimeReadings);
    EXPECT_EQ(ui.messageBoxes.back().text, kResetLifetimeQuestion);
    EXPECT_EQ(ui.messageBoxes.back().defaultButton, 1);
    EXPECT_EQ(d.CountLifetimeVersesRead(), 0);
    EXPECT_EQ(d.CountPlanVersesRead(), 10u);
}

TEST_F(PlanOperations, EnterReadingInBothModes) {
    CReadingPlanDoc& d = WithPlan(Only(65), 5);
    const uint16_t jude = TheBible().GetVerseIndex(65, 1, 1);
    ui.extraReadingAnswers = {ExtraReading{jude, uint16_t(jude + 4), 0},
                              ExtraReading{jude, uint16_t(jude + 4), 1}, std::nullopt,
                              ExtraReading{uint16_t(jude + 4), jude, 0}};
    for (int i = 0; i < 4; ++i)
        RouteCommand({&d}, Cmd::EnterReading);
    // The mode chosen is offered next time; Cancel changes nothing.
    EXPECT_EQ(ui.extraReadingModesOffered, (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(d.GetExtraReadingMode(), 0);
    EXPECT_EQ(d.CountPlanVersesRead(), 5u); // only the mode 1 reading reached the plan
    EXPECT_EQ(d.GetLifetimeCount(jude), 1); // the mode 0 reading, and not the reversed one
    EXPECT_EQ(d.GetLifetimeCount(jude + 5), 0);
}

TEST_F(PlanOperations, SynchronizeDatesFromASaturday) {
    CReadingPlanDoc& d = WithPlan(Only(1), 40, {0, 1, 1, 1, 1, 1, 0});
    ASSERT_GT(d.GetElementCount(), 6);
    for (uint16_t i = 0; i < 3; ++i)
        d.FinishElement(i);
    auto before = d.Elements();
    SetTodayOverride(CJJulian::Day(2027, 1, 9)); // a Saturday, weeks later
    d.SynchronizeDates();
    const auto& after = d.Elements();
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(after[i], before[i]);
    EXPECT_EQ(after[3].GetScheduledDate(), CJJulian::Day(2027, 1, 11)); // Monday
    EXPECT_EQ(after[4].GetScheduledDate(), CJJulian::Day(2027, 1, 12));
    EXPECT_EQ(after[8].GetScheduledDate(), CJJulian::Day(2027, 1, 18)); // over the weekend
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].GetOriginalDate(), before[i].GetOriginalDate());

    // A finished assignment in the middle keeps its date and takes no day.
    d.FinishElement(5);
    d.SynchronizeDates();
    EXPECT_EQ(d.Elements()[4].GetScheduledDate(), CJJulian::Day(2027, 1, 12));
    EXPECT_EQ(d.Elements()[5].GetScheduledDate(), after[5].GetScheduledDate());
    EXPECT_EQ(d.Elements()[6].GetScheduledDate(), CJJulian::Day(2027, 1, 13));

    // It ends when everything is finished, and ends on a plan without reading days.
    for (uint16_t i = 0; i < d.GetElementCount(); ++i)
        d.FinishElement(i);
    before = d.Elements();
    d.SynchronizeDates();
    EXPECT_EQ(d.Elements(), before);
}

TEST_F(PlanOperations, SynchronizeWithoutReadingDaysEnds) {
    CArchive plan = EmptyPlanFields();
    plan.WriteWord(0);
    plan.WriteWord(0);
    plan.WriteWord(2);
    CPlanElement e;
    e.AddRange(0, 3);
    e.Serialize(plan);
    e.Serialize(plan);
    SaveFileAtomic(PlanPath(), plan.Bytes());
    CReadingPlanDoc& d = Open();
    d.SynchronizeDates();
    EXPECT_EQ(d.Elements()[1].GetScheduledDate(), CJJulian());
    EXPECT_TRUE(d.GetPlanDirty());
}

TEST_F(PlanOperations, PlanPropertiesLines) {
    CReadingPlanDoc& empty = Open();
    RouteCommand({&empty}, Cmd::PlanProperties);
    ASSERT_EQ(ui.planPropertiesShown.size(), 1u);
    EXPECT_EQ(ui.planPropertiesShown[0], "No Reading Plan Selected\r\n\r\n\r\n\r\n");

    CReadingPlanDoc& d = WithPlan(Only(65), 5);
    EXPECT_EQ(d.GetPropertiesText(), "Title\r\n\r\nFormat 1.0\r\n\r\nGenerated By Scrivane");
    const uint16_t jude = TheBible().GetVerseIndex(65, 1, 1);
    d.MarkRangeRead(jude, jude + 24);
    EXPECT_EQ(d.GetPropertiesText(),
              "Title\r\n\r\nFormat 1.0\r\n\r\nGenerated By Scrivane\r\n\r\nReading Plan Completed");
}

TEST_F(PlanOperations, PlanStateDecidesTheEnabledCommands) {
    auto enabled = [](CReadingPlanDoc& d, int id) {
        CCmdUI ui;
        EXPECT_TRUE(d.OnUpdateCmdUI(id, ui));
        return ui.enabled;
    };
    CReadingPlanDoc& none = Open();
    EXPECT_EQ(none.GetPlanState(), 1);
    for (int id : {Cmd::ResetPlan, Cmd::FinishedReading, Cmd::SynchronizeDates})
        EXPECT_FALSE(enabled(none, id));
    for (int id : {Cmd::EnterReading, Cmd::ResetLifetimeReadings, Cmd::PlanProperties, Cmd::SaveReadingPlan})
        EXPECT_TRUE(enabled(none, id));
    // The view runs Finished Reading and Synchronize Dates; the document only answers whether it may.
    EXPECT_FALSE(none.OnCmdMsg(Cmd::FinishedReading));

    CReadingPlanDoc& one = WithPlan(Only(65), 1, {0, 0, 0, 0, 0, 0, 1}); // one Saturday
    EXPECT_EQ(one.GetPlanState(), 6);
    for (int id : {Cmd::ResetPlan, Cmd::FinishedReading, Cmd::SynchronizeDates})
        EXPECT_TRUE(enabled(one, id));
    CReadingPlanDoc& many = WithPlan(Only(65), 5);
    EXPECT_EQ(many.GetPlanState(), 0);
}

TEST_F(PlanOperations, NewPlanAsksOnlyAboutAnUnfinishedPlan) {
    CReadingPlanDoc& d = WithPlan(Only(65), 5);
    const std::string path = dir.Path("t.vntpl");
    const auto jude = d.Elements();

    ui.messageBoxAnswers = {IDNO};
    d.NewPlan();
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text, kNewPlanQuestion);
    EXPECT_EQ(ui.messageBoxes[0].buttons, MbButtons::yesNo);
    EXPECT_TRUE(ui.fileRequests.empty());

    ui.messageBoxAnswers = {IDYES};
    ui.fileAnswers = {std::nullopt};
    d.NewPlan();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "vntpl");
    EXPECT_EQ(ui.fileRequests[0].defaultFileName, "Default.vntpl");
    EXPECT_EQ(ui.fileRequests[0].filter, kTemplateFilter);
    EXPECT_EQ(ui.fileRequests[0].startDirectory, dir.Path());
    EXPECT_EQ(d.Elements(), jude);

    // Completed: no question. The short ".vnt" form names the same template.
    const uint16_t first = TheBible().GetVerseIndex(65, 1, 1);
    d.MarkRangeRead(first, first + 24);
    SaveFileAtomic(path, TemplateBytes(0, 1, 0, 0, 10, {1, 1, 1, 1, 1, 1, 1}, Only(57)));
    ui.fileAnswers = {dir.Path("t.vnt")};
    d.NewPlan();
    EXPECT_EQ(ui.messageBoxes.size(), 2u);
    EXPECT_EQ(ui.progressFileNames.back(), "t.vntpl");
    EXPECT_EQ(d.GetElementCount(), 10);
    EXPECT_EQ(d.CountPlanVerses(), 25u);
    EXPECT_EQ(d.CountPlanVersesRead(), 0u);
    EXPECT_EQ(d.GetLifetimeCount(first), 1); // the finished plan went into the history
    EXPECT_EQ(d.GetStartDate(), today);
    EXPECT_EQ(d.Elements()[0].GetOriginalDate(), today);
}

TEST_F(PlanOperations, UnreadableTemplateLeavesThePlanAlone) {
    CReadingPlanDoc& d = WithPlan(Only(65), 5);
    d.MarkVerseRead(TheBible().GetVerseIndex(65, 1, 1));
    const auto elements = d.Elements();
    const auto read = d.ReadInPlan();
    const std::string full = TemplateBytes(0, 1, 0, 0, 10, {1, 1, 1, 1, 1, 1, 1}, Only(57));
    for (size_t cut : {size_t(0), size_t(3), size_t(40), full.size() - 1}) {
        SaveFileAtomic(dir.Path("short.vntpl"), full.substr(0, cut));
        ui.messageBoxes.clear();
        EXPECT_FALSE(d.NewPlanFromFile(dir.Path("short.vntpl")));
        ASSERT_EQ(ui.messageBoxes.size(), 1u);
        EXPECT_EQ(ui.messageBoxes[0].text, "Unexpected file format.\n" + dir.Path("short.vntpl") +
                                               " is damaged or is not a file of its kind.");
        EXPECT_EQ(d.Elements(), elements);
        EXPECT_EQ(d.ReadInPlan(), read);
    }
    EXPECT_FALSE(d.NewPlanFromFile(dir.Path("missing.vntpl")));
    // A file of another kind makes an empty plan.
    SaveFileAtomic(dir.Path("plan.doc"), "x");
    EXPECT_TRUE(d.NewPlanFromFile(dir.Path("plan.doc")));
    EXPECT_EQ(d.GetElementCount(), 0);
}

TEST_F(PlanOperations, GeneratedPlanFileHasTheTemplateSettingsInItsOwnOrder) {
    CReadingPlanDoc& d = WithPlan(Only(65), 3, {1, 0, 1, 0, 0, 0, 1}, 0);
    d.OnCloseDocument();
    CArchive ar(ReadWholeFile(PlanPath()));
    EXPECT_EQ(ar.ReadDWord(), 1u);
    EXPECT_EQ(ar.ReadString(), "Title");
    EXPECT_EQ(ar.ReadString(), "Format 1.0");
    EXPECT_EQ(ar.ReadString(), "Generated By Scrivane");
    EXPECT_EQ(ar.ReadDWord(), 0u); // repeat
    for (uint32_t f : {1u, 0u, 1u, 0u, 0u, 0u, 1u})
        EXPECT_EQ(ar.ReadDWord(), f);
    EXPECT_EQ(ar.ReadDWord(), 3u); // length in days
    EXPECT_EQ(ar.ReadDWord(), 1u); // sections
    EXPECT_EQ(ar.ReadDWord(), 0u); // chapters
    CJJulian start;
    start.Serialize(ar);
    EXPECT_EQ(start, today);
}

} // namespace

namespace {

using TextImportPlans = PlanOperations;

TEST_F(TextImportPlans, ExplicitReadingsAreDatedOnReadingDays) {
    SetTodayOverride(today); // Saturday
    CReadingPlanDoc& d = Open();
    const std::string text = "! readings for the week\r\n<TITLE = Week><WEEKD = 1><DIVIS = 1>\r\n"
                             "/[Genesis 1:1-2:3]/[Genesis 2:4-3:24][Psalms 23]/[]/[Jude 3]";
    SaveFileAtomic(dir.Path("week.txt"), text);
    ui.fileAnswers = {dir.Path("week.txt")};
    d.NewPlan();
    ASSERT_EQ(d.GetElementCount(), 4); // the empty day counts; the last one is still open at the end
    CBible& bible = TheBible();
    const CJJulian monday = CJJulian::Day(2026, 12, 7);
    for (uint16_t i = 0; i < 4; ++i) {
        EXPECT_EQ(d.Elements()[i].GetOriginalDate(), monday.AddDays(int16_t(i)));
        EXPECT_EQ(d.Elements()[i].GetScheduledDate(), monday.AddDays(int16_t(i)));
    }
    EXPECT_EQ(RangeText(d.Elements()[0].GetRangeStart(0), d.Elements()[0].GetRangeEnd(0)),
              "Genesis 1:1 through Genesis 2:3");
    EXPECT_EQ(d.Elements()[1].GetRangeCount(), 2);
    EXPECT_EQ(RangeText(d.Elements()[1].GetRangeStart(1), d.Elements()[1].GetRangeEnd(1)),
              "Psalms 23:0 through Psalms 23:6");
    EXPECT_EQ(d.Elements()[2].GetRangeCount(), 0);
    EXPECT_EQ(RangeText(d.Elements()[3].GetRangeStart(0), d.Elements()[3].GetRangeEnd(0)), "Jude 3");
    const uint32_t expected = bible.GetVerseIndex(1, 3, 24) + 1u + bible.GetVerseSlotCount(19, 23) + 1u;
    EXPECT_EQ(d.CountPlanVerses(), expected);
    EXPECT_EQ(d.GetTemplateTitle(), "Week");
    for (uint16_t i = 0; i < 4; ++i)
        d.FinishElement(i);
    EXPECT_EQ(d.CountPlanVersesRead(), d.CountPlanVerses());
}

TEST_F(TextImportPlans, WithoutReadingDaysTheReadingsKeepDefaultDates) {
    SetTodayOverride(today);
    CReadingPlanDoc& d = Open();
    SaveFileAtomic(dir.Path("x.txt"), "<DIVIS = 0>/[Genesis 3]/[Exodus 40]");
    EXPECT_TRUE(d.NewPlanFromFile(dir.Path("x.txt")));
    ASSERT_EQ(d.GetElementCount(), 2);
    // A chapter without a verse in chapter mode runs to the end of the book.
    EXPECT_EQ(RangeText(d.Elements()[0].GetRangeStart(0), d.Elements()[0].GetRangeEnd(0)),
              "Genesis 3:1 through Genesis 50:26");
    EXPECT_EQ(d.Elements()[1].GetOriginalDate(), CJJulian());
    // The last, still open assignment is in the plan too, so the plan can be completed.
    d.FinishElement(0);
    d.FinishElement(1);
    EXPECT_EQ(d.CountPlanVersesRead(), d.CountPlanVerses());
}

TEST_F(TextImportPlans, SectionTableBuildsAWholePlan) {
    SetTodayOverride(today);
    CReadingPlanDoc& d = Open();
    // Genesis and Exodus in section 1, Matthew in section 2, 60 days, weekdays, verses.
    SaveFileAtomic(dir.Path("s.txt"), "<REPEA = F><DAYS = 60><WEEKD = 1><BOOKS = 1,1,0,0,0,0,0,0,0,0,"
                                      "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2>/[Rev 1]");
    EXPECT_TRUE(d.NewPlanFromFile(dir.Path("s.txt")));
    const PlanSettings s = d.Settings();
    EXPECT_EQ(s.planLengthDays, 60);
    EXPECT_EQ(d.GetElementCount(), CountReadingDays(s));
    CBible& bible = TheBible();
    EXPECT_EQ(d.CountPlanVerses(), uint32_t(bible.GetBookVerseCount(1) + bible.GetBookVerseCount(2) +
                                            bible.GetBookVerseCount(40)));
    const CPlanElement last = d.Elements().back();
    EXPECT_EQ(RangeText(last.GetRangeEnd(0), last.GetRangeEnd(0)), "Exodus 40:38");
    EXPECT_EQ(RangeText(last.GetRangeEnd(1), last.GetRangeEnd(1)), "Matthew 28:20");
    for (const CPlanElement& e : d.Elements())
        EXPECT_NE(e.GetOriginalDate().GetWeekday(), 1);
}

} // namespace

namespace {

TEST_F(PlanOperations, LifetimeCountsStopAtTheirTop) {
    CArchive history;
    history.WriteDWord(1);
    history.WriteDWord(0);
    history.WriteWord(3);
    for (uint16_t c : {65535, 65534, 0})
        history.WriteWord(c);
    history.WriteWord(0);
    SaveFileAtomic(HistoryPath(), history.Bytes());
    CReadingPlanDoc& d = Open();
    d.MarkRangeRead(0, 2);
    d.AddLifetimeReading(0, 2);
    EXPECT_EQ(d.GetLifetimeCount(0), 65535);
    EXPECT_EQ(d.GetLifetimeCount(1), 65535);
    EXPECT_EQ(d.GetLifetimeCount(2), 2);
    EXPECT_EQ(d.CountLifetimeVersesRead(), 3);

    // Once closed, the document writes nothing more, whoever the reader is by then.
    d.OnCloseDocument();
    std::remove(HistoryPath().c_str());
    d.MarkVerseRead(0);
    d.DeleteContents();
    EXPECT_FALSE(FileExists(HistoryPath()));
}

} // namespace

namespace {

TEST_F(PlanOperations, TheLongestPlanStillFitsItsFile) {
    // A length far beyond what a plan file can count is cut to the most
    // assignments it can hold, and the file reads back whole.
    SetTodayOverride(today);
    CReadingPlanDoc& d = Open();
    SaveFileAtomic(dir.Path("long.txt"),
                   "<ALLDA><DIVIS = 0><DAYS = 99999999999><BOOKS = 0,0,0,0,0,0,0,0,0,0,1>");
    ASSERT_TRUE(d.NewPlanFromFile(dir.Path("long.txt")));
    EXPECT_EQ(d.GetElementCount(), 65535);
    d.OnCloseDocument();
    CReadingPlanDoc& again = Open();
    EXPECT_TRUE(ui.messageBoxes.empty());
    EXPECT_EQ(again.GetElementCount(), 65535);
    // The section went round many times; its last day reads one whole chapter of it.
    const CPlanElement last = again.Elements().back();
    ASSERT_EQ(last.GetRangeCount(), 1);
    EXPECT_EQ(TheBible().GetVerseAt(last.GetRangeStart(0)).GetBook(), 11);
    EXPECT_EQ(TheBible().GetVerseAt(last.GetRangeEnd(0)).GetVerse(),
              TheBible().GetVerseAt(last.GetRangeEnd(0)).GetLastVerseNumber());
}

} // namespace

namespace {

TEST_F(PlanOperations, NewPlanOverShortFlagArraysCoversTheWholeCanon) {
    CArchive plan = EmptyPlanFields();
    plan.WriteWord(0);
    plan.WriteWord(2);
    plan.Write("\1\1", 2);
    plan.WriteWord(0);
    SaveFileAtomic(PlanPath(), plan.Bytes());
    CReadingPlanDoc& d = Open();
    SaveFileAtomic(dir.Path("t.vntpl"), TemplateBytes(0, 1, 0, 0, 5, {1, 1, 1, 1, 1, 1, 1}, Only(66)));
    ASSERT_TRUE(d.NewPlanFromFile(dir.Path("t.vntpl")));
    EXPECT_EQ(d.InPlan().size(), TheBible().GetTotalVerseCount());
    EXPECT_EQ(d.CountPlanVerses(), TheBible().GetBookVerseCount(66));
    for (uint16_t i = 0; i < d.GetElementCount(); ++i)
        d.FinishElement(i);
    EXPECT_EQ(d.CountPlanVersesRead(), d.CountPlanVerses());
}

} // namespace
