// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/FileTransaction.h"
#include "TempDir.h"
#include "foundation/DirectoryLock.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using State = std::map<std::string, std::string>;

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every entry below root with its bytes ("/" for a directory); temporaries a
// crash left are no data and are not listed.
State Snapshot(const std::string& root) {
    State s;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        std::string rel = fs::relative(e.path(), root).string();
        std::string name = e.path().filename().string();
        if (name.find(".tmp-") != std::string::npos) continue;
        s[rel] = e.is_directory() ? "/" : Get(e.path().string());
    }
    return s;
}

// Runs f in a child process; its exit status, or -signal when it was killed.
int InChild(const std::function<void()>& f) {
    pid_t pid = ::fork();
    if (pid == 0) {
        try {
            f();
        } catch (...) {
            ::_exit(3);
        }
        ::_exit(0);
    }
    int st = 0;
    ::waitpid(pid, &st, 0);
    return WIFSIGNALED(st) ? -WTERMSIG(st) : WEXITSTATUS(st);
}

struct Scenario {
    const char* name;
    std::function<void(const std::string& root)> setUp;
    std::function<void(CFileTransaction& t, const std::string& root)> changes;
};

const std::vector<Scenario>& Scenarios() {
    static const std::vector<Scenario> scenarios = {
        {"plan and history replaced",
         [](const std::string& root) {
             Put(root + "/Bob.vnpln", "old plan");
             Put(root + "/Bob.vnpro", "old history");
         },
         [](CFileTransaction& t, const std::string& root) {
             t.Write(root + "/Bob.vnpln", "new plan, longer than the old one");
             t.Write(root + "/Bob.vnpro", "new history");
         }},
        {"first save of both", [](const std::string&) {},
         [](CFileTransaction& t, const std::string& root) {
             t.Write(root + "/Bob.vnpln", "plan");
             t.Write(root + "/Bob.vnpro", "history");
         }},
        {"directory and files renamed, reader file written",
         [](const std::string& root) {
             fs::create_directory(root + "/Bob (J S)");
             Put(root + "/Bob (J S)/Bob.vnpln", "plan");
             Put(root + "/Bob (J S)/Bob.vnpro", "history");
             Put(root + "/Scrivane.vnrdr", "readers naming Bob");
         },
         [](CFileTransaction& t, const std::string& root) {
             t.Rename(root + "/Bob (J S)", root + "/Rob (J S)");
             t.Rename(root + "/Rob (J S)/Bob.vnpln", root + "/Rob (J S)/Rob.vnpln");
             t.Rename(root + "/Rob (J S)/Bob.vnpro", root + "/Rob (J S)/Rob.vnpro");
             t.Write(root + "/Scrivane.vnrdr", "readers naming Rob");
         }},
    };
    return scenarios;
}

} // namespace

// A kill after every single file operation of a commit: the next load, after
// Recover, finds all of the old files or all of the new ones.
TEST(FileTransaction, KilledAtEveryStepLeavesOldOrNew) {
    for (const Scenario& sc : Scenarios()) {
        SCOPED_TRACE(sc.name);
        TempDir oldDir, newDir;
        sc.setUp(oldDir.Path());
        sc.setUp(newDir.Path());
        CFileTransaction whole(newDir.Path("commit"));
        sc.changes(whole, newDir.Path());
        whole.Commit();
        const State before = Snapshot(oldDir.Path()), after = Snapshot(newDir.Path());
        ASSERT_NE(before, after);

        int kills = 0, sawOld = 0, sawNew = 0;
        for (long n = 1; n < 200; ++n) {
            TempDir run;
            sc.setUp(run.Path());
            const std::string record = run.Path("commit");
            int status = InChild([&] {
                SetCrashAfterFileOperations(n);
                CFileTransaction t(record);
                sc.changes(t, run.Path());
                t.Commit();
            });
            ASSERT_TRUE(status == 0 || status == -SIGKILL) << "status " << status << " at " << n;
            std::string why;
            ASSERT_TRUE(CFileTransaction::Recover(record, &why)) << why;
            const State now = Snapshot(run.Path());
            EXPECT_TRUE(now == before || now == after) << "torn state after operation " << n;
            sawOld += now == before;
            sawNew += now == after;
            if (status == 0) break;
            ++kills;
        }
        EXPECT_GT(kills, 4);
        EXPECT_GT(sawOld, 0);
        EXPECT_GT(sawNew, 1);
    }
}

