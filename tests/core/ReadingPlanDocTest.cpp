// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanDocFixture.h"
#include "framework/CommandIds.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

using PlanDocFiles = PlanDocFixture;

TEST(PlanDocTitle, PossessiveOfTheDisplayName) {
    EXPECT_EQ(CReadingPlanDoc::TitleFor("Charles"), "Charles' Reading Plan");
    EXPECT_EQ(CReadingPlanDoc::TitleFor("Ann"), "Ann's Reading Plan");
    EXPECT_EQ(CReadingPlanDoc::TitleFor("JAMES"), "JAMES' Reading Plan");
    EXPECT_EQ(CReadingPlanDoc::TitleFor(""), "'s Reading Plan");
}

TEST_F(PlanDocFiles, FreshEnvironmentWritesBothEmptyFilesExactly) {
    CReadingPlanDoc& d = Open();
    EXPECT_EQ(d.GetTitle(), "Bob's Reading Plan");
    EXPECT_TRUE(d.GetPlanDirty());
    EXPECT_TRUE(d.GetHistoryDirty());
    d.OnCloseDocument();

    const uint16_t verses = TheBible().GetTotalVerseCount();
    ASSERT_EQ(verses, 31218);
    CArchive plan;
    plan.WriteDWord(1);
    for (int i = 0; i < 3; ++i)
        plan.WriteString("");
    for (int i = 0; i < 11; ++i)
        plan.WriteDWord(0);
    plan.WriteLong(0); // default date: day 0 …
    plan.WriteLong(0); // … at midnight
    for (int i = 0; i < 2; ++i) {
        plan.WriteWord(verses);
        plan.Write(std::string(verses, '\0').data(), verses);
    }
    plan.WriteWord(0);
    EXPECT_EQ(ReadWholeFile(PlanPath()), plan.Bytes());

    CArchive history;
    history.WriteDWord(1);
    history.WriteDWord(0);
    history.WriteWord(verses);
    for (int i = 0; i < verses; ++i)
        history.WriteWord(0);
    history.WriteWord(0);
    EXPECT_EQ(ReadWholeFile(HistoryPath()), history.Bytes());
    // Beside them, the journal that records their changes.
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"Bob.vnpln", "Bob.vnpro", "journal"}));
}

TEST_F(PlanDocFiles, SavingTwiceWritesOnce) {
    CReadingPlanDoc& d = Open();
    EXPECT_TRUE(RouteCommand({&d}, Cmd::SaveReadingPlan));
    EXPECT_FALSE(d.GetPlanDirty());
    EXPECT_FALSE(d.GetHistoryDirty());
    std::remove(PlanPath().c_str());
    std::remove(HistoryPath().c_str());
    d.SaveDirtyFiles();
    EXPECT_EQ(dir.List(), std::vector<std::string>{"journal"});

    d.MarkVerseRead(5); // not in the plan: only the history changes
    d.SaveDirtyFiles();
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"Bob.vnpro", "journal"}));
}

