// SPDX-License-Identifier: GPL-3.0-or-later
// Kills scrivane-cli after each of its file operations in turn (through
// SCRIVANE_CRASH_AFTER_FILE_OPS) on every path that saves, and checks after
// each kill that the next load finds the complete old state or the complete
// new one (no lost reading, no orphaned reader) and nothing left over.
// Prints the figures of each command and the totals.
#include "foundation/FileAccess.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "notes/BibleNoteDoc.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/ReaderFile.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using State = std::map<std::string, std::string>;

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs the CLI; its exit status, or -signal when it was killed.
int Cli(const std::vector<std::string>& args, long crashAfter) {
    pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("SCRIVANE_TODAY", "2026-12-05", 1);
        if (crashAfter > 0) ::setenv("SCRIVANE_CRASH_AFTER_FILE_OPS", std::to_string(crashAfter).c_str(), 1);
        std::FILE* null = std::fopen("/dev/null", "w");
        ::dup2(::fileno(null), 1);
        ::dup2(::fileno(null), 2);
        std::vector<char*> argv{const_cast<char*>(SCRIVANE_CLI_PATH)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(SCRIVANE_CLI_PATH, argv.data());
        ::_exit(127);
    }
    int st = 0;
    ::waitpid(pid, &st, 0);
    return WIFSIGNALED(st) ? -WTERMSIG(st) : WEXITSTATUS(st);
}

struct Loaded {
    State files;
    int orphans = 0;
    // What the next program leaves of an interrupted command besides the
    // data: empty directories no reader names, temporaries, commit records
    // and directories moved out of the way.
    int leftovers = 0;
    std::string problem;
};

bool IsLeftover(const std::string& name) {
    return name.find(".tmp-") != std::string::npos || name.rfind(".scrivane-", 0) == 0 ||
           (name.size() > 7 && name.compare(name.size() - 7, 7, ".commit") == 0);
}

// What the next program sees: the reader file read after an interrupted
// reader command was finished, each reader's verse notes and plan loaded as
// their windows load them
// (which finishes an interrupted save of plan and history), and then every
// file's bytes. Temporaries and the lock's holder note are no data.
Loaded Load(const std::string& base, const std::string& keptDirectory = {}) {
    Loaded l;
    if (std::string why; !RecoverReaderCommit(base, &why)) l.problem = why;
    std::string last;
    CReaderArray readers;
    ReaderFileLoad r = LoadReaderFile(base, last, readers);
    if (!r.ok) l.problem = r.message;
    std::set<std::string> named;
    for (int i = 0; i < readers.GetCount(); ++i) {
        CReaderContext ctx;
        ctx.baseDirectory = base;
        ctx.fileStem = readers.At(i).GetFileStem();
        ctx.displayName = readers.At(i).GetDisplayName();
        const std::string dir = ParentDirectory(JoinStem(base, ctx.fileStem));
        named.insert(fs::path(dir).filename().string());
        if (!fs::is_directory(dir)) {
            ++l.orphans; // a record whose files are gone
            continue;
        }
        {
            CScriptedUiServices ui;
            CBibleNoteDoc notes(ui, ctx);
            notes.OnNewDocument();
            if (!ui.messageBoxes.empty()) l.problem = ui.messageBoxes.front().text;
        }
        if (FileExists(JoinStem(base, ctx.fileStem) + ".vnpln")) {
            CScriptedUiServices ui;
            CReadingPlanDoc doc(ui, ctx);
            doc.OnNewDocument();
            if (!ui.messageBoxes.empty()) l.problem = ui.messageBoxes.front().text;
        }
    }
    for (const auto& e : fs::directory_iterator(base)) {
        if (!e.is_directory()) continue;
        const std::string name = e.path().filename().string();
        if (named.count(name)) continue;
        if (IsLeftover(name) || name == keptDirectory) continue;
        if (fs::is_empty(e.path()))
            ++l.leftovers; // made for a reader that was never recorded; holds nothing
        else
            ++l.orphans; // files no reader names
    }
    for (const auto& e : fs::recursive_directory_iterator(base)) {
        const std::string name = e.path().filename().string();
        if (IsLeftover(name)) ++l.leftovers;
        if (IsLeftover(name) || name == "Scrivane.lock") continue;
        if (e.is_directory() && fs::is_empty(e.path()) && !named.count(name)) continue;
        l.files[fs::relative(e.path(), base).string()] = e.is_directory() ? "/" : Get(e.path().string());
    }
    return l;
}

void Reset(const std::string& golden, const std::string& base) {
    fs::remove_all(base);
    fs::copy(golden, base, fs::copy_options::recursive);
}

struct Path {
    const char* name;
    std::vector<std::string> args;
};

} // namespace

