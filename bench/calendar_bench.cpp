// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/PlanCalendar.h"
#include "foundation/Clock.h"
#include "framework/ScriptedUiServices.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

// The largest plan, a third of it read, so that finished and unfinished events are both written.
const CReadingPlanDoc& LargestPlan() {
    static CScriptedUiServices ui;
    static CReaderContext reader; // no stem: the document writes nothing
    static std::unique_ptr<CReadingPlanDoc> doc = [] {
        reader.displayName = "Bench";
        auto d = std::make_unique<CReadingPlanDoc>(ui, reader);
        d->OnNewDocument();
        SetTodayOverride(CJJulian::Day(2026, 12, 7));
        d->SetStartDate(Today());
        d->GenerateFromTemplate(LargestTemplate(), nullptr);
        for (uint16_t i = 0; i < d->GetElementCount() / 3; ++i)
            d->FinishElement(i);
        return d;
    }();
    return *doc;
}

PlanCalendarOptions Options() {
    PlanCalendarOptions options;
    options.readerStem = "\\Bench";
    options.calendarName = "Bench's Reading Plan";
    return options;
}

// The calendar text alone: what libical and the readings' texts cost.
void BM_CalendarTextLargestPlan(benchmark::State& state) {
    const CReadingPlanDoc& doc = LargestPlan();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = PlanCalendarText(doc, Options());
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["assignments"] = doc.GetElementCount();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CalendarTextLargestPlan)->Unit(benchmark::kMillisecond);

// The whole export, including the atomic write (flushed to disk) of the file.
void BM_ExportLargestPlan(benchmark::State& state) {
    const CReadingPlanDoc& doc = LargestPlan();
    const std::string path =
        (std::filesystem::temp_directory_path() / ("scrivane-bench-" + std::to_string(::getpid()) + ".ics"))
            .string();
    size_t bytes = 0;
    for (auto _ : state) {
        ExportPlanCalendar(doc, Options(), path);
        bytes = std::filesystem::file_size(path);
    }
    std::filesystem::remove(path);
    state.counters["assignments"] = doc.GetElementCount();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportLargestPlan)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
