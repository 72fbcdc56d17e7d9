// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/FileAccess.h"

#include <gtest/gtest.h>

namespace {

std::string Q(const std::string& s) {
    return "'" + s + "'";
}

// A command that would write into a reader directory that is not there (a
// typo, or a reader renamed a moment before) refuses, naming the directory,
// rather than making a stray directory that holds one reading.
TEST(MissingFilesCli, WritingIntoAMissingDirectoryIsRefused) {
    TempDir dir;
    SaveFileAtomic(dir.Path("w.txt"), "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2]");
    const std::string gone = dir.Path("Bob (John Smth)");
    const std::string stem = Q(gone + "/Bob");
    const std::vector<std::string> commands = {
        "plan new " + stem + " " + Q(dir.Path("w.txt")) + " --yes",
        "plan read " + stem + " 0 5 --yes",
        "plan read " + stem + " 0 5 --lifetime-only --yes",
        "plan finish " + stem + " 0 --yes",
        "plan sync " + stem + " --yes",
        "plan reset " + stem + " --yes",
        "plan reset-lifetime " + stem + " --yes",
        "notes set " + Q(gone + "/Bob.vnnot") + " 'John 3:16' loved",
    };
    for (const std::string& c : commands) {
        SCOPED_TRACE(c);
        const CliRun r = RunCliWithErr(c);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(gone), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("does not exist"), std::string::npos) << r.err;
        EXPECT_FALSE(DirectoryExists(gone));
    }
    EXPECT_EQ(dir.List(), std::vector<std::string>{"w.txt"});
}

// A file to be shown that does not exist is named, with exit status 1,
// instead of being shown as an empty plan, notes file or coverage.
TEST(MissingFilesCli, ShowingAFileThatDoesNotExistNamesIt) {
    TempDir dir;
    const std::string typo = dir.Path("Bbo");
    struct Case {
        std::string args;
        std::string named;
    };
    const std::vector<Case> cases = {
        {"plan show " + Q(typo), typo + ".vnpln"},
        {"plan properties " + Q(typo), typo + ".vnpln"},
        {"coverage " + Q(typo), typo + ".vnpln"},
        {"plan ics " + Q(typo) + " " + Q(dir.Path("out.ics")), typo + ".vnpln"},
        {"plan gaps " + Q(typo) + " " + Q(dir.Path("out.txt")) + " --days 7 --weekdays 1111111",
         typo + ".vnpln"},
        {"notes show " + Q(typo + ".vnnot"), typo + ".vnnot"},
        {"template show " + Q(typo + ".vntpl"), "Bbo.vntpl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun r = RunCliWithErr(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.named + " Cannot find this file."), std::string::npos) << r.err;
        EXPECT_TRUE(dir.List().empty());
    }
    // A history alone is a plan to show: a reader who has only read outside a plan.
    ASSERT_EQ(RunCli("plan read " + Q(typo) + " 0 5 --lifetime-only --yes").status, 0);
    std::filesystem::remove(typo + ".vnpln");
    EXPECT_EQ(RunCli("plan show " + Q(typo)).status, 0);
    EXPECT_EQ(RunCli("coverage " + Q(typo)).status, 0);
}

} // namespace