TEST_F(PlanDocFiles, ShortArraysAndOddVersionsRoundTripUnchanged) {
    CArchive plan;
    plan.WriteDWord(7); // any version is accepted, and written back as 1
    plan.WriteString("T");
    plan.WriteString("F");
    plan.WriteString("D");
    for (int i = 0; i < 11; ++i)
        plan.WriteDWord(i);
    CJJulian start = CJJulian::Day(2026, 1, 5);
    start.Serialize(plan);
    plan.WriteWord(10);
    plan.Write("\1\1\1\1\1\0\0\0\0\0", 10);
    plan.WriteWord(3);
    plan.Write("\1\0\0", 3);
    plan.WriteWord(1);
    CPlanElement e;
    e.SetOriginalDate(start);
    e.SetScheduledDate(start);
    e.AddRange(0, 4);
    e.AddRange(9, 20); // reaches past the arrays
    e.Serialize(plan);
    SaveFileAtomic(PlanPath(), plan.Bytes());

    CArchive history;
    history.WriteDWord(0);
    history.WriteDWord(1);
    history.WriteWord(4);
    for (uint16_t c : {0, 2, 0, 1})
        history.WriteWord(c);
    history.WriteWord(1);
    CLogElement log;
    log.SetDate(start);
    log.AddRange(3, 3);
    log.Serialize(history);
    SaveFileAtomic(HistoryPath(), history.Bytes());

    CReadingPlanDoc& d = Open();
    EXPECT_FALSE(d.GetPlanDirty());
    EXPECT_EQ(d.InPlan().size(), 10u);
    EXPECT_EQ(d.ReadInPlan().size(), 3u);
    EXPECT_EQ(d.GetLifetimeVerseTotal(), 4);
    EXPECT_EQ(d.CountLifetimeVersesRead(), 2);
    EXPECT_EQ(d.GetExtraReadingMode(), 1);
    EXPECT_FALSE(d.IsVerseInPlan(20));
    EXPECT_FALSE(d.IsElementFinished(0));
    EXPECT_EQ(d.CountPlanVerses(), 5u);
    EXPECT_EQ(d.CountPlanVersesRead(), 1u);

    d.SetPlanDirty(true);
    d.SetHistoryDirty(true);
    d.OnCloseDocument();
    std::string expected = plan.Bytes();
    expected[0] = 1;
    EXPECT_EQ(ReadWholeFile(PlanPath()), expected);
    std::string expectedHistory = history.Bytes();
    expectedHistory[0] = 1;
    EXPECT_EQ(ReadWholeFile(HistoryPath()), expectedHistory);
}

TEST_F(PlanDocFiles, DamagedFilesAreReportedKeptAsideAndNeverOverwritten) {
    // Cut inside the plan's byte arrays, and a history whose count promises more than it holds.
    std::string plan(20, '\1');
    SaveFileAtomic(PlanPath(), plan);
    CArchive history;
    history.WriteDWord(1);
    history.WriteDWord(0);
    history.WriteWord(60000);
    SaveFileAtomic(HistoryPath(), history.Bytes());

    CReadingPlanDoc& d = Open();
    ASSERT_EQ(ui.messageBoxes.size(), 2u);
    // The reader is told where each file went and what the window now shows.
    EXPECT_EQ(ui.messageBoxes[0].text,
              "Unexpected file format.\n" + PlanPath() +
                  " is damaged or is not a file of its kind.\n\nThe file has been kept as " + PlanPath() +
                  ".damaged; the reading plan starts empty.");
    EXPECT_EQ(ui.messageBoxes[0].icon, MbIcon::exclamation);
    EXPECT_EQ(ui.messageBoxes[1].text,
              "Unexpected file format.\n" + HistoryPath() +
                  " is damaged or is not a file of its kind.\n\nThe file has been kept as " + HistoryPath() +
                  ".damaged; the reading history starts empty.");
    EXPECT_EQ(ReadWholeFile(PlanPath() + ".damaged"), plan);
    EXPECT_EQ(ReadWholeFile(HistoryPath() + ".damaged"), history.Bytes());
    // The document carries on with an empty plan, written as a new file.
    EXPECT_EQ(d.GetElementCount(), 0);
    EXPECT_EQ(d.InPlan().size(), TheBible().GetTotalVerseCount());
    d.OnCloseDocument();
    EXPECT_TRUE(FileExists(PlanPath()));
    EXPECT_EQ(ReadWholeFile(PlanPath() + ".damaged"), plan);
}

TEST_F(PlanDocFiles, UnreadableFilesAreNotDamagedAndOpenNothing) {
    // Something that is no file where the plan or history belongs: reported with its name and
    // the reason, nothing moved, nothing written, and the document is not opened.
    struct Case {
        const char* what;
        bool plan, fifo;
        const char* reason;
    } cases[] = {
        {"plan directory", true, false, "Is a directory"},
        {"history directory", false, false, "Is a directory"},
        {"plan FIFO", true, true, "not a regular file"},
        {"history FIFO", false, true, "not a regular file"},
    };
    for (const Case& c : cases) {
        for (const std::string& name : dir.List())
            std::filesystem::remove_all(dir.Path(name));
        ui.messageBoxes.clear();
        const std::string path = c.plan ? PlanPath() : HistoryPath();
        if (c.fifo)
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        else
            std::filesystem::create_directory(path);
        const std::vector<std::string> before = dir.List();
        {
            CReadingPlanDoc d(ui, reader);
            EXPECT_FALSE(d.OnNewDocument()) << c.what;
            d.OnCloseDocument();
        }
        ASSERT_EQ(ui.messageBoxes.size(), 1u) << c.what;
        const std::string& text = ui.messageBoxes[0].text;
        EXPECT_NE(text.find(path), std::string::npos) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        EXPECT_EQ(text.find("kept as"), std::string::npos) << text;
        EXPECT_EQ(dir.List(), before) << c.what;
    }
}

