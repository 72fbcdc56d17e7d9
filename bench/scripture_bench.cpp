// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <benchmark/benchmark.h>

namespace {

// Every absolute index of the canon to its reference.
void BM_IndexToReference(benchmark::State& state) {
    CBible& bible = TheBible();
    const uint16_t total = bible.GetTotalVerseCount();
    for (auto _ : state) {
        for (uint16_t i = 0; i < total; ++i)
            benchmark::DoNotOptimize(bible.GetVerseAt(i));
    }
    state.SetItemsProcessed(state.iterations() * total);
}
BENCHMARK(BM_IndexToReference);

// Every reference of the canon to its absolute index.
void BM_ReferenceToIndex(benchmark::State& state) {
    CBible& bible = TheBible();
    std::vector<CVerse> refs;
    for (uint16_t i = 0; i < bible.GetTotalVerseCount(); ++i)
        refs.push_back(bible.GetVerseAt(i));
    for (auto _ : state) {
        for (const CVerse& r : refs)
            benchmark::DoNotOptimize(bible.GetVerseIndex(r));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(refs.size()));
}
BENCHMARK(BM_ReferenceToIndex);

// Reference texts as users type them.
void BM_SetFromText(benchmark::State& state) {
    const std::string texts[] = {
        "John 3:16", "1 John 3:16", "Song Of Songs 2:4", "Psalms 119:176", "Revelation 22:21",
        "Jude 5",    "gen",         "Nowhere 9:9"};
    for (auto _ : state) {
        for (const std::string& t : texts) {
            CVerse r;
            r.SetFromText(t);
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(std::size(texts)));
}
BENCHMARK(BM_SetFromText);

} // namespace
