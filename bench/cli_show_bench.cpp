// SPDX-License-Identifier: GPL-3.0-or-later
// The show commands as a person runs them: scrivane-cli as a whole process printing the largest
// plan, or a note on every verse, against cat printing the same bytes from a file. Each
// iteration runs the two in turn; the time reported is the command's, the floor's is the counter
// beside it.
#include "foundation/Archive.h"
#include "foundation/FileAccess.h"
#include "framework/ScriptedUiServices.h"
#include "notes/BibleNoteMap.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "scripture/Bible.h"

#include "BenchSupport.h"
#include "ProcessPairs.h"

#include <string>
#include <vector>

namespace {

// command: what prints; its output is kept once as the floor's file, which cat prints.
void AgainstCat(benchmark::State& state, const std::vector<std::string>& command, const BenchDir& dir) {
    const std::string printed = dir.path + "/printed.txt";
    const std::string sink = dir.path + "/sink.txt";
    if (TimeProcess(command, printed) < 0) {
        state.SkipWithError("the command failed");
        return;
    }
    RunAgainstFloor(
        state,
        [&] {
            return TimeProcess({"cat", printed}, sink);
        },
        [&] { return TimeProcess(command, sink); });
    state.counters["bytes"] = static_cast<double>(FileSize(printed).value_or(0));
}

// The largest plan the template editor makes: six sections, every day, by verses.
void PlanShow(benchmark::State& state) {
    BenchDir dir;
    CScriptedUiServices ui;
    const std::string templatePath = dir.path + "/Largest.vntpl";
    CPlanTemplate largest = LargestTemplate(1);
    SaveTemplateFile(templatePath, largest);
    CReadingPlanDoc doc(ui, dir.reader);
    doc.OnNewDocument();
    doc.NewPlanFromFile(templatePath);
    doc.SaveDirtyFiles();
    AgainstCat(state, {SCRIVANE_CLI, "plan", "show", dir.path + "/Bench"}, dir);
}
BENCHMARK(PlanShow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

// A note of about forty characters on every verse.
void NotesShow(benchmark::State& state) {
    BenchDir dir;
    CBibleNoteMap map;
    for (uint16_t i = 0; i < TheBible().GetTotalVerseCount(); ++i)
        map.SetNote(i, "A note of about forty characters, typed.");
    CArchive ar;
    map.Serialize(ar);
    const std::string notes = dir.path + "/Bench.vnnot";
    SaveFileAtomic(notes, ar.Bytes());
    AgainstCat(state, {SCRIVANE_CLI, "notes", "show", notes}, dir);
}
BENCHMARK(NotesShow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

} // namespace
