// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading against their floors: the same bytes written with the
// same atomic save (temporary file, fsync, rename), or read back whole.
#include "foundation/Archive.h"
#include "foundation/FileAccess.h"
#include "notes/BibleNoteMap.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

CBibleNoteMap NoteOnEveryVerse() {
    CBibleNoteMap map;
    for (uint16_t i = 0; i < TheBible().GetTotalVerseCount(); ++i)
        map.SetNote(i, "A note of about forty characters, typed.");
    return map;
}

std::string StoredBytes(CBibleNoteMap& map) {
    CArchive ar;
    map.Serialize(ar);
    return ar.Bytes();
}

// A note on every verse stored to its file, as a closing environment does.
void BM_StoreAllNotesToFile(benchmark::State& state) {
    BenchDir dir;
    CBibleNoteMap map = NoteOnEveryVerse();
    const std::string path = dir.path + "/Bench.vnnot";
    for (auto _ : state) {
        CArchive ar;
        map.Serialize(ar);
        SaveFileAtomic(path, ar.Bytes());
    }
}
BENCHMARK(BM_StoreAllNotesToFile)->Unit(benchmark::kMillisecond);

void BM_FloorWriteNotesBytes(benchmark::State& state) {
    BenchDir dir;
    CBibleNoteMap map = NoteOnEveryVerse();
    const std::string bytes = StoredBytes(map);
    const std::string path = dir.path + "/Bench.vnnot";
    for (auto _ : state)
        SaveFileAtomic(path, bytes);
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_FloorWriteNotesBytes)->Unit(benchmark::kMillisecond);

// Every note of a full file loaded, as an opening environment does.
void BM_LoadAllNotesFromFile(benchmark::State& state) {
    BenchDir dir;
    CBibleNoteMap map = NoteOnEveryVerse();
    const std::string path = dir.path + "/Bench.vnnot";
    SaveFileAtomic(path, StoredBytes(map));
    for (auto _ : state) {
        CBibleNoteMap loaded;
        CArchive ar(ReadWholeFile(path), path);
        loaded.Serialize(ar);
        benchmark::DoNotOptimize(loaded.GetCount());
    }
}
BENCHMARK(BM_LoadAllNotesFromFile)->Unit(benchmark::kMillisecond);

void BM_FloorReadNotesBytes(benchmark::State& state) {
    BenchDir dir;
    CBibleNoteMap map = NoteOnEveryVerse();
    const std::string path = dir.path + "/Bench.vnnot";
    SaveFileAtomic(path, StoredBytes(map));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(path));
}
BENCHMARK(BM_FloorReadNotesBytes)->Unit(benchmark::kMillisecond);

// One note changed in a full file: load, set, store (what `notes set` does).
void BM_SetOneNoteInFullFile(benchmark::State& state) {
    BenchDir dir;
    CBibleNoteMap map = NoteOnEveryVerse();
    const std::string path = dir.path + "/Bench.vnnot";
    SaveFileAtomic(path, StoredBytes(map));
    uint16_t verse = 0;
    for (auto _ : state) {
        CBibleNoteMap loaded;
        CArchive in(ReadWholeFile(path), path);
        loaded.Serialize(in);
        loaded.SetNote(verse++ % 1000, "changed");
        CArchive out;
        loaded.Serialize(out);
        SaveFileAtomic(path, out.Bytes());
    }
}
BENCHMARK(BM_SetOneNoteInFullFile)->Unit(benchmark::kMillisecond);

// Notes added over the canon one by one; a chain that grows at its front must
// not cost the square of its length.
void BM_AddNotesInCanonOrder(benchmark::State& state) {
    const auto count = static_cast<uint16_t>(state.range(0));
    for (auto _ : state) {
        CBibleNoteMap map;
        for (uint16_t i = 0; i < count; ++i)
            map.SetNote(i, "n");
        benchmark::DoNotOptimize(map.GetCount());
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_AddNotesInCanonOrder)->RangeMultiplier(2)->Range(3900, 31200)->Complexity();

// The reference of every verse of the canon, as `plan show` and `notes show` print them.
void BM_ReferenceOfEveryVerse(benchmark::State& state) {
    CBible& bible = TheBible();
    const uint16_t total = bible.GetTotalVerseCount();
    for (auto _ : state)
        for (uint16_t i = 0; i < total; ++i)
            benchmark::DoNotOptimize(bible.GetVerseAt(i));
}
BENCHMARK(BM_ReferenceOfEveryVerse);

} // namespace