// Failures that are no crash: nothing is changed and no temporary stays.
TEST(FileTransaction, FailureLeavesOldState) {
    struct Case {
        const char* name;
        std::function<void(const std::string&)> spoil;
        bool fullDisk;
    };
    const std::vector<Case> cases = {
        {"reader file read-only",
         [](const std::string& root) { SetReadOnly(root + "/Scrivane.vnrdr", true); }, false},
        {"a rename target in the way",
         [](const std::string& root) { Put(root + "/Bob (J S)/Rob.vnpro", "x"); }, false},
        {"disk full", [](const std::string&) {}, true},
    };
    const Scenario& sc = Scenarios()[2];
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        sc.setUp(dir.Path());
        c.spoil(dir.Path());
        const State before = Snapshot(dir.Path());
        int status = InChild([&] {
            if (c.fullDisk) {
                // A file may not grow past 8 bytes: writes fail as on a full disk.
                ::signal(SIGXFSZ, SIG_IGN);
                rlimit lim{8, 8};
                ::setrlimit(RLIMIT_FSIZE, &lim);
            }
            CFileTransaction t(dir.Path("commit"));
            sc.changes(t, dir.Path());
            try {
                t.Commit();
            } catch (const CFileException&) {
                ::_exit(7);
            }
        });
        EXPECT_EQ(status, 7);
        EXPECT_EQ(Snapshot(dir.Path()), before);
        for (const auto& e : fs::recursive_directory_iterator(dir.Path()))
            EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
    }
}

TEST(FileTransaction, RecordThatCannotBeReadIsKeptAside) {
    TempDir dir;
    Put(dir.Path("commit"), "scrivane commit 1\nR a3:/x");
    std::string why;
    EXPECT_FALSE(CFileTransaction::Recover(dir.Path("commit"), &why));
    EXPECT_NE(why.find("not a commit record"), std::string::npos) << why;
    EXPECT_TRUE(FileExists(dir.Path("commit.damaged")));
    EXPECT_TRUE(CFileTransaction::Recover(dir.Path("commit")));
}

// Temporaries a crash left beside a file go at its next save; nothing else does.
TEST(FileTransaction, SaveRemovesOnlyItsOwnStaleTemporaries) {
    TempDir dir;
    const std::string plan = dir.Path("Bob.vnpln");
    Put(dir.Path("Bob.vnpln.tmp-a1B2c3"), "stale");
    Put(dir.Path("Bob.vnpro.tmp-a1B2c3"), "another file's");
    Put(dir.Path("Bob.vnpln.tmp-abc"), "not a temporary name");
    fs::create_directory(dir.Path("Bob.vnpln.tmp-zzzzzz"));
    SaveFileAtomic(plan, "plan");
    EXPECT_FALSE(fs::exists(dir.Path("Bob.vnpln.tmp-a1B2c3")));
    EXPECT_TRUE(fs::exists(dir.Path("Bob.vnpro.tmp-a1B2c3")));
    EXPECT_TRUE(fs::exists(dir.Path("Bob.vnpln.tmp-abc")));
    EXPECT_TRUE(fs::is_directory(dir.Path("Bob.vnpln.tmp-zzzzzz")));
    EXPECT_EQ(Get(plan), "plan");

    Put(dir.Path("Bob.vnpro.tmp-Q9q9Q9"), "stale");
    CFileTransaction t(dir.Path("Bob.commit"));
    t.Write(dir.Path("Bob.vnpro"), "history");
    t.Commit();
    EXPECT_FALSE(fs::exists(dir.Path("Bob.vnpro.tmp-Q9q9Q9")));
    EXPECT_FALSE(fs::exists(dir.Path("Bob.vnpro.tmp-a1B2c3")));
    EXPECT_FALSE(fs::exists(dir.Path("Bob.commit")));
}

TEST(DirectoryLock, SecondHolderIsRefusedAndToldWho) {
    TempDir dir;
    CDirectoryLock first, second;
    ASSERT_TRUE(first.Acquire(dir.Path(), std::chrono::milliseconds(0), "scrivane-cli"));
    EXPECT_TRUE(fs::exists(dir.Path(CDirectoryLock::kHolderFileName)));
    EXPECT_FALSE(second.Acquire(dir.Path(), std::chrono::milliseconds(50), "Scrivane"));
    EXPECT_NE(second.Holder().find("scrivane-cli (process " + std::to_string(::getpid())), std::string::npos)
        << second.Holder();
    EXPECT_NE(second.RefusalMessage(dir.Path()).find(second.Holder()), std::string::npos);
    first.Release();
    EXPECT_FALSE(fs::exists(dir.Path(CDirectoryLock::kHolderFileName)));
    EXPECT_TRUE(second.Acquire(dir.Path(), std::chrono::milliseconds(0), ""));
    // A holder that only reads leaves no file behind and is still a holder.
    EXPECT_FALSE(fs::exists(dir.Path(CDirectoryLock::kHolderFileName)));
    EXPECT_FALSE(first.Acquire(dir.Path(), std::chrono::milliseconds(0), "x"));
    EXPECT_EQ(first.Holder(), "another Scrivane program");
}

