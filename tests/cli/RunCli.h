#pragma once
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct CliResult {
    int status;
    std::string out;
};

// Runs scrivane-cli with the given arguments (shell-quoted by the caller) and
// an optional environment prefix; stderr is discarded so that out is exactly
// what a script would read.
inline CliResult RunCli(const std::string& args, const std::string& env = "") {
    std::string cmd = env + " " SCRIVANE_CLI_PATH " " + args + " 2>/dev/null";
    FILE* p = ::popen(cmd.c_str(), "r");
    CliResult r{-1, {}};
    if (!p) return r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}
