// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/FileAccess.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string Q(const std::string& s) {
    return "'" + s + "'";
}

// The failing calls of tests/faults, preloaded (after the sanitizers' own
// library, when the programs were built with them).
std::string Failing(const std::string& what) {
    return "ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0\" "
           "LD_PRELOAD=" SCRIVANE_FAILING_IO " " +
           what;
}

// A disk that fails after a change was decided is reported as it is: a sync
// that failed after the rename is no success, and a change whose record is
// written says that the next load completes it, which the next command does.
TEST(FailingDiskCli, FailuresAfterTheRenameAreReportedAsWhatHappened) {
    TempDir dir;
    ASSERT_EQ(RunCli("reader new Bob John Smith --base " + Q(dir.Path())).status, 0);
    const std::string stem = dir.Path("Bob (John Smith)/Bob");
    SaveFileAtomic(dir.Path("w.txt"), "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2]");
    SaveFileAtomic(dir.Path("w2.txt"), "<TITLE = Next><WEEKD = 1>/[Exodus 1]/[Exodus 2]");
    ASSERT_EQ(RunCli("plan new " + Q(stem) + " " + Q(dir.Path("w.txt")) + " --yes").status, 0);

    struct Case {
        const char* what;
        std::string failure;
        std::string args;
        std::string said;
        std::string next;    // a command that loads what was changed
        std::string changed; // a file that holds the change once it has run
    };
    const std::vector<Case> cases = {
        {"directory sync after a save", "SCRIVANE_FAIL_DIRECTORY_FSYNC=1",
         "notes set " + Q(stem + ".vnnot") + " 'John 3:16' loved", "Input/output error",
         "notes show " + Q(stem + ".vnnot"), stem + ".vnnot"},
        {"history rename after the plan's commit record", "SCRIVANE_FAIL_RENAME_TO=.vnpro",
         "plan new " + Q(stem) + " " + Q(dir.Path("w2.txt")) + " --yes",
         "will be completed the next time these files are opened", "plan read " + Q(stem) + " 0 0 --yes",
         stem + ".vnpro"},
        {"reader file rename after the reader's commit record", "SCRIVANE_FAIL_RENAME_TO=Scrivane.vnrdr",
         "reader new Ann Mary Lee --base " + Q(dir.Path()),
         "will be completed the next time these files are opened",
         "reader new Cy Cyd Lee --base " + Q(dir.Path()), dir.Path("Scrivane.vnrdr")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = FileExists(c.changed) ? ReadWholeFile(c.changed) : "";
        const CliRun failed = RunCliWithErr(c.args, Failing(c.failure));
        EXPECT_EQ(failed.status, 1);
        EXPECT_NE(failed.err.find(c.said), std::string::npos) << failed.err;
        // The next command, on a sound disk, sees the change complete.
        EXPECT_EQ(RunCli(c.next).status, 0);
        EXPECT_NE(FileExists(c.changed) ? ReadWholeFile(c.changed) : "", before);
    }
    const std::string readers = RunCli("readers --base " + Q(dir.Path())).out;
    EXPECT_NE(readers.find("Ann"), std::string::npos) << readers;
    EXPECT_NE(ReadWholeFile(stem + ".vnpln").find("Next"), std::string::npos);
}

// While a change is decided but not finished (its commit record written),
// every command that only looks shows what it leads to, and none of them
// finishes it: showing writes nothing. The next writing command finishes it.
TEST(FailingDiskCli, CommandsThatOnlyLookSeeAPendingChangeAndWriteNothing) {
    TempDir dir;
    const std::string base = " --base " + Q(dir.Path());
    ASSERT_EQ(RunCli("reader new Bob John Smith" + base).status, 0);
    SaveFileAtomic(dir.Path("w.txt"), "<TITLE = Week><ALLDA = 1>/[Genesis 1]/[Genesis 2]");
    SaveFileAtomic(dir.Path("w2.txt"), "<TITLE = Next><ALLDA = 1>/[Exodus 1]/[Exodus 2]");
    const std::string env = "SCRIVANE_TODAY=2026-12-07";
    std::string stem = dir.Path("Bob (John Smith)/Bob");
    ASSERT_EQ(RunCli("plan new " + Q(stem) + " " + Q(dir.Path("w.txt")) + " --yes", env).status, 0);
    ASSERT_EQ(RunCli("notes set " + Q(stem + ".vnnot") + " 'John 3:16' 'so loved'").status, 0);

    TempDir out; // what the commands export goes here
    auto listing = [&] {
        std::string all;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Path()))
            all += e.path().string() + "\n";
        return all;
    };
    struct Case {
        const char* what;
        std::string failure, args;
        std::vector<std::pair<std::string, std::string>> looks; // command, text it must show
    };
    const std::vector<Case> cases = {
        {"a new plan whose history is not yet in place",
         "SCRIVANE_FAIL_RENAME_TO=.vnpro",
         "plan new " + Q(stem) + " " + Q(dir.Path("w2.txt")) + " --yes",
         {{"plan show " + Q(stem), "Exodus 1:1"},
          {"plan properties " + Q(stem), "Next"},
          {"coverage " + Q(stem), "Exodus\t1\t22\t0\t0\t0"},
          {"today" + base, "Exodus 1:1"},
          {"plan ics " + Q(stem) + " " + Q(out.Path("o.ics")) + " && cat " + Q(out.Path("o.ics")),
           "Exodus 1:1"}}},
        {"a renamed reader whose reader file is not yet written",
         "SCRIVANE_FAIL_RENAME_TO=Scrivane.vnrdr",
         "reader edit Bob Rob John Smith --yes" + base,
         {{"readers" + base, "Rob\t"},
          {"today" + base, "Rob"},
          {"plan show " + Q(dir.Path("Rob (John Smith)/Rob")), "Exodus 1:1"},
          {"coverage " + Q(dir.Path("Rob (John Smith)/Rob")), "Exodus\t1\t22"},
          {"notes show " + Q(dir.Path("Rob (John Smith)/Rob.vnnot")), "so loved"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(RunCliWithErr(c.args, env + " " + Failing(c.failure)).status, 1);
        const std::string pending = listing();
        for (const auto& [look, shows] : c.looks) {
            SCOPED_TRACE(look);
            const CliRun r = RunCliWithErr(look, env);
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_NE(r.out.find(shows), std::string::npos) << r.out;
            EXPECT_EQ(listing(), pending);
        }
    }
}

} // namespace
