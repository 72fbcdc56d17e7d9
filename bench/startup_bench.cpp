// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a person sees it: a whole process, from its start to the first paint of its main
// window, against a bare Qt program with a main window of the same shape. Each iteration runs
// the two in turn, so that a change in the machine's speed falls on both; the time reported is
// the program's, the floor's is the counter beside it (ProcessPairs.h).
#include "ProcessPairs.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A home of its own: no reader yet, as on the first day, and no setting of the person's.
struct Sandbox {
    std::filesystem::path root;
    Sandbox() {
        root = std::filesystem::temp_directory_path() / ("startup-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(root / "data");
        std::filesystem::create_directories(root / "config");
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("SCRIVANE_EXIT_AT_FIRST_PAINT", "1", 1);
        setenv("QT_QPA_PLATFORM", std::getenv("DISPLAY") ? "xcb" : "offscreen", 0);
    }
    ~Sandbox() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
};

void StartUpToFirstPaint(benchmark::State& state) {
    Sandbox sandbox;
    RunAgainstFloor(
        state, [] { return TimeProcess({SCRIVANE_BARE_START}); },
        [] { return TimeProcess({SCRIVANE_PROGRAM}); });
}
BENCHMARK(StartUpToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5);

} // namespace
