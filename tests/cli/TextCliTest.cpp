// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCli.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

TEST(TextCli, ModulesListsTheInstalledBibles) {
    CliResult r = RunCli("modules");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("engKJV2006eb\tKJV\tKing James Version\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("engWEB2015eb\tNRSVA\tWorld English Bible with Deuterocanon\n"), std::string::npos)
        << r.out;
    EXPECT_EQ(RunCli("modules extra").status, 2);
}

TEST(TextCli, TextGivesOneEscapedLinePerVerse) {
    struct Case {
        std::string args;
        int status;
        std::string out;
    } cases[] = {
        {"text 'Psalms 3:0' 'Psalms 3:1' --module engWEB2015eb", 0,
         "13958\tPsalms 3:0\tA Psalm by David, when he fled from Absalom his son.\n"
         "13959\tPsalms 3:1\tYahweh, how my adversaries have increased!\\nMany are those who rise up against "
         "me.\n"},
        {"text 0 --module engKJV2006eb", 0,
         "0\tGenesis 1:1\tIn the beginning God created the heaven and the earth.\n"},
        {"text --module engWEB2015eb 'Malachi 4:6' 23261", 0,
         "23260\tMalachi 4:6\tHe will turn the hearts of the fathers to the children and the hearts of the "
         "children to their fathers, lest I come and strike the earth with a curse.\xE2\x80\x9D\n"
         "23261\tMatthew 1:1\tThe book of the genealogy of Jesus Christ, the son of David, the son of "
         "Abraham.\n"},
        // Past the end of the canon, or a range the wrong way round: refused, never read as another verse.
        {"text 31218 --module engKJV2006eb", 2, ""},
        {"text 5 4 --module engKJV2006eb", 2, ""},
        // A module named in another case, or by its abbreviation.
        {"text 0 --module ENGkjv2006EB", 0,
         "0\tGenesis 1:1\tIn the beginning God created the heaven and the earth.\n"},
        {"text 0 --module kjv", 0,
         "0\tGenesis 1:1\tIn the beginning God created the heaven and the earth.\n"},
        {"text 0 --module NoSuchBible", 1, ""},
        {"text", 2, ""},
        {"text 1 2 3", 2, ""},
        {"text 1 --module", 2, ""},
        {"text '' 3", 2, ""},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

// Without the reader module the text commands say so and fail; the rest of
// the program never needs it.
TEST(TextCli, AMissingTextReaderIsReportedNotHidden) {
    const std::string missing = "SCRIVANE_TEXT_BACKEND=/nonexistent/libscrivane-sword.so";
    for (const std::string args : {"modules", "text 0"}) {
        CliRun r = RunCliWithErr(args, missing);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_NE(r.err.find("The Bible text reader of Scrivane could not be loaded"), std::string::npos)
            << r.err;
    }
    EXPECT_EQ(RunCli("date 2000-1-1", missing).status, 0);
}

// A read that never returns still ends the command within two seconds,
// naming the module, with a failure.
TEST(TextCli, AReadThatNeverReturnsEndsTheCommandInTime) {
    const std::string stalled = "SCRIVANE_TEXT_BACKEND=" SCRIVANE_STALLED_TEXT " timeout -s KILL 10";
    const auto start = std::chrono::steady_clock::now();
    CliRun r = RunCliWithErr("text 'Genesis 1:1' 'Genesis 2:3'", stalled);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("scrivane-cli: The translation Stalled gave no text within 1.5 seconds"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(RunCli("modules", stalled).out, "Stalled\tKJV\tA module that never answers\n");
}

} // namespace
