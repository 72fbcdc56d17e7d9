// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanDocFixture.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "journal/Journal.h"

#include <cstdlib>
#include <functional>

namespace {

uint16_t At(uint16_t b, uint16_t c, uint16_t v) {
    return TheBible().GetVerseIndex(b, c, v);
}

class PlanUndo : public PlanDocFixture {
protected:
    struct Files {
        std::string plan, history;
        bool operator==(const Files&) const = default;
    };
    Files OnDisk() const { return {ReadWholeFile(PlanPath()), ReadWholeFile(HistoryPath())}; }

    // Two Genesis and Jude sections, a reading every day from today.
    std::string WriteTemplate(const TempDir& where) const {
        const std::string path = where.Path("t.vntpl");
        std::vector<int32_t> sections(66, 0);
        sections[0] = 1;
        sections[64] = 2;
        SaveFileAtomic(path, TemplateBytes(0, 1, 0, 0, 30, {1, 1, 1, 1, 1, 1, 1}, sections));
        return path;
    }

    struct Step {
        std::string name; // as Undo names it
        std::function<void(CReadingPlanDoc&, CScriptedUiServices&)> act;
    };
    std::vector<Step> EveryKindOfChange(const std::string& templatePath) const {
        auto finish = [](uint16_t i) {
            return [i](CReadingPlanDoc& d, CScriptedUiServices&) { d.FinishElement(i); };
        };
        return {
            {"New Plan",
             [=](CReadingPlanDoc& d, CScriptedUiServices&) { ASSERT_TRUE(d.NewPlanFromFile(templatePath)); }},
            {"Finished Reading", finish(0)},
            // The same day again: its verses count once more in the lifetime history.
            {"Finished Reading", finish(0)},
            {"Mark Reading",
             [](CReadingPlanDoc& d, CScriptedUiServices&) {
                 const CPlanElement e = d.GetElement(1);
                 d.ReadRangeOf(1, e.GetRangeStart(0), e.GetRangeEnd(0));
             }},
            {"Enter Reading",
             [](CReadingPlanDoc& d, CScriptedUiServices& ui) {
                 ui.extraReadingAnswers.push_back(ExtraReading{At(1, 5, 1), At(1, 6, 22), 1});
                 d.OnEnterReading();
             }},
            {"Enter Reading",
             [](CReadingPlanDoc& d, CScriptedUiServices& ui) {
                 ui.extraReadingAnswers.push_back(ExtraReading{At(19, 23, 0), At(19, 23, 6), 0});
                 d.OnEnterReading();
             }},
            {"Synchronize Dates",
             [](CReadingPlanDoc& d, CScriptedUiServices&) {
                 SetTodayOverride(CJJulian::Day(2027, 1, 20));
                 d.OnSynchronizeDates();
             }},
            {"Reset Plan",
             [](CReadingPlanDoc& d, CScriptedUiServices& ui) {
                 ui.messageBoxAnswers.push_back(IDOK);
                 d.OnResetPlan();
             }},
            {"Finished Reading", finish(3)},
            {"Reset Plan",
             [](CReadingPlanDoc& d, CScriptedUiServices& ui) {
                 SetTodayOverride(CJJulian::Day(2027, 2, 1));
                 ui.messageBoxAnswers.push_back(IDOK);
                 ui.checkBoxAnswers.push_back(true);
                 d.OnResetPlan();
             }},
            {"Reset Lifetime Readings",
             [](CReadingPlanDoc& d, CScriptedUiServices& ui) {
                 ui.messageBoxAnswers.push_back(IDOK);
                 d.OnResetLifetimeReadings();
             }},
        };
    }
};

TEST_F(PlanUndo, EveryChangeIsOnDiskAtOnceAndUndoesToItsBytes) {
    ::setenv("SCRIVANE_DEVICE", "testdevice", 1);
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    const std::string templatePath = WriteTemplate(dir);
    Open().SetCommitAtOnce(true);
    ASSERT_TRUE(doc->SaveDirtyFiles());
    std::vector<Files> saved = {OnDisk()};
    const std::vector<Step> steps = EveryKindOfChange(templatePath);
    for (const Step& step : steps) {
        step.act(*doc, ui);
        const Files now = OnDisk();
        EXPECT_NE(now, saved.back()) << step.name << ": the change is not on disk";
        EXPECT_FALSE(doc->GetPlanDirty() || doc->GetHistoryDirty()) << step.name;
        EXPECT_EQ(doc->UndoName(), step.name);
        EXPECT_FALSE(doc->CanRedo());
        saved.push_back(now);
    }
    for (size_t i = steps.size(); i-- > 0;) {
        ASSERT_TRUE(doc->CanUndo());
        EXPECT_EQ(doc->UndoName(), steps[i].name);
        doc->Undo();
        EXPECT_TRUE(OnDisk().plan == saved[i].plan)
            << "plan, undo of step " << i << " (" << steps[i].name << ")";
        EXPECT_TRUE(OnDisk().history == saved[i].history)
            << "history, undo of step " << i << " (" << steps[i].name << ")";
        EXPECT_EQ(doc->RedoName(), steps[i].name);
    }
    EXPECT_FALSE(doc->CanUndo());
    for (size_t i = 0; i < steps.size(); ++i) {
        doc->Redo();
        EXPECT_TRUE(OnDisk().plan == saved[i + 1].plan)
            << "plan, redo of step " << i << " (" << steps[i].name << ")";
        EXPECT_TRUE(OnDisk().history == saved[i + 1].history)
            << "history, redo of step " << i << " (" << steps[i].name << ")";
    }
    EXPECT_FALSE(doc->CanRedo());

    // Each change is in the journal with its kind, and Undo and Redo reach back through it after a
    // restart: every step below opens the files afresh, as a new run of the program would.
    std::vector<std::string> kinds;
    for (const CJournalEntry& e : CJournal(dir.Path(), "testdevice").ReadAll())
        if (e.IsChange()) kinds.push_back(e.kind);
    EXPECT_EQ(kinds, (std::vector<std::string>{"new-plan", "finish", "finish", "mark", "extra", "extra",
                                               "sync-dates", "reset-plan", "finish", "reset-plan",
                                               "reset-lifetime"}));
    auto reopen = [&] {
        doc.reset();
        Open().SetCommitAtOnce(true);
    };
    for (size_t i = steps.size(); i-- > 0;) {
        reopen();
        ASSERT_TRUE(doc->CanUndo()) << i;
        EXPECT_EQ(doc->UndoName(), steps[i].name);
        doc->Undo();
        EXPECT_TRUE(OnDisk() == saved[i])
            << "undo of step " << i << " (" << steps[i].name << ") after a restart";
    }
    reopen();
    EXPECT_FALSE(doc->CanUndo());
    for (size_t i = 0; i < steps.size(); ++i) {
        reopen();
        ASSERT_TRUE(doc->CanRedo()) << i;
        doc->Redo();
        EXPECT_TRUE(OnDisk() == saved[i + 1])
            << "redo of step " << i << " (" << steps[i].name << ") after a restart";
    }
    for (const auto& box : ui.messageBoxes)
        EXPECT_EQ(box.text.find("journal"), std::string::npos) << box.text;
    // What is on disk is what a fresh load finds, counts included.
    const uint32_t read = doc->CountPlanVersesRead(), lifetime = doc->CountLifetimeVersesRead();
    CScriptedUiServices other;
    CReadingPlanDoc again(other, reader);
    ASSERT_TRUE(again.OnNewDocument());
    EXPECT_EQ(again.CountPlanVersesRead(), read);
    EXPECT_EQ(again.CountLifetimeVersesRead(), lifetime);
    EXPECT_TRUE(other.messageBoxes.empty());
}

// Files changed behind the journal's back (another program, a copy from elsewhere) win: the
// reader is told once, the journal starts again from them, and Undo does not guess across the gap.
TEST_F(PlanUndo, AJournalThatDisagreesWithTheFilesIsReportedAndTheFilesWin) {
    ::setenv("SCRIVANE_DEVICE", "testdevice", 1);
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    const std::string templatePath = WriteTemplate(dir);
    Open().SetCommitAtOnce(true);
    // A directory without a journal starts one, quietly, with a baseline: opening writes nothing.
    EXPECT_TRUE(CJournal(dir.Path(), "testdevice").ReadAll().empty());
    ASSERT_TRUE(doc->NewPlanFromFile(templatePath));
    std::vector<CJournalEntry> entries = CJournal(dir.Path(), "testdevice").ReadAll();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].kind, "baseline");
    EXPECT_EQ(entries[1].kind, "new-plan");
    const Files planned = OnDisk();
    doc->FinishElement(0);
    const Files changedElsewhere = OnDisk();
    doc.reset();
    SaveFileAtomic(PlanPath(), planned.plan);

    Open().SetCommitAtOnce(true);
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_NE(ui.messageBoxes[0].text.find("does not agree"), std::string::npos);
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_EQ(OnDisk().plan, planned.plan);
    EXPECT_EQ(OnDisk().history, changedElsewhere.history);
    EXPECT_FALSE(doc->IsElementFinished(0));
    // From then on all is as usual.
    doc->FinishElement(1);
    doc.reset();
    Open();
    EXPECT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_TRUE(doc->CanUndo());
    EXPECT_FALSE(doc->FinishedAt(1).empty());
}