int main() {
    // Journal entries name this computer and the time; both fixed, so that a run's files are the same each
    // time.
    ::setenv("SCRIVANE_DEVICE", "crashtest", 1);
    ::setenv("SCRIVANE_NOW", "2027-01-05T07:30:00", 1);
    char tmpl[] = "/tmp/scrivane-crash-XXXXXX";
    const std::string root = ::mkdtemp(tmpl);
    const std::string golden = root + "/golden", base = root + "/base";
    fs::create_directory(golden);
    {
        std::ofstream(root + "/w1.txt")
            << "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2][Psalms 23]/[Jude 3]";
        std::ofstream(root + "/w2.txt") << "<TITLE = Next><WEEKD = 1>/[Exodus 1]/[Exodus 2]";
    }
    const std::string stem = golden + "/Bob (John Smith)/Bob";
    bool setUp = Cli({"reader", "new", "Bob", "John", "Smith", "--base", golden}, 0) == 0 &&
                 Cli({"plan", "new", stem, root + "/w1.txt", "--yes"}, 0) == 0 &&
                 Cli({"plan", "read", stem, "0", "40", "--yes"}, 0) == 0 &&
                 Cli({"plan", "read", stem, "5000", "5100", "--lifetime-only", "--yes"}, 0) == 0 &&
                 Cli({"notes", "set", stem + ".vnnot", "John 3:16", "so loved"}, 0) == 0;
    if (!setUp) {
        std::cerr << "could not set up the reader\n";
        return 1;
    }
    const std::string runStem = base + "/Bob (John Smith)/Bob";
    const std::vector<Path> paths = {
        {"plan new", {"plan", "new", runStem, root + "/w2.txt", "--yes"}},
        {"plan read", {"plan", "read", runStem, "20", "120", "--yes"}},
        {"plan undo", {"plan", "undo", runStem}},
        {"notes set", {"notes", "set", runStem + ".vnnot", "Genesis 1:1", "In the beginning"}},
        {"reader new", {"reader", "new", "Ann", "Mary", "Lee", "--base", base}},
        {"reader edit", {"reader", "edit", "Bob", "Rob", "John", "Smith", "--yes", "--base", base}},
        {"reader delete", {"reader", "delete", "Bob", "--yes", "--base", base}},
        {"reader delete --keep-files", {"reader", "delete", "Bob", "--yes", "--keep-files", "--base", base}},
    };

    int runs = 0, kills = 0, lost = 0, orphans = 0, leftovers = 0, failures = 0;
    for (const Path& p : paths) {
        // The directory the command leaves behind for no reader, as asked.
        const std::string kept =
            std::count(p.args.begin(), p.args.end(), "--keep-files") ? "Bob (John Smith)" : "";
        Reset(golden, base);
        const Loaded before = Load(base, kept);
        Reset(golden, base);
        if (Cli(p.args, 0) != 0) {
            std::cerr << p.name << ": the command fails without a crash\n";
            ++failures;
            continue;
        }
        const Loaded after = Load(base, kept);
        if (before.files == after.files) {
            std::cerr << p.name << ": the command changed nothing\n";
            ++failures;
            continue;
        }
        int pathRuns = 0, pathKills = 0, sawOld = 0, sawNew = 0, mixed = 0, pathLeftovers = 0,
            pathOrphans = 0;
        for (long n = 1; n < 500; ++n) {
            Reset(golden, base);
            const int status = Cli(p.args, n);
            ++runs;
            ++pathRuns;
            const Loaded now = Load(base, kept);
            const bool isOld = now.files == before.files, isNew = now.files == after.files;
            sawOld += isOld;
            sawNew += isNew;
            pathOrphans += now.orphans;
            pathLeftovers += now.leftovers;
            if (now.leftovers > 0)
                std::cerr << p.name << ": " << now.leftovers << " left over after file operation " << n
                          << "\n";
            if (!isOld && !isNew) {
                ++lost;
                ++mixed;
                std::cerr << p.name << ": neither the old nor the new state after file operation " << n
                          << "\n";
            }
            if (!now.problem.empty()) {
                ++failures;
                std::cerr << p.name << ": the next load reports: " << now.problem << "\n";
            }
            if (status == -SIGKILL) {
                ++kills;
                ++pathKills;
                continue;
            }
            if (status != 0) {
                ++failures;
                std::cerr << p.name << ": exit status " << status << " at " << n << "\n";
            }
            break;
        }
        leftovers += pathLeftovers;
        orphans += pathOrphans;
        std::cout << p.name << ": runs " << pathRuns << ", kills " << pathKills << ", old " << sawOld
                  << ", new " << sawNew << ", mixed " << mixed << ", leftovers " << pathLeftovers
                  << ", orphaned readers " << pathOrphans << "\n";
        if (pathKills < 3 || sawOld == 0 || sawNew < 2) {
            std::cerr << p.name << ": too few kill points to mean anything\n";
            ++failures;
        }
    }
    std::cout << "runs " << runs << ", kills " << kills << ", lost " << lost << ", orphaned readers "
              << orphans << ", leftovers " << leftovers << "\n";
    fs::remove_all(root);
    return lost == 0 && orphans == 0 && leftovers == 0 && failures == 0 ? 0 : 1;
}
