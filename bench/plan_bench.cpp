// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/ScriptedUiServices.h"
#include "plan/PlanGenerator.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "scripture/Bible.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

// The largest plan, by verses, made and saved into dir's reader files.
void WriteLargestPlanFiles(const BenchDir& dir, CScriptedUiServices& ui) {
    CPlanTemplate t = LargestTemplate(1);
    const std::string templatePath = dir.path + "/Largest.vntpl";
    SaveTemplateFile(templatePath, t);
    CReadingPlanDoc doc(ui, dir.reader);
    doc.OnNewDocument();
    doc.NewPlanFromFile(templatePath);
    doc.SaveDirtyFiles();
}

void BM_BuildLargestPlan(benchmark::State& state) {
    const CPlanTemplate t = LargestTemplate(static_cast<int32_t>(state.range(0)));
    PlanSettings s;
    s.divideBy = t.divideBy;
    s.planLengthDays = t.PlanLengthDays();
    s.readOnWeekday = t.readOnWeekday;
    s.startDate = CJJulian::Day(2026, 12, 7);
    const SectionBooks rows = SectionBooksFrom(t.bookSection);
    size_t days = 0;
    for (auto _ : state) {
        auto plan = BuildPlan(s, rows, nullptr);
        days = plan.size();
        benchmark::DoNotOptimize(plan);
    }
    state.counters["days"] = static_cast<double>(days);
}
BENCHMARK(BM_BuildLargestPlan)->Arg(0)->Arg(1)->ArgName("divideBy")->Unit(benchmark::kMillisecond);

// New Plan as the user runs it: template file read, old plan folded away,
// plan generated, both files written.
void BM_NewPlanFromTemplateToFiles(benchmark::State& state) {
    BenchDir dir;
    CPlanTemplate t = LargestTemplate(static_cast<int32_t>(state.range(0)));
    const std::string templatePath = dir.path + "/Largest.vntpl";
    SaveTemplateFile(templatePath, t);
    SetTodayOverride(CJJulian::Day(2026, 12, 7));
    CScriptedUiServices ui;
    CReadingPlanDoc doc(ui, dir.reader);
    doc.OnNewDocument();
    for (auto _ : state) {
        doc.NewPlanFromFile(templatePath);
        doc.SaveDirtyFiles();
    }
    state.counters["assignments"] = doc.GetElementCount();
    SetTodayOverride(std::nullopt);
}
BENCHMARK(BM_NewPlanFromTemplateToFiles)->Arg(0)->Arg(1)->ArgName("divideBy")->Unit(benchmark::kMillisecond);

// The floor of New Plan to its files (divideBy:1 above): the same two files'
// bytes, each written atomically with fsync and rename.
void BM_FloorWriteLargestPlanBytes(benchmark::State& state) {
    BenchDir dir;
    const std::string templatePath = dir.path + "/Largest.vntpl";
    CPlanTemplate largest = LargestTemplate();
    SaveTemplateFile(templatePath, largest);
    CScriptedUiServices ui;
    std::string plan, history;
    {
        CReadingPlanDoc doc(ui, dir.reader);
        doc.OnNewDocument();
        doc.NewPlanFromFile(templatePath);
        doc.SaveDirtyFiles();
        plan = ReadWholeFile(doc.PlanFilePath());
        history = ReadWholeFile(doc.HistoryFilePath());
    }
    for (auto _ : state) {
        SaveFileAtomic(dir.path + "/Floor.vnpln", plan);
        SaveFileAtomic(dir.path + "/Floor.vnpro", history);
    }
}
BENCHMARK(BM_FloorWriteLargestPlanBytes)->Unit(benchmark::kMillisecond);

// Both files of the largest plan loaded, and written back.
void BM_LoadAndSaveLargestPlanFiles(benchmark::State& state) {
    BenchDir dir;
    CScriptedUiServices ui;
    WriteLargestPlanFiles(dir, ui);
    const bool save = state.range(0) == 1;
    CReadingPlanDoc doc(ui, dir.reader);
    doc.OnNewDocument();
    for (auto _ : state) {
        if (save) {
            doc.SetPlanDirty(true);
            doc.SetHistoryDirty(true);
            doc.SaveDirtyFiles();
        } else {
            doc.OnNewDocument();
        }
    }
    state.counters["bytes"] =
        static_cast<double>(*FileSize(doc.PlanFilePath()) + *FileSize(doc.HistoryFilePath()));
}
BENCHMARK(BM_LoadAndSaveLargestPlanFiles)->Arg(0)->Arg(1)->ArgName("save")->Unit(benchmark::kMillisecond);

// Finished Reading on the largest plan as the window runs it: recorded for Undo and committed at once
// (undo:1 takes it back again in the same iteration, a second commit).
void BM_FinishedReadingCommittedAtOnce(benchmark::State& state) {
    BenchDir dir;
    CScriptedUiServices ui;
    WriteLargestPlanFiles(dir, ui);
    const bool undo = state.range(0) == 1;
    CReadingPlanDoc doc(ui, dir.reader);
    doc.OnNewDocument();
    doc.SetCommitAtOnce(true);
    uint16_t i = 0;
    for (auto _ : state) {
        doc.FinishElement(i);
        if (undo)
            doc.Undo();
        else
            i = static_cast<uint16_t>((i + 1) % doc.GetElementCount());
    }
}
BENCHMARK(BM_FinishedReadingCommittedAtOnce)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("undo")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