TEST_F(PlanUndo, FilesEndAsTheyDidWhenWrittenOnlyAtClose) {
    TempDir atClose;
    CReaderContext closeReader = reader;
    closeReader.baseDirectory = atClose.Path();
    const std::string templatePath = WriteTemplate(dir);
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    Open().SetCommitAtOnce(true);
    CScriptedUiServices closeUi;
    auto late = std::make_unique<CReadingPlanDoc>(closeUi, closeReader);
    ASSERT_TRUE(late->OnNewDocument());
    const std::vector<Step> steps = EveryKindOfChange(templatePath);
    const CJJulian start = CJJulian::Day(2027, 1, 4);
    for (const Step& step : steps) {
        const std::optional<CJJulian> dayBefore = start;
        SetTodayOverride(dayBefore);
        step.act(*doc, ui);
        SetTodayOverride(dayBefore);
        step.act(*late, closeUi);
    }
    const Files atOnce = OnDisk();
    late->OnCloseDocument();
    EXPECT_EQ(atOnce.plan, ReadWholeFile(atClose.Path("Bob.vnpln")));
    EXPECT_EQ(atOnce.history, ReadWholeFile(atClose.Path("Bob.vnpro")));
}

TEST_F(PlanUndo, ANewChangeAfterUndoClearsRedoAndNothingIsAStepThatChangesNothing) {
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    const std::string templatePath = WriteTemplate(dir);
    Open().SetCommitAtOnce(true);
    ASSERT_TRUE(doc->NewPlanFromFile(templatePath));
    doc->FinishElement(0);
    doc->Undo();
    EXPECT_TRUE(doc->CanRedo());
    doc->FinishElement(1);
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_EQ(doc->UndoName(), "Finished Reading");
    doc->Undo();
    EXPECT_EQ(doc->UndoName(), "New Plan");

    // Declined questions, a cancelled dialog and dates already in place make no step.
    ui.messageBoxAnswers.push_back(IDCANCEL);
    doc->OnResetPlan();
    doc->OnEnterReading();
    doc->OnSynchronizeDates();
    EXPECT_EQ(doc->UndoName(), "New Plan");

    // The Edit menu names the step.
    CCmdUI item;
    ASSERT_TRUE(doc->OnUpdateCmdUI(Cmd::EditUndo, item));
    EXPECT_TRUE(item.enabled);
    EXPECT_EQ(item.text, "&Undo New Plan");
    CCmdUI redo;
    ASSERT_TRUE(doc->OnUpdateCmdUI(Cmd::EditRedo, redo));
    EXPECT_EQ(redo.text, "&Redo Finished Reading");
    ASSERT_TRUE(doc->OnCmdMsg(Cmd::EditUndo));
    ASSERT_TRUE(doc->OnUpdateCmdUI(Cmd::EditUndo, item));
    EXPECT_FALSE(item.enabled);
    EXPECT_EQ(item.text, "&Undo");
}

