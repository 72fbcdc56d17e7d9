// SPDX-License-Identifier: GPL-3.0-or-later
// The reading journal's cost: what a year of daily use adds to it, and what a long journal adds to
// opening a reader.
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/ScriptedUiServices.h"
#include "journal/Journal.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "scripture/Bible.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// A year of daily use: each day's assignment finished, and once a week an extra reading and a
// verse note, on the largest plan (years: 0) or a six-section plan read through in one year (1).
std::string YearOfUse(const BenchDir& dir, int yearPlan) {
    ::setenv("SCRIVANE_DEVICE", "bench", 1);
    CPlanTemplate t = LargestTemplate(1);
    if (yearPlan) {
        t.planYears = 1;
        t.planMonths = 0;
        t.planDays = 0;
    }
    const std::string templatePath = dir.path + "/Plan.vntpl";
    SaveTemplateFile(templatePath, t);
    SetTodayOverride(CJJulian::Day(2027, 1, 1));
    CScriptedUiServices ui;
    CReadingPlanDoc doc(ui, dir.reader);
    doc.OnNewDocument();
    doc.SetCommitAtOnce(true);
    doc.NewPlanFromFile(templatePath);
    for (uint16_t day = 0; day < 365; ++day) {
        const CJJulian date = CJJulian::Day(2027, 1, 1).AddDays(static_cast<int16_t>(day));
        char now[32];
        std::snprintf(now, sizeof now, "%04d-%02d-%02dT07:%02d:00", date.GetYear(), date.GetMonth(),
                      date.GetDay(), day % 60);
        ::setenv("SCRIVANE_NOW", now, 1);
        doc.FinishElement(day);
        if (day % 7 == 3) {
            const uint16_t at = static_cast<uint16_t>(20000 + day * 3);
            ui.extraReadingAnswers.push_back(ExtraReading{at, static_cast<uint16_t>(at + 20), 0});
            doc.OnEnterReading();
        }
    }
    ::unsetenv("SCRIVANE_NOW");
    return dir.path + "/journal/bench.jsonl";
}

void BM_JournalYearOfDailyUse(benchmark::State& state) {
    double bytes = 0;
    for (auto _ : state) {
        BenchDir dir;
        const std::string journal = YearOfUse(dir, static_cast<int>(state.range(0)));
        bytes = static_cast<double>(FileSize(journal).value_or(0));
    }
    state.counters["journal_bytes"] = bytes;
    state.counters["bytes_per_day"] = bytes / 365;
}
BENCHMARK(BM_JournalYearOfDailyUse)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("yearPlan")
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// Opening a reader, with no journal (years: 0) or ten years of daily use before the files (10):
// nine years copied ahead of the year really made, so that the last entries agree with the files.
void BM_OpenReaderWithJournal(benchmark::State& state) {
    static BenchDir dir;
    static const std::string journal = YearOfUse(dir, 0);
    static const std::string year = ReadWholeFile(journal, uint64_t(1) << 30);
    const int years = static_cast<int>(state.range(0));
    std::error_code ec;
    std::filesystem::remove_all(dir.path + "/journal", ec);
    if (years > 0) {
        std::filesystem::create_directories(dir.path + "/journal");
        // Renumbered so that the device's count rises through the file, as it would.
        std::string all;
        uint64_t seq = 0;
        for (int y = 0; y < years; ++y) {
            size_t at = 0;
            for (size_t nl; (nl = year.find('\n', at)) != std::string::npos; at = nl + 1) {
                std::optional<CJournalEntry> e =
                    ParseJournalEntry(std::string_view(year).substr(at, nl - at));
                if (!e) continue;
                e->seq = e->clock = ++seq;
                all += FormatJournalEntry(*e) + "\n";
            }
        }
        std::ofstream(journal, std::ios::binary) << all;
        state.counters["journal_bytes"] = static_cast<double>(all.size());
    }
    CScriptedUiServices ui;
    for (auto _ : state) {
        CReadingPlanDoc doc(ui, dir.reader);
        doc.SetCommitAtOnce(true);
        doc.OnNewDocument();
        benchmark::DoNotOptimize(doc.CanUndo());
    }
    if (!ui.messageBoxes.empty()) state.SkipWithError(ui.messageBoxes.front().text.c_str());
}
BENCHMARK(BM_OpenReaderWithJournal)->Arg(0)->Arg(10)->ArgName("years")->Unit(benchmark::kMillisecond);

} // namespace
