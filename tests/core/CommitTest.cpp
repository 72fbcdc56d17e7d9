// SPDX-License-Identifier: GPL-3.0-or-later
// The saves that change several files at once: the plan with its history,
// and Edit Reader's renames with the reader file.
#include "TempDir.h"
#include "foundation/DirectoryLock.h"
#include "foundation/FileAccess.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/ReaderEnvironment.h"
#include "reader/ReaderFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> Tree(const std::string& root) {
    std::map<std::string, std::string> t;
    for (const auto& e : fs::recursive_directory_iterator(root))
        t[fs::relative(e.path(), root).string()] = e.is_directory() ? "/" : ReadWholeFile(e.path().string());
    return t;
}

// Files may not grow past a few bytes in this process: writes fail as on a full disk.
void FillTheDisk() {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit lim{8, 8};
    ::setrlimit(RLIMIT_FSIZE, &lim);
}

TEST(Commit, PlanIsNotSavedWithoutItsHistory) {
    TempDir dir;
    CReaderContext context{dir.Path(), "Bob", "\\Bob", dir.Path("Bob.txt")};
    CScriptedUiServices ui;
    CReadingPlanDoc doc(ui, context);
    doc.OnNewDocument();
    ASSERT_TRUE(doc.SaveDirtyFiles());
    const std::string planBefore = ReadWholeFile(dir.Path("Bob.vnpln"));

    // Readings that move between the two files, as New Plan moves them.
    doc.MarkVerseInPlan(3);
    doc.AddLifetimeReading(10, 20);
    ASSERT_TRUE(doc.GetPlanDirty() && doc.GetHistoryDirty());
    fs::remove(dir.Path("Bob.vnpro"));
    fs::create_directory(dir.Path("Bob.vnpro"));
    EXPECT_FALSE(doc.SaveDirtyFiles());
    EXPECT_EQ(ReadWholeFile(dir.Path("Bob.vnpln")), planBefore);
    EXPECT_TRUE(doc.GetPlanDirty() && doc.GetHistoryDirty());
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    // The failure names the file that could not be written.
    EXPECT_EQ(ui.messageBoxes[0].text,
              "Failed to save document.\n" + dir.Path("Bob.vnpro") + ": Is a directory.");

    fs::remove(dir.Path("Bob.vnpro"));
    EXPECT_TRUE(doc.SaveDirtyFiles());
    EXPECT_NE(ReadWholeFile(dir.Path("Bob.vnpln")), planBefore);
    EXPECT_TRUE(FileExists(dir.Path("Bob.vnpro")));
    EXPECT_FALSE(fs::exists(doc.CommitRecordPath()));
}

// Edit Reader whose reader file cannot be written leaves the directory, the
// files and the collection as they were.
TEST(Commit, EditReaderThatCannotRecordItChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(const std::string& base)> spoil;
        bool fullDisk;
        const char* told;
    };
    const std::vector<Case> cases = {
        {"reader file read-only",
         [](const std::string& base) { SetReadOnly(base + "/Scrivane.vnrdr", true); }, false, "read-only"},
        {"disk full", [](const std::string&) {}, true, nullptr},
        {"reader directory in use", [](const std::string&) {}, false, "being changed by scrivane-cli"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        CScriptedUiServices ui;
        CReaderEnvironment env(ui);
        env.SetBaseDirectory(dir.Path());
        ASSERT_EQ(env.CreateReader({"John", "Smith", "Bob"}, {}), 0);
        for (const char* ext : {".vnpln", ".vnpro", ".vnnot", ".txt"})
            std::ofstream(dir.Path("Bob (John Smith)/Bob") + ext) << ext;
        SaveReaderFile(dir.Path(), env.LastReader(), env.Readers());
        const auto before = Tree(dir.Path());
        c.spoil(dir.Path());
        CDirectoryLock other;
        if (std::string(c.name) == "reader directory in use") {
            ASSERT_TRUE(
                other.Acquire(dir.Path("Bob (John Smith)"), std::chrono::milliseconds(0), "scrivane-cli"));
        }

        ui.messageBoxAnswers = {IDYES, IDOK};
        if (c.fullDisk) {
            pid_t pid = ::fork();
            if (pid == 0) {
                FillTheDisk();
                ::_exit(env.ModifyReader("Bob", {"John", "Smith", "Rob"}) < 0 ? 0 : 1);
            }
            int st = 0;
            ::waitpid(pid, &st, 0);
            EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0);
        } else {
            EXPECT_EQ(env.ModifyReader("Bob", {"John", "Smith", "Rob"}), -1);
            EXPECT_EQ(env.Readers().At(0).GetDisplayName(), "Bob");
            ASSERT_EQ(ui.messageBoxes.size(), 2u);
            EXPECT_NE(ui.messageBoxes[1].text.find(c.told), std::string::npos) << ui.messageBoxes[1].text;
            EXPECT_NE(ui.messageBoxes[1].text.find("The reader was not changed."), std::string::npos);
        }
        other.Release();
        SetReadOnly(dir.Path("Scrivane.vnrdr"), false);
        EXPECT_EQ(Tree(dir.Path()), before);
    }
}

