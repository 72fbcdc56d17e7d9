// SPDX-License-Identifier: GPL-3.0-or-later
// Two scrivane-cli programs at once, each making its own updates one after
// another to one plan, one notes file and one reader file: every update is
// either kept or refused with exit status 1, never lost silently. Prints the
// totals.
#include "foundation/Archive.h"
#include "foundation/FileAccess.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "notes/BibleNoteMap.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/ReaderFile.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

int Updates() {
    const char* v = std::getenv("SCRIVANE_CONCURRENT_UPDATES");
    return v ? std::atoi(v) : 200;
}

int Cli(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(SCRIVANE_CLI_PATH)};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(SCRIVANE_CLI_PATH, argv.data());
        ::_exit(127);
    }
    int st = 0;
    ::waitpid(pid, &st, 0);
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

struct Outcome {
    std::vector<int> status; // per update, per program
};

// Runs update(program, i) for i = 0 … n-1 in two programs at once.
std::vector<std::vector<int>> Race(int n, const std::function<std::vector<std::string>(int, int)>& update) {
    std::vector<std::vector<int>> status(2, std::vector<int>(n, -1));
    std::vector<std::thread> programs;
    for (int p = 0; p < 2; ++p)
        programs.emplace_back([&, p] {
            for (int i = 0; i < n; ++i)
                status[p][i] = Cli(update(p, i));
        });
    for (std::thread& t : programs)
        t.join();
    return status;
}

struct Totals {
    int kept = 0, refused = 0, lost = 0, other = 0;
};

// kept(p, i) says whether update i of program p is in the files.
Totals Count(const std::vector<std::vector<int>>& status, const std::function<bool(int, int)>& kept) {
    Totals t;
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < static_cast<int>(status[p].size()); ++i) {
            const bool in = kept(p, i);
            if (status[p][i] == 0 && in)
                ++t.kept;
            else if (status[p][i] == 0)
                ++t.lost; // reported done, yet not there
            else if (status[p][i] == 1 && !in)
                ++t.refused;
            else
                ++t.other;
        }
    return t;
}

bool Report(const char* what, const Totals& t) {
    std::cout << what << ": kept " << t.kept << ", refused with exit 1 " << t.refused << ", lost " << t.lost
              << ", other " << t.other << "\n";
    return t.lost == 0 && t.other == 0 && t.kept > 0;
}

} // namespace

int main() {
    const int n = Updates();
    char tmpl[] = "/tmp/scrivane-concurrent-XXXXXX";
    const std::string base = ::mkdtemp(tmpl);
    ::setenv("SCRIVANE_TODAY", "2026-12-05", 1);
    std::ofstream(base + "/w.txt") << "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2]";
    const std::string stem = base + "/Bob (John Smith)/Bob";
    if (Cli({"reader", "new", "Bob", "John", "Smith", "--base", base}) != 0 ||
        Cli({"plan", "new", stem, base + "/w.txt", "--yes"}) != 0) {
        std::cerr << "could not set up the reader\n";
        return 1;
    }
    bool ok = true;

    // Plan: each update reads one verse of its own into the lifetime history.
    auto verse = [](int p, int i) { return 10000 + p * 5000 + i; };
    auto planStatus = Race(n, [&](int p, int i) {
        const std::string v = std::to_string(verse(p, i));
        return std::vector<std::string>{"plan", "read", stem, v, v, "--lifetime-only", "--yes"};
    });
    {
        CScriptedUiServices ui;
        CReaderContext ctx;
        ctx.fileStem = stem;
        CReadingPlanDoc doc(ui, ctx);
        doc.OnNewDocument();
        ok = Report("plan read", Count(planStatus,
                                       [&](int p, int i) {
                                           return doc.GetLifetimeCount(static_cast<uint16_t>(verse(p, i))) ==
                                                  1;
                                       })) &&
             ok;
    }

    // Notes: each update writes the note of a verse of its own.
    auto reference = [](int p, int i) {
        return std::string(p ? "Exodus " : "Genesis ") + std::to_string(i / 8 + 1) + ":" +
               std::to_string(i % 8 + 1);
    };
    const std::string notes = stem + ".vnnot";
    auto notesStatus = Race(n, [&](int p, int i) {
        return std::vector<std::string>{"notes", "set", notes, reference(p, i), "note " + std::to_string(i)};
    });
    {
        CBibleNoteMap map;
        CArchive ar(ReadWholeFile(notes), notes);
        map.Serialize(ar);
        ok = Report("notes set", Count(notesStatus,
                                       [&](int p, int i) {
                                           CVerse v;
                                           v.SetFromText(reference(p, i));
                                           return map.GetNote(TheBible().GetVerseIndex(v)) ==
                                                  "note " + std::to_string(i);
                                       })) &&
             ok;
    }

    // Reader file: each update adds a reader of its own.
    auto nick = [](int p, int i) { return std::string(p ? "B" : "A") + std::to_string(i); };
    auto readerStatus = Race(n, [&](int p, int i) {
        return std::vector<std::string>{"reader", "new", nick(p, i), "F", "L", "--base", base};
    });
    {
        std::string last;
        CReaderArray readers;
        ReadReaderFile(base, last, readers);
        int orphans = 0;
        for (const auto& e : fs::directory_iterator(base)) {
            if (!e.is_directory()) continue;
            bool named = false;
            for (int i = 0; i < readers.GetCount() && !named; ++i)
                named = readers.At(i).GetFileStem().rfind("\\" + e.path().filename().string() + "\\", 0) == 0;
            orphans += !named;
        }
        ok = Report("reader new", Count(readerStatus,
                                        [&](int p, int i) {
                                            CReaderData probe;
                                            probe.SetNickname(nick(p, i));
                                            return readers.FindNickname(probe) >= 0;
                                        })) &&
             ok;
        std::cout << "reader directories without a reader: " << orphans << "\n";
        ok = ok && orphans == 0;
    }
    fs::remove_all(base);
    return ok ? 0 : 1;
}