TEST(DirectoryLock, KilledHolderLetsGo) {
    TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    if (child == 0) {
        CDirectoryLock lock;
        char c = lock.Acquire(dir.Path(), std::chrono::milliseconds(0), "holder") ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        ::pause();
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    CDirectoryLock lock;
    EXPECT_FALSE(lock.Acquire(dir.Path(), std::chrono::milliseconds(20), "waiter"));
    EXPECT_NE(lock.Holder().find("holder (process " + std::to_string(child)), std::string::npos);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    // The kernel dropped the lock; the holder file it left is stale and is taken over.
    EXPECT_TRUE(lock.Acquire(dir.Path(), std::chrono::milliseconds(0), "waiter"));
    EXPECT_NE(Get(dir.Path(CDirectoryLock::kHolderFileName)).find("waiter"), std::string::npos);
    ::close(ready[0]);
    ::close(ready[1]);
}

// A directory renamed while a program waited for its lock: the lock does not
// count for the old name, which now leads nowhere.
TEST(DirectoryLock, RenamedDirectoryIsNotLockedByItsOldName) {
    TempDir dir;
    fs::create_directory(dir.Path("Bob"));
    CDirectoryLock lock;
    fs::rename(dir.Path("Bob"), dir.Path("Rob"));
    EXPECT_FALSE(lock.Acquire(dir.Path("Bob"), std::chrono::milliseconds(0), "x"));
    EXPECT_TRUE(lock.Holder().empty());
    EXPECT_TRUE(lock.Acquire(dir.Path("Rob"), std::chrono::milliseconds(0), "x"));
}

// A program that only looks reads, for each path, where an unfinished commit
// still keeps what the path will hold: at every point a crash can leave an
// Edit Reader (directory renamed, then its files, then the reader file
// replaced), the new names read the new content, and nothing is changed.
TEST(FileTransaction, PendingReadPathFollowsTheStepsStillToDo) {
    TempDir dir;
    const std::string base = dir.Path(), oldDir = base + "/Bob (J S)", newDir = base + "/Rob (J S)";
    const std::string record = base + "/Scrivane.vnrdr.commit", tmp = base + "/Scrivane.vnrdr.tmp-abc123";
    auto field = [](const std::string& rel) { return "r" + std::to_string(rel.size()) + ":" + rel; };
    const std::string text = "scrivane commit 1\n"
                             "R " +
                             field("Bob (J S)") + " " + field("Rob (J S)") +
                             "\n"
                             "R " +
                             field("Rob (J S)/Bob.vnpln") + " " + field("Rob (J S)/Rob.vnpln") +
                             "\n"
                             "W " +
                             field("Scrivane.vnrdr.tmp-abc123") + " " + field("Scrivane.vnrdr") +
                             "\n"
                             "end\n";
    struct Case {
        const char* after;
        int stepsDone;
    } cases[] = {{"the record", 0}, {"the directory's rename", 1}, {"the file's rename", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after);
        std::filesystem::remove_all(oldDir);
        std::filesystem::remove_all(newDir);
        std::filesystem::create_directory(oldDir);
        SaveFileAtomic(oldDir + "/Bob.vnpln", "plan");
        SaveFileAtomic(base + "/Scrivane.vnrdr", "old readers");
        SaveFileAtomic(tmp, "new readers");
        SaveFileAtomic(record, text);
        if (c.stepsDone >= 1) std::filesystem::rename(oldDir, newDir);
        if (c.stepsDone >= 2) std::filesystem::rename(newDir + "/Bob.vnpln", newDir + "/Rob.vnpln");
        std::map<std::string, std::string> before;
        for (const auto& e : std::filesystem::recursive_directory_iterator(base))
            before[e.path()] = e.is_regular_file() ? ReadWholeFile(e.path()) : "/";

        EXPECT_EQ(ReadWholeFile(CFileTransaction::PendingReadPath(record, newDir + "/Rob.vnpln")), "plan");
        EXPECT_EQ(ReadWholeFile(CFileTransaction::PendingReadPath(record, base + "/Scrivane.vnrdr")),
                  "new readers");
        // A path no step produces is read where it is.
        EXPECT_EQ(CFileTransaction::PendingReadPath(record, base + "/other"), base + "/other");
        std::map<std::string, std::string> after;
        for (const auto& e : std::filesystem::recursive_directory_iterator(base))
            after[e.path()] = e.is_regular_file() ? ReadWholeFile(e.path()) : "/";
        EXPECT_EQ(after, before);
    }
    // No record, or one that cannot be read: every path is itself.
    std::filesystem::remove(record);
    EXPECT_EQ(CFileTransaction::PendingReadPath(record, newDir + "/Rob.vnpln"), newDir + "/Rob.vnpln");
    SaveFileAtomic(record, "not a record");
    EXPECT_EQ(CFileTransaction::PendingReadPath(record, newDir + "/Rob.vnpln"), newDir + "/Rob.vnpln");
}
