#include "calendar/PlanCalendar.h"
#include "foundation/Clock.h"
#include "framework/ScriptedUiServices.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// The longest plan the template editor allows: 5 years, 11 months and 2000
// days, every day, six sections.
CPlanTemplate LargestTemplate() {
    CPlanTemplate t = CPlanTemplate::EditorDefaults();
    t.planYears = 5;
    t.planMonths = 11;
    t.planDays = 2000;
    t.divideBy = 1;
    t.sectionCount = 6;
    for (size_t b = 0; b < t.bookSection.size(); ++b)
        t.bookSection[b] = static_cast<int32_t>(b * 6 / t.bookSection.size() + 1);
    return t;
}

void BM_ExportLargestPlan(benchmark::State& state) {
    CScriptedUiServices ui;
    CReaderContext reader; // no stem: the document writes nothing
    reader.displayName = "Bench";
    CReadingPlanDoc doc(ui, reader);
    doc.OnNewDocument();
    SetTodayOverride(CJJulian::Day(2026, 12, 7));
    doc.SetStartDate(Today());
    doc.GenerateFromTemplate(LargestTemplate(), nullptr);
    // A third of it read, so that finished and unfinished events are both written.
    for (uint16_t i = 0; i < doc.GetElementCount() / 3; ++i)
        doc.FinishElement(i);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("scrivane-bench-" + std::to_string(::getpid()) + ".ics"))
            .string();
    PlanCalendarOptions options;
    options.readerStem = "\\Bench";
    options.calendarName = "Bench's Reading Plan";
    size_t bytes = 0;
    for (auto _ : state) {
        ExportPlanCalendar(doc, options, path);
        bytes = std::filesystem::file_size(path);
    }
    std::filesystem::remove(path);
    state.counters["assignments"] = doc.GetElementCount();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportLargestPlan)->Unit(benchmark::kMillisecond);

} // namespace
