// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a person sees it: a whole process, from its start to the first paint of its main
// window, against a bare Qt program with a main window of the same shape. Each iteration runs
// the two in turn, so that a change in the machine's speed falls on both; the time reported is
// the program's, the floor's is the counter beside it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Seconds from the spawn to the end of a process that ends at its first paint; < 0 on failure.
double RunToFirstPaint(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

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
    double floorTotal = 0, oursTotal = 0;
    for (auto _ : state) {
        const double floor = RunToFirstPaint(SCRIVANE_BARE_START);
        const double ours = RunToFirstPaint(SCRIVANE_PROGRAM);
        if (floor < 0 || ours < 0) {
            state.SkipWithError("a program did not reach its first paint");
            break;
        }
        floorTotal += floor;
        oursTotal += ours;
        state.SetIterationTime(ours);
    }
    state.counters["floor_ms"] = benchmark::Counter(floorTotal * 1000, benchmark::Counter::kAvgIterations);
    if (floorTotal > 0) state.counters["ratio"] = oursTotal / floorTotal;
}
BENCHMARK(StartUpToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5);

} // namespace
