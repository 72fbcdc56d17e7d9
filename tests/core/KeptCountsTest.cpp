// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanDocFixture.h"
#include "framework/CommandIds.h"

#include <algorithm>
#include <functional>

namespace {

// The three progress counts are kept as the flags change; after every kind of
// change they must equal a count of the flags themselves.
class KeptCounts : public PlanDocFixture {
protected:
    void ExpectCountsMatchFlags(const std::string& step) {
        SCOPED_TRACE(step);
        const CReadingPlanDoc& d = *doc;
        const auto& inPlan = d.InPlan();
        const auto& read = d.ReadInPlan();
        uint32_t planVerses = 0, planRead = 0;
        for (size_t v = 0; v < inPlan.size(); ++v) {
            planVerses += inPlan[v] != 0;
            planRead += inPlan[v] != 0 && v < read.size() && read[v] != 0;
        }
        const auto& counts = d.LifetimeCounts();
        const auto lifetime = std::count_if(counts.begin(), counts.end(), [](uint16_t c) { return c != 0; });
        EXPECT_EQ(d.CountPlanVerses(), planVerses);
        EXPECT_EQ(d.CountPlanVersesRead(), planRead);
        EXPECT_EQ(d.CountLifetimeVersesRead(), lifetime);
        uint32_t finished = 0;
        for (uint16_t i = 0; i < d.GetElementCount(); ++i)
            finished += d.IsElementFinished(i);
        EXPECT_EQ(d.CountFinishedElements(), finished);
    }

    // A plan file whose read flags reach verses that are not in the plan, and
    // a history of historyLength counts (shorter than the canon in old files).
    void WriteOddPlanFile(uint16_t historyLength) {
        CArchive plan = EmptyPlanFields();
        std::string inPlan(50, '\0'), read(60, '\0');
        // Any byte but 0 is a set flag, the top bit alone included.
        for (int v = 0; v < 20; ++v)
            inPlan[v] = static_cast<char>(v % 3 == 0 ? 0x80 : v % 3 == 1 ? 0xFF : 1);
        for (int v = 10; v < 60; ++v)
            read[v] = static_cast<char>(v % 3 == 0 ? 0 : v % 5 == 0 ? 0x80 : 7);
        plan.WriteWord(static_cast<uint16_t>(inPlan.size()));
        plan.Write(inPlan.data(), inPlan.size());
        plan.WriteWord(static_cast<uint16_t>(read.size()));
        plan.Write(read.data(), read.size());
        plan.WriteWord(0);
        SaveFileAtomic(PlanPath(), plan.Bytes());
        CArchive history;
        history.WriteDWord(1);
        history.WriteDWord(0);
        history.WriteWord(historyLength);
        for (uint16_t v = 0; v < historyLength; ++v)
            history.WriteWord(v == 3 ? 65535 : v % 7 == 1 ? 3 : 0);
        history.WriteWord(0);
        SaveFileAtomic(HistoryPath(), history.Bytes());
    }
};

TEST_F(KeptCounts, FollowEveryChangeOfTheFlags) {
    SetTodayOverride(CJJulian::Day(2026, 12, 5));
    WriteOddPlanFile(TheBible().GetTotalVerseCount());
    Open();
    ExpectCountsMatchFlags("loaded");
    const std::string path = dir.Path("t.vntpl");
    std::vector<int32_t> sections(66, 0);
    sections[64] = 1; // Jude
    sections[0] = 2;  // Genesis beside it
    SaveFileAtomic(path, TemplateBytes(0, 1, 0, 0, 30, {1, 1, 1, 1, 1, 1, 1}, sections));
    const uint16_t jude = TheBible().GetVerseIndex(65, 1, 1);

    const std::vector<std::pair<std::string, std::function<void()>>> steps = {
        {"new plan", [&] { EXPECT_TRUE(doc->NewPlanFromFile(path)); }},
        {"read in the plan", [&] { doc->MarkRangeRead(jude, jude + 9); }},
        {"read again, now lifetime", [&] { doc->MarkRangeRead(jude + 5, jude + 14); }},
        {"read outside the plan", [&] { doc->MarkRangeRead(30000, 30010); }},
        {"finish an assignment", [&] { doc->FinishElement(0); }},
        {"mark a verse in the plan", [&] { doc->MarkVerseInPlan(30005); }},
        {"lifetime only",
         [&] {
             ui.extraReadingAnswers = {ExtraReading{0, 99, 0}};
             RouteCommand({doc.get()}, Cmd::EnterReading);
         }},
        {"reset plan",
         [&] {
             ui.messageBoxAnswers = {IDOK};
             RouteCommand({doc.get()}, Cmd::ResetPlan);
         }},
        {"read after the reset", [&] { doc->MarkRangeRead(jude, jude + 3); }},
        {"reset lifetime",
         [&] {
             ui.messageBoxAnswers = {IDOK};
             RouteCommand({doc.get()}, Cmd::ResetLifetimeReadings);
         }},
        {"second new plan", [&] { EXPECT_TRUE(doc->NewPlanFromFile(path)); }},
        {"saved and opened again",
         [&] {
             doc->MarkRangeRead(jude, jude + 20);
             EXPECT_TRUE(doc->SaveDirtyFiles());
             Open();
         }},
    };
    for (const auto& [name, step] : steps) {
        step();
        ExpectCountsMatchFlags(name);
    }
    EXPECT_GT(doc->CountPlanVersesRead(), 0u);
    EXPECT_GT(doc->CountLifetimeVersesRead(), 0);
}

TEST_F(KeptCounts, DamagedFilesLeaveCountsOfTheEmptyState) {
    WriteOddPlanFile(5);
    std::string plan = ReadWholeFile(PlanPath());
    SaveFileAtomic(PlanPath(), plan.substr(0, plan.size() - 25));
    std::string history = ReadWholeFile(HistoryPath());
    SaveFileAtomic(HistoryPath(), history.substr(0, history.size() - 4));
    Open();
    ExpectCountsMatchFlags("damaged");
    EXPECT_EQ(doc->CountPlanVerses(), 0u);
    EXPECT_EQ(doc->CountLifetimeVersesRead(), 0);

    // A partial load straight into the document, as the file readers' checks do.
    CArchive truncated(plan.substr(0, plan.size() - 25));
    EXPECT_ANY_THROW(doc->Serialize(truncated));
    ExpectCountsMatchFlags("partial load");
}

} // namespace
