// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole processes timed against a floor that is a process too: the two run in turn in each
// iteration, so that a change in the machine's speed falls on both. The time reported is the
// program's; the floor's and the ratio of the two are counters beside it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// Seconds from the spawn to the end of a process (its stdout into `out`, or the benchmark's own
// when empty); < 0 when it could not start or did not end with status 0.
inline double TimeProcess(std::vector<std::string> args, const std::string& out = {}) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!out.empty())
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

inline void RunAgainstFloor(benchmark::State& state, const std::function<double()>& floor,
                            const std::function<double()>& ours) {
    double floorTotal = 0, oursTotal = 0;
    for (auto _ : state) {
        const double f = floor();
        const double o = ours();
        if (f < 0 || o < 0) {
            state.SkipWithError("a run failed");
            break;
        }
        floorTotal += f;
        oursTotal += o;
        state.SetIterationTime(o);
    }
    state.counters["floor_ms"] = benchmark::Counter(floorTotal * 1000, benchmark::Counter::kAvgIterations);
    if (floorTotal > 0) state.counters["ratio"] = oursTotal / floorTotal;
}
