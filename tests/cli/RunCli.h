// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct CliResult {
    int status;
    std::string out;
};

// Runs scrivane-cli with the given arguments (shell-quoted by the caller) and
// an optional environment prefix; stderr is discarded so that out is exactly
// what a script would read.
// Runs a shell command line: its exit status and what it wrote on stdout.
inline CliResult RunShell(const std::string& cmd) {
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

inline CliResult RunCli(const std::string& args, const std::string& env = "") {
    return RunShell(env + " " SCRIVANE_CLI_PATH " " + args + " 2>/dev/null");
}

struct CliRun {
    int status;
    std::string out, err;
};

// As RunCli, but keeps what the command says on stderr.
inline CliRun RunCliWithErr(const std::string& args, const std::string& env = "") {
    char errFile[] = "/tmp/scrivane-cli-err-XXXXXX";
    int fd = ::mkstemp(errFile);
    if (fd >= 0) ::close(fd);
    std::string cmd = env + " " SCRIVANE_CLI_PATH " " + args + " 2>" + errFile;
    CliRun r{-1, {}, {}};
    if (FILE* p = ::popen(cmd.c_str(), "r")) {
        std::array<char, 4096> buf;
        size_t n;
        while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
            r.out.append(buf.data(), n);
        int st = ::pclose(p);
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    if (FILE* e = ::fopen(errFile, "r")) {
        std::array<char, 4096> buf;
        size_t n;
        while ((n = fread(buf.data(), 1, buf.size(), e)) > 0)
            r.err.append(buf.data(), n);
        ::fclose(e);
    }
    ::unlink(errFile);
    return r;
}

// What a command wrote, a line at a time.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
