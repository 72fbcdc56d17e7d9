// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Archive.h"
#include "notes/BibleNoteMap.h"
#include "scripture/Bible.h"

#include <benchmark/benchmark.h>

namespace {

CBibleNoteMap FullMap() {
    CBibleNoteMap map;
    for (uint16_t i = 0; i < TheBible().GetTotalVerseCount(); ++i)
        map.SetNote(i, "A note of about forty characters, typed.");
    return map;
}

// A note on every verse of the canon, added in canon order.
void BM_NoteEveryVerse(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FullMap());
    state.SetItemsProcessed(state.iterations() * TheBible().GetTotalVerseCount());
}
BENCHMARK(BM_NoteEveryVerse)->Unit(benchmark::kMillisecond);

void BM_StoreFullMap(benchmark::State& state) {
    CBibleNoteMap map = FullMap();
    for (auto _ : state) {
        CArchive ar;
        map.Serialize(ar);
        benchmark::DoNotOptimize(ar.Bytes().size());
    }
}
BENCHMARK(BM_StoreFullMap)->Unit(benchmark::kMillisecond);

void BM_LoadFullMap(benchmark::State& state) {
    CBibleNoteMap map = FullMap();
    CArchive out;
    map.Serialize(out);
    for (auto _ : state) {
        CBibleNoteMap loaded;
        CArchive in(out.Bytes());
        loaded.Serialize(in);
        benchmark::DoNotOptimize(loaded.GetCount());
    }
}
BENCHMARK(BM_LoadFullMap)->Unit(benchmark::kMillisecond);

// Next through a map with a note every hundred verses, from the first to the last.
void BM_WalkSparseNotes(benchmark::State& state) {
    CBibleNoteMap map;
    for (uint16_t i = 0; i < TheBible().GetTotalVerseCount(); i += 100)
        map.SetNote(i, "x");
    for (auto _ : state) {
        int steps = 0;
        for (uint16_t i = map.MinNoted(); i != kNoVerse; i = map.NextNoted(i))
            ++steps;
        benchmark::DoNotOptimize(steps);
    }
}
BENCHMARK(BM_WalkSparseNotes);

} // namespace
