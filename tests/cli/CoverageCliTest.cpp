// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/FileAccess.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string kMonday = "SCRIVANE_TODAY=2026-12-07";

TEST(CoverageCli, ChaptersInCanonOrderAndNothingWritten) {
    TempDir dir;
    const std::string stem = "'" + dir.Path("bob") + "'";
    // No files: a mistyped stem, named rather than shown as nothing read; still no files.
    CliResult none = RunCli("coverage " + stem, kMonday);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_TRUE(dir.List().empty());

    SaveFileAtomic(dir.Path("w.txt"), "<ALLDA = 1>/[Psalms 3]/[Jude]/");
    ASSERT_EQ(RunCli("plan new " + stem + " '" + dir.Path("w.txt") + "'", kMonday).status, 0);
    std::vector<std::string> lines = Lines(RunCli("coverage " + stem, kMonday).out);
    ASSERT_EQ(lines.size(), 1189u);
    EXPECT_EQ(lines.front(), "Genesis\t1\t31\t0\t0\t0");
    EXPECT_EQ(lines[478 + 2], "Psalms\t3\t9\t0\t0\t0"); // Genesis … Job are 478 chapters
    EXPECT_EQ(lines.back(), "Revelation\t22\t21\t0\t0\t0");
    ASSERT_EQ(RunCli("plan finish " + stem + " 0", kMonday).status, 0);
    ASSERT_EQ(RunCli("plan read " + stem + " 'Psalms 3:0' 'Psalms 3:2' --lifetime-only", kMonday).status, 0);
    ASSERT_EQ(RunCli("plan read " + stem + " 'Jude 1' 'Jude 3'", kMonday).status, 0);
    const std::string plan = ReadWholeFile(dir.Path("bob.vnpln"));
    const std::string history = ReadWholeFile(dir.Path("bob.vnpro"));
    lines = Lines(RunCli("coverage " + stem, kMonday).out);
    ASSERT_EQ(lines.size(), 1189u);
    EXPECT_EQ(lines[480], "Psalms\t3\t9\t9\t1\t2");
    EXPECT_EQ(lines[1189 - 23], "Jude\t1\t25\t3\t0\t1");
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), plan);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpro")), history);

    // A damaged history: reported, left where it is, nothing printed.
    SaveFileAtomic(dir.Path("bob.vnpro"), "xx");
    CliResult bad = RunCli("coverage " + stem, kMonday);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpro")), "xx");
    EXPECT_EQ(RunCli("coverage", kMonday).status, 2);
    EXPECT_EQ(RunCli("coverage a b", kMonday).status, 2);
}

TEST(CoverageCli, PlanOfTheGaps) {
    TempDir dir;
    const std::string stem = "'" + dir.Path("bob") + "'";
    const std::string out = "'" + dir.Path("gaps.txt") + "'";
    SaveFileAtomic(dir.Path("w.txt"), "<ALLDA = 1>/[Genesis 1-49]/");
    ASSERT_EQ(RunCli("plan new " + stem + " '" + dir.Path("w.txt") + "'", kMonday).status, 0);
    ASSERT_EQ(RunCli("plan finish " + stem + " 0", kMonday).status, 0);
    const std::string plan = ReadWholeFile(dir.Path("bob.vnpln"));

    struct Case {
        std::string args;
        int status;
    } cases[] = {
        {"plan gaps STEM OUT --days 14 --weekdays 0111110", 0},
        {"plan gaps STEM OUT --days 0", 2},
        {"plan gaps STEM OUT", 2},
        {"plan gaps STEM OUT --days 10 --weekdays 0000000", 2},
        {"plan gaps STEM OUT --days 10 --weekdays 01", 2},
        {"plan gaps STEM --days 10", 2},
        {"plan gaps STEM STEM.vnpln --days 10", 2},
    };
    for (const Case& c : cases) {
        std::string args = c.args;
        args.replace(args.find("STEM"), 4, stem);
        if (args.find("STEM.vnpln") != std::string::npos)
            args.replace(args.find("STEM.vnpln"), 10, "'" + dir.Path("bob.vnpln") + "'");
        if (args.find("OUT") != std::string::npos) args.replace(args.find("OUT"), 3, out);
        EXPECT_EQ(RunCli(args, kMonday).status, c.status) << c.args;
        if (c.status != 0) continue;
        const std::vector<std::string> text = Lines(ReadWholeFile(dir.Path("gaps.txt")));
        ASSERT_GT(text.size(), 10u);
        EXPECT_EQ(text[1], "<TITLE = Unread Chapters>\r");
        // Ten reading days in two weeks of Monday to Friday; Genesis 50 is the first unread chapter.
        EXPECT_EQ(std::count(text.begin(), text.end(), "/\r"), 11);
        EXPECT_EQ(text[11].substr(0, 15), "[Genesis 50][Ex");
        std::filesystem::remove(dir.Path("gaps.txt"));
    }
    EXPECT_FALSE(FileExists(dir.Path("gaps.txt")));
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), plan);

    // The import makes a plan of its own.
    ASSERT_EQ(RunCli("plan gaps " + stem + " " + out + " --days 7", kMonday).status, 0);
    ASSERT_EQ(RunCli("plan new " + stem + " " + out + " --yes", kMonday).status, 0);
    const std::vector<std::string> show = Lines(RunCli("plan show " + stem, kMonday).out);
    ASSERT_EQ(show.size(), 7u + 2);
    EXPECT_EQ(show[0].substr(0, 38), "0\tMon 12/07/2026\tMon 12/07/2026\t0\tGene");
    EXPECT_EQ(show.back(), "schedule\tday 1\tof 7\ton schedule");
}

} // namespace
