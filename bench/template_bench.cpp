// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/TemplateText.h"

#include <benchmark/benchmark.h>

namespace {

// A year of explicit readings, one chapter range and one verse range a day.
std::string YearOfReadings() {
    std::string text = "<TITLE = Year><ALLDA = 1>\r\n! one reading a day\r\n";
    const char* books[] = {"Genesis", "Psalms", "Isaiah", "Matthew", "John", "Romans"};
    for (int day = 0; day < 365; ++day) {
        text += "/ [" + std::string(books[day % 6]) + " " + std::to_string(day % 20 + 1) + "]";
        text += " [Proverbs " + std::to_string(day % 31 + 1) + ":1-10]\r\n";
    }
    return text;
}

void BM_ParseTextImport(benchmark::State& state) {
    const std::string text = YearOfReadings();
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseTextImport(text));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseTextImport);

void BM_TemplateTextRoundTrip(benchmark::State& state) {
    CPlanTemplate t = CPlanTemplate::EditorDefaults();
    for (auto _ : state) {
        CPlanTemplate written = t;
        benchmark::DoNotOptimize(ReadTemplateText(WriteTemplateText(written, "Default")));
    }
}
BENCHMARK(BM_TemplateTextRoundTrip);

} // namespace
