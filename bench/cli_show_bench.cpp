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

#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Seconds the program takes with its output into `out`; < 0 when it failed.
double Run(std::vector<std::string> args, const std::string& out) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// command: what prints; its output is kept once as the floor's file, which cat prints.
void AgainstCat(benchmark::State& state, const std::vector<std::string>& command, const BenchDir& dir) {
    const std::string printed = dir.path + "/printed.txt";
    const std::string sink = dir.path + "/sink.txt";
    if (Run(command, printed) < 0) {
        state.SkipWithError("the command failed");
        return;
    }
    double floorTotal = 0, oursTotal = 0;
    for (auto _ : state) {
        const double floor = Run({"cat", printed}, sink);
        const double ours = Run(command, sink);
        if (floor < 0 || ours < 0) {
            state.SkipWithError("a run failed");
            break;
        }
        floorTotal += floor;
        oursTotal += ours;
        state.SetIterationTime(ours);
    }
    state.counters["floor_ms"] = benchmark::Counter(floorTotal * 1000, benchmark::Counter::kAvgIterations);
    if (floorTotal > 0) state.counters["ratio"] = oursTotal / floorTotal;
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