TEST_F(PlanUndo, WithoutCommitAtOnceNothingIsWrittenBeforeTheSave) {
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    const std::string templatePath = WriteTemplate(dir);
    Open();
    ASSERT_TRUE(doc->NewPlanFromFile(templatePath));
    doc->FinishElement(0);
    EXPECT_FALSE(FileExists(PlanPath()));
    // A command-line run, which saves once at its end, keeps no steps.
    EXPECT_FALSE(doc->CanUndo());
}

TEST_F(PlanUndo, TheStatusBarSaysWhatWasRecorded) {
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    std::vector<int32_t> sections(66, 0);
    sections[0] = 1;
    const std::string path = dir.Path("g.vntpl");
    // Four chapters a day.
    SaveFileAtomic(path, TemplateBytes(0, 1, 0, 0, 13, {1, 1, 1, 1, 1, 1, 1}, sections));
    Open().SetCommitAtOnce(true);
    ASSERT_TRUE(doc->NewPlanFromFile(path));
    const CPlanElement first = doc->GetElement(0);
    ASSERT_EQ(first.GetRangeStart(0), At(1, 1, 1));
    const std::string what = CompactRangeText(first.GetRangeStart(0), first.GetRangeEnd(0));

    doc->FinishElement(0);
    EXPECT_EQ(ui.statusTexts.back(), what + " finished");
    doc->FinishElement(0);
    EXPECT_EQ(ui.statusTexts.back(),
              what + " counted once more in your lifetime reading (it was already read in "
                     "this plan) \u2014 Ctrl+Z to undo");
    doc->Undo();
    EXPECT_EQ(ui.statusTexts.back(), "Undone: Finished Reading");
    ui.extraReadingAnswers.push_back(ExtraReading{At(19, 23, 0), At(19, 23, 6), 0});
    doc->OnEnterReading();
    EXPECT_EQ(ui.statusTexts.back(),
              "Psalms 23 counted once more in your lifetime reading \u2014 Ctrl+Z to undo");
    ui.extraReadingAnswers.push_back(ExtraReading{first.GetRangeStart(0), At(1, 50, 1), 1});
    doc->OnEnterReading();
    EXPECT_EQ(ui.statusTexts.back().rfind("Genesis 1:1\u201350:1 read; ", 0), 0u) << ui.statusTexts.back();
}