TEST_F(PlanDocFiles, ChangesToADamagedFileThatStaysInPlaceAreNotDroppedSilently) {
    // A name so long that its ".damaged" copy cannot be named: the damaged file stays in place.
    const std::string name(246, 'B');
    reader.fileStem = "\\" + name;
    const std::string planPath = dir.Path(name + ".vnpln");
    std::ofstream(planPath) << "broken";
    CArchive history;
    history.WriteDWord(1);
    history.WriteDWord(0);
    history.WriteWord(0);
    history.WriteWord(0);
    std::ofstream(dir.Path(name + ".vnpro")) << history.Bytes();
    CReadingPlanDoc& d = Open();
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text, "Unexpected file format.\n" + planPath +
                                           " is damaged or is not a file of its kind.\n\nThe file could not "
                                           "be moved aside; it will not be overwritten.");
    // Nothing changed yet: closing says nothing more.
    EXPECT_TRUE(d.SaveDirtyFiles());
    EXPECT_EQ(ui.messageBoxes.size(), 1u);
    d.MarkVerseInPlan(3);
    EXPECT_FALSE(d.SaveDirtyFiles());
    ASSERT_EQ(ui.messageBoxes.size(), 2u);
    EXPECT_EQ(ui.messageBoxes[1].text,
              "Unable to write to " + planPath + ", it is read-only or opened by someone else.");
    EXPECT_TRUE(d.GetPlanDirty());
    // Closing tries to keep the changes elsewhere (no place takes a name this long) and says so.
    d.OnCloseDocument();
    ASSERT_EQ(ui.messageBoxes.size(), 4u);
    EXPECT_EQ(ui.messageBoxes[3].text,
              "The changes to " + planPath + " could not be written, nor kept anywhere else.");
    EXPECT_EQ(ReadWholeFile(planPath), "broken");
}

TEST_F(PlanDocFiles, FailedSaveIsReportedAndStaysDirty) {
    CReadingPlanDoc& d = Open();
    // Directories in the files' places make both writes fail, even for root.
    std::filesystem::create_directory(PlanPath());
    std::filesystem::create_directory(HistoryPath());
    EXPECT_FALSE(d.SaveDirtyFiles());
    ASSERT_EQ(ui.messageBoxes.size(), 2u);
    EXPECT_EQ(ui.messageBoxes[0].text, "Failed to save document.\n" + PlanPath() + ": Is a directory.");
    std::filesystem::remove(PlanPath());
    std::filesystem::remove(HistoryPath());
    EXPECT_TRUE(d.GetPlanDirty());
    EXPECT_TRUE(d.GetHistoryDirty());
    EXPECT_TRUE(d.SaveDirtyFiles());
    EXPECT_FALSE(d.GetPlanDirty());
}

} // namespace

namespace {

TEST_F(PlanDocFiles, MissingDirectoryIsMadeAgainAndEmptyStemWritesNothing) {
    reader.fileStem = "\\Gone\\Bob";
    CReadingPlanDoc& d = Open();
    d.MarkVerseRead(3);
    EXPECT_TRUE(RouteCommand({&d}, Cmd::FileSave));
    EXPECT_TRUE(FileExists(dir.Path("Gone/Bob.vnpro")));
    EXPECT_TRUE(ui.messageBoxes.empty());

    reader.fileStem.clear();
    CReadingPlanDoc& none = Open();
    none.MarkVerseRead(3);
    none.OnCloseDocument();
    EXPECT_EQ(dir.List(), std::vector<std::string>{"Gone"});
}

} // namespace