// An Edit Reader killed after any of its file operations is finished at the
// next start: the reader file names the directory that holds the files.
TEST(Commit, InterruptedEditReaderIsFinishedBeforeTheReaderFileIsRead) {
    int kills = 0;
    for (long n = 1; n < 100; ++n) {
        TempDir dir;
        {
            CScriptedUiServices ui;
            CReaderEnvironment env(ui);
            env.SetBaseDirectory(dir.Path());
            env.CreateReader({"John", "Smith", "Bob"}, {});
            std::ofstream(dir.Path("Bob (John Smith)/Bob.vnpln")) << "plan";
            SaveReaderFile(dir.Path(), env.LastReader(), env.Readers());
            pid_t pid = ::fork();
            if (pid == 0) {
                SetCrashAfterFileOperations(n);
                ui.messageBoxAnswers = {IDYES};
                env.ModifyReader("Bob", {"John", "Smith", "Rob"});
                ::_exit(0);
            }
            int st = 0;
            ::waitpid(pid, &st, 0);
            if (WIFEXITED(st)) break;
            ++kills;
        }
        SCOPED_TRACE(n);
        ASSERT_TRUE(RecoverReaderCommit(dir.Path()));
        std::string last;
        CReaderArray readers;
        ReadReaderFile(dir.Path(), last, readers);
        ASSERT_EQ(readers.GetCount(), 1);
        EXPECT_EQ(ReadWholeFile(JoinStem(dir.Path(), readers.At(0).GetFileStem()) + ".vnpln"), "plan");
        // The reader file and one reader directory, besides temporaries the next save removes.
        int entries = 0;
        for (const std::string& name : dir.List())
            entries += name.find(".tmp-") == std::string::npos;
        EXPECT_EQ(entries, 2);
    }
    EXPECT_GT(kills, 5);
}

// Delete Reader waits for a program saving into the reader's directory, and
// keeps reader and files when it does not finish.
TEST(Commit, DeleteReaderLeavesADirectoryInUseAlone) {
    TempDir dir;
    CScriptedUiServices ui;
    CReaderEnvironment env(ui);
    env.SetBaseDirectory(dir.Path());
    ASSERT_EQ(env.CreateReader({"John", "Smith", "Bob"}, {}), 0);
    std::ofstream(dir.Path("Bob (John Smith)/Bob.vnpln")) << "plan";
    CDirectoryLock other;
    ASSERT_TRUE(other.Acquire(dir.Path("Bob (John Smith)"), std::chrono::milliseconds(0), "scrivane-cli"));
    ui.messageBoxAnswers = {IDYES, IDYES, IDOK};
    EXPECT_FALSE(env.DeleteReader("Bob"));
    EXPECT_EQ(env.Readers().GetCount(), 1);
    EXPECT_TRUE(FileExists(dir.Path("Bob (John Smith)/Bob.vnpln")));
    ASSERT_EQ(ui.messageBoxes.size(), 3u);
    EXPECT_NE(ui.messageBoxes[2].text.find("The reader was not deleted."), std::string::npos);

    other.Release();
    ui.messageBoxAnswers = {IDYES, IDYES};
    EXPECT_TRUE(env.DeleteReader("Bob"));
    EXPECT_FALSE(fs::exists(dir.Path("Bob (John Smith)")));
}

} // namespace
