// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCli.h"
#include "TempDir.h"
#include "foundation/FileAccess.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

const fs::path kPlans = SCRIVANE_PLANS_SOURCE_DIR;

// The shipped templates are exactly what their recipes make with the
// template editor's steps, so that they never drift from the editor.
TEST(CliPlanGallery, ShippedTemplatesAreRemadeFromTheirRecipes) {
    TempDir dir;
    int recipes = 0;
    for (const auto& e : fs::directory_iterator(kPlans / "recipes")) {
        if (e.path().extension() != ".steps") continue;
        ++recipes;
        const std::string name = e.path().stem().string();
        SCOPED_TRACE(name);
        std::istringstream steps(ReadWholeFile(e.path().string()));
        std::string cmd = "template-edit " + Quote(dir.Path(name + ".txt"));
        for (std::string step; std::getline(steps, step);)
            if (!step.empty()) cmd += " " + Quote(step);
        CliResult r = RunCli(cmd);
        ASSERT_EQ(r.status, 0) << cmd;
        const fs::path shipped = kPlans / (name + ".txt");
        ASSERT_TRUE(fs::exists(shipped));
        EXPECT_EQ(ReadWholeFile(dir.Path(name + ".txt")), ReadWholeFile(shipped.string()));
    }
    EXPECT_EQ(recipes, 7);
    // No shipped template without its recipe.
    int shippedFiles = 0;
    for (const auto& e : fs::directory_iterator(kPlans))
        if (e.is_regular_file()) {
            ++shippedFiles;
            EXPECT_TRUE(fs::exists(kPlans / "recipes" / (e.path().stem().string() + ".steps"))) << e.path();
        }
    EXPECT_EQ(shippedFiles, recipes);
}

TEST(CliPlanGallery, TemplateTextsAreTheEditorsFields) {
    TempDir dir;
    CliResult r =
        RunCli("template-edit " + Quote(dir.Path("t.txt")) + " 'title=My plan' 'description=Read slowly'");
    ASSERT_EQ(r.status, 0);
    const std::string text = ReadWholeFile(dir.Path("t.txt"));
    EXPECT_NE(text.find("<TITLE = My plan>\r\n<COPYR = Format 1.0>\r\n<HEADE = Read slowly>\r\n"),
              std::string::npos);
    // The archive form keeps them too; a text not given is the fixed one.
    ASSERT_EQ(RunCli("template-edit " + Quote(dir.Path("t.vntpl")) + " 'title=My plan'").status, 0);
    CliResult shown = RunCli("template show " + Quote(dir.Path("t.vntpl")));
    EXPECT_NE(
        shown.out.find("templateTitle\tMy plan\ntemplateFormat\tFormat 1.0\ntemplateDescription\tGenerated "
                       "By Scrivane\n"),
        std::string::npos)
        << shown.out;
}

TEST(CliPlanGallery, ImportListWritesATextImportThatPlanNewReads) {
    TempDir dir;
    const std::string in = dir.Path("list.csv");
    SaveFileAtomic(in, "Day 1, Genesis 1-2; Matthew 1\r\nDay 2, Genesis 3\r\nDay 3, Genesis 51\r\n");
    const std::string out = dir.Path("plan.txt");
    // A bad line: nothing is written unless the user says to skip it.
    EXPECT_EQ(RunCli("plan import-list " + Quote(in) + " " + Quote(out)).status, 1);
    EXPECT_FALSE(FileExists(out));
    EXPECT_EQ(RunCli("plan import-list " + Quote(in) + " " + Quote(dir.Path("plan.vntpl"))).status, 2);
    CliRun r = RunCliWithErr("plan import-list " + Quote(in) + " " + Quote(out) + " --skip-bad");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "imported\t" + out + "\t2\n");
    // What was skipped is named, line by line.
    EXPECT_EQ(r.err, "scrivane-cli: Skipped in list.csv: Line 3: Genesis has 50 chapters \n");

    const std::string stem = dir.Path("Bob");
    ASSERT_EQ(RunCli("plan new " + Quote(stem) + " " + Quote(out), "SCRIVANE_TODAY=2027-01-04").status, 0);
    CliResult shown = RunCli("plan show " + Quote(stem));
    EXPECT_EQ(shown.out.substr(0, shown.out.find("progress")),
              "0\tMon 01/04/2027\tMon 01/04/2027\t0\tGenesis 1:1 through Genesis 2:25; Matthew 1:1 through "
              "Matthew 1:25\n"
              "1\tTue 01/05/2027\tTue 01/05/2027\t0\tGenesis 3:1 through Genesis 3:24\n");
}

// A plan shown with "plan show", its readings written as a list and
// imported, gives a plan that shows the same, day for day.
TEST(CliPlanGallery, ShownPlanImportedAsAListShowsTheSame) {
    const std::string today = "SCRIVANE_TODAY=2027-01-04";
    for (const char* name :
         {"Gospels and Acts in 30 days.txt", "Bible in one year, three readings a day.txt"}) {
        SCOPED_TRACE(name);
        TempDir dir;
        ASSERT_EQ(
            RunCli("plan new " + Quote(dir.Path("A")) + " " + Quote((kPlans / name).string()), today).status,
            0);
        const std::string shown = RunCli("plan show " + Quote(dir.Path("A"))).out;
        std::istringstream lines(shown);
        std::string list;
        for (std::string line; std::getline(lines, line);)
            // Assignment lines only: the progress and schedule lines that end the listing are no readings.
            if (line.rfind("progress", 0) != 0 && line.rfind("schedule", 0) != 0)
                list += line.substr(line.rfind('\t') + 1) + "\r\n";
        SaveFileAtomic(dir.Path("list.txt"), list);
        ASSERT_EQ(
            RunCli("plan import-list " + Quote(dir.Path("list.txt")) + " " + Quote(dir.Path("again.txt")))
                .status,
            0);
        ASSERT_EQ(
            RunCli("plan new " + Quote(dir.Path("B")) + " " + Quote(dir.Path("again.txt")), today).status, 0);
        EXPECT_EQ(RunCli("plan show " + Quote(dir.Path("B"))).out, shown);
    }
}

} // namespace
