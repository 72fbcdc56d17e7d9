// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/DirectoryLock.h"
#include "foundation/FileAccess.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Runs the CLI and returns its exit status and what it wrote to stderr.
CliResult RunCliErr(const std::string& args) {
    std::string cmd = "SCRIVANE_LOCK_WAIT_MS=100 " SCRIVANE_CLI_PATH " " + args + " 2>&1 >/dev/null";
    FILE* p = ::popen(cmd.c_str(), "r");
    CliResult r{-1, {}};
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

// While another program holds a directory, a command that would change its
// files waits, gives up with exit status 1 naming the holder, and changes
// nothing; once it is free the same command goes through.
TEST(LockCli, CommandsWaitForTheDirectoryThenGiveUp) {
    TempDir dir;
    ASSERT_EQ(RunCli("reader new Bob John Smith --base '" + dir.Path() + "'").status, 0);
    const std::string readerDir = dir.Path("Bob (John Smith)");
    const std::string stem = "'" + readerDir + "/Bob'";
    SaveFileAtomic(dir.Path("w.txt"), "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2]");
    ASSERT_EQ(RunCli("plan new " + stem + " '" + dir.Path("w.txt") + "' --yes").status, 0);

    struct Case {
        std::string args;
        std::string lockedDirectory;
        std::string changedFile;
    };
    const std::vector<Case> cases = {
        {"plan read " + stem + " 0 5 --yes", readerDir, readerDir + "/Bob.vnpln"},
        {"notes set '" + readerDir + "/Bob.vnnot' 'John 3:16' loved", readerDir, readerDir + "/Bob.vnnot"},
        {"reader new Ann Mary Lee --base '" + dir.Path() + "'", dir.Path(), dir.Path("Scrivane.vnrdr")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const std::string before = FileExists(c.changedFile) ? ReadWholeFile(c.changedFile) : "";
        CDirectoryLock other;
        ASSERT_TRUE(other.Acquire(c.lockedDirectory, std::chrono::milliseconds(0), "Scrivane"));
        CliResult refused = RunCliErr(c.args);
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.out.find("are being changed by Scrivane (process " + std::to_string(::getpid())),
                  std::string::npos)
            << refused.out;
        EXPECT_EQ(FileExists(c.changedFile) ? ReadWholeFile(c.changedFile) : "", before);
        other.Release();
        EXPECT_EQ(RunCliErr(c.args).status, 0);
        EXPECT_NE(ReadWholeFile(c.changedFile), before);
        // The holder's note goes with the command.
        EXPECT_FALSE(FileExists(c.lockedDirectory + "/" + CDirectoryLock::kHolderFileName));
    }
}

// Something other than a plain file named as the holder's note (a FIFO above
// all, which a blocking open would wait on forever) is neither written nor
// removed, and the command goes through at once under the directory's lock.
TEST(LockCli, AHolderNoteThatIsNoPlainFileNeitherHangsNorIsTouched) {
    TempDir dir;
    ASSERT_EQ(RunCli("reader new Bob John Smith --base '" + dir.Path() + "'").status, 0);
    const std::string readerDir = dir.Path("Bob (John Smith)");
    const std::string note = readerDir + "/" + CDirectoryLock::kHolderFileName;
    const std::string outside = dir.Path("outside.txt");
    struct Case {
        const char* what;
        void (*make)(const std::string& note, const std::string& outside);
        mode_t type;
    };
    const std::vector<Case> cases = {
        {"FIFO", [](const std::string& n, const std::string&) { ASSERT_EQ(::mkfifo(n.c_str(), 0644), 0); },
         S_IFIFO},
        {"directory",
         [](const std::string& n, const std::string&) { ASSERT_EQ(::mkdir(n.c_str(), 0755), 0); }, S_IFDIR},
        {"link",
         [](const std::string& n, const std::string& o) {
             std::ofstream(o) << "keep";
             ASSERT_EQ(::symlink(o.c_str(), n.c_str()), 0);
         },
         S_IFLNK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.make(note, outside);
        const std::string args = "notes set '" + readerDir + "/Bob.vnnot' 'John 3:16' loved";
        EXPECT_EQ(RunShell("timeout 10 " SCRIVANE_CLI_PATH " " + args + " >/dev/null 2>&1").status, 0);
        struct stat st {};
        ASSERT_EQ(::lstat(note.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & S_IFMT, c.type);
        if (c.type == S_IFLNK) {
            EXPECT_EQ(ReadWholeFile(outside), "keep");
        }
        // A refused program says who holds the directory without reading from it.
        CDirectoryLock other;
        ASSERT_TRUE(other.Acquire(readerDir, std::chrono::milliseconds(0), "Scrivane"));
        CliResult refused = RunCliErr(args);
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.out.find("being changed by another Scrivane program"), std::string::npos)
            << refused.out;
        other.Release();
        std::filesystem::remove(note);
    }
}

// While the window holds a reader's directory, the commands that only look
// read its last saved files at once instead of waiting and giving up.
TEST(LockCli, CommandsThatOnlyLookDoNotWaitForTheHolder) {
    TempDir dir;
    ASSERT_EQ(RunCli("reader new Bob John Smith --base '" + dir.Path() + "'").status, 0);
    const std::string readerDir = dir.Path("Bob (John Smith)");
    const std::string stem = "'" + readerDir + "/Bob'";
    SaveFileAtomic(dir.Path("w.txt"), "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2]");
    ASSERT_EQ(RunCli("plan new " + stem + " '" + dir.Path("w.txt") + "' --yes").status, 0);
    ASSERT_EQ(RunCli("notes set '" + readerDir + "/Bob.vnnot' 'John 3:16' loved").status, 0);
    CDirectoryLock window;
    ASSERT_TRUE(window.Acquire(readerDir, std::chrono::milliseconds(0), "Scrivane"));
    struct Case {
        std::string args, shows;
    };
    const std::vector<Case> cases = {
        {"plan show " + stem, "Genesis 1:1"},
        {"plan properties " + stem, "Week"},
        {"notes show '" + readerDir + "/Bob.vnnot'", "loved"},
        {"coverage " + stem, "Genesis\t1\t31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto start = std::chrono::steady_clock::now();
        const CliRun r = RunCliWithErr(c.args, "SCRIVANE_LOCK_WAIT_MS=5000");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(c.shows), std::string::npos) << r.out;
    }
    // A command that writes still waits for it, and says who holds it.
    EXPECT_EQ(RunCliErr("notes set '" + readerDir + "/Bob.vnnot' 'John 3:17' x").status, 1);
}

} // namespace