TEST(CompactRangeText, NamesReadingsAsReadersWriteThem) {
    struct Case {
        uint16_t from[3], to[3];
        const char* text;
    } const cases[] = {
        {{1, 7, 1}, {1, 10, 32}, "Genesis 7\u201310"},
        {{1, 7, 1}, {1, 7, 24}, "Genesis 7"},
        {{43, 3, 16}, {43, 3, 18}, "John 3:16\u201318"},
        {{43, 3, 16}, {43, 3, 16}, "John 3:16"},
        {{43, 3, 16}, {43, 4, 2}, "John 3:16\u20134:2"},
        {{65, 1, 5}, {65, 1, 5}, "Jude 5"},
        {{65, 1, 5}, {65, 1, 7}, "Jude 5\u20137"},
        {{65, 1, 1}, {65, 1, 25}, "Jude"},
        {{19, 23, 0}, {19, 23, 6}, "Psalms 23"},
        {{1, 50, 1}, {2, 2, 25}, "Genesis 50\u2013Exodus 2"},
        {{31, 1, 1}, {32, 1, 3}, "Obadiah 1\u2013Jonah 1:3"},
        {{32, 1, 3}, {31, 1, 1}, "Obadiah 1\u2013Jonah 1:3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompactRangeText(At(c.from[0], c.from[1], c.from[2]), At(c.to[0], c.to[1], c.to[2])),
                  c.text)
            << c.text;
}

} // namespace
