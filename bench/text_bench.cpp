// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/PlanGenerator.h"
#include "plan/PlanTemplate.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"
#include "text/BibleTextSource.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

namespace {

uint16_t Index(const char* reference) {
    CVerse r;
    r.SetFromText(reference);
    return r.GetIndex();
}

// The assignment with the most verses of the longest plan the template
// editor allows (5 years, 11 months, 2000 days, cut at verses, six sections).
CPlanElement LongestAssignmentOfTheLargestPlan() {
    const CPlanTemplate t = LargestTemplate();
    PlanSettings s;
    s.divideBy = t.divideBy;
    s.planLengthDays = t.PlanLengthDays();
    s.readOnWeekday = t.readOnWeekday;
    s.startDate = CJJulian::Day(2026, 12, 7);
    CPlanElement longest;
    uint32_t most = 0;
    for (const CPlanElement& e : BuildPlan(s, SectionBooksFrom(t.bookSection), nullptr)) {
        uint32_t verses = 0;
        for (const VerseRange& r : e.Ranges())
            verses += static_cast<uint32_t>(r.end - r.start) + 1;
        if (verses > most) {
            most = verses;
            longest = e;
        }
    }
    return longest;
}

// The source is opened once, as the program opens it; each iteration reads a
// passage it has not been given before only in the sense that nothing of the
// text is kept between passages.
void Passage(benchmark::State& state, const std::vector<VerseRange>& ranges) {
    const std::string module = state.range(0) == 0 ? "engKJV2006eb" : "engWEB2015eb";
    CBibleTextSource& source = TheBibleText();
    source.GetPassage(0, 0, module);
    size_t verses = 0;
    for (auto _ : state) {
        verses = 0;
        for (const VerseRange& r : ranges) {
            CPassage p = source.GetPassage(r.start, r.end, module);
            verses += p.verses.size();
            benchmark::DoNotOptimize(p);
        }
    }
    state.counters["verses"] = static_cast<double>(verses);
    state.SetLabel(module);
}

void BM_TextOfLongestAssignment(benchmark::State& state) {
    static const CPlanElement longest = LongestAssignmentOfTheLargestPlan();
    Passage(state, longest.Ranges());
}
BENCHMARK(BM_TextOfLongestAssignment)->Arg(0)->Arg(1)->ArgName("web")->Unit(benchmark::kMillisecond);

void BM_TextOfPsalm119(benchmark::State& state) {
    Passage(state, {{Index("Psalms 119:1"), Index("Psalms 119:176")}});
}
BENCHMARK(BM_TextOfPsalm119)->Arg(0)->Arg(1)->ArgName("web")->Unit(benchmark::kMillisecond);

// Opening SWORD and the module, which the program does once.
void BM_OpenTextSource(benchmark::State& state) {
    for (auto _ : state) {
        CBibleTextSource source;
        benchmark::DoNotOptimize(source.GetVerse(0, "engKJV2006eb"));
    }
}
BENCHMARK(BM_OpenTextSource)->Unit(benchmark::kMillisecond);

} // namespace
