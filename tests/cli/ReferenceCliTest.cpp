// SPDX-License-Identifier: GPL-3.0-or-later
// Every command that takes a typed reference reads it the same way, and
// refuses instead of storing another verse.
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/FileAccess.h"
#include "scripture/Bible.h"

#include <gtest/gtest.h>

namespace {

std::string Q(const std::string& s) {
    return "'" + s + "'";
}

std::string Line(uint16_t b, uint16_t c, uint16_t v) {
    CBible& bible = TheBible();
    return std::to_string(bible.GetVerseIndex(b, c, v)) + "\t" + bible.GetReferenceText(b, c, v) + "\n";
}

TEST(ReferenceCli, EveryCommandReadsTheUsualNamesAndRefusesWhatABookLacks) {
    TempDir dir;
    const std::string today = "SCRIVANE_TODAY=2026-12-07";
    SaveFileAtomic(dir.Path("w.txt"), "<TITLE = Week><ALLDA = 1>/[Genesis 1]/[Psalms 23]");
    const std::string stem = Q(dir.Path("bob")), notes = Q(dir.Path("bob.vnnot"));
    ASSERT_EQ(RunCli("plan new " + stem + " " + Q(dir.Path("w.txt")), today).status, 0);
    ASSERT_EQ(RunCli("notes set " + notes + " 'John 3:16' loved").status, 0);
    const std::string kjv = " --module engKJV2006eb";

    struct Case {
        std::string args;
        int status;
        std::string out; // for status 0
        std::string err; // what stderr must say, for status 2
    } cases[] = {
        {"verse 'Philippians 1:1' 'Zechariah 1:1' 'Song of Solomon 1:1'", 0,
         Line(50, 1, 1) + Line(38, 1, 1) + Line(22, 1, 1), ""},
        {"verse 'Rev 22:21' 'Jn 3:16' 'matthew 5:3' '1Cor 13:4' 'I Cor 13:4' 'Ps 23:1' 'Jude 5'", 0,
         Line(66, 22, 21) + Line(43, 3, 16) + Line(40, 5, 3) + Line(46, 13, 4) + Line(46, 13, 4) +
             Line(19, 23, 1) + Line(65, 1, 5),
         ""},
        {"verse 'John 3:16-18'", 2, "", "'John 3:16-18' names more than one verse (John 3:16 to John 3:18)"},
        {"verse 'Ps 23'", 2, "", "'Ps 23' names more than one verse (Psalms 23:0 to Psalms 23:6)"},
        {"verse 'John 3:99'", 2, "", "'John 3:99': John 3 has no verse 99 (it has 36 verses)"},
        {"verse 'John 99:1'", 2, "", "'John 99:1': John has 21 chapters"},
        {"verse 'Psalms 151'", 2, "", "'Psalms 151': Psalms has 150 chapters"},
        {"verse 'Jude 26'", 2, "", "'Jude 26': Jude has 1 chapter of 25 verses"},
        {"text 'John 3:16-18'" + kjv, 0, "", ""},
        {"text 'Jn 3:16' 'John 3:18'" + kjv, 0, "", ""},
        {"text 'John 3:99'" + kjv, 2, "", "John 3 has no verse 99 (it has 36 verses)"},
        {"text 'Jude 26'" + kjv, 2, "", "Jude has 1 chapter of 25 verses"},
        {"text 'John 3:18' 'John 3:16'" + kjv, 2, "", "'John 3:16' comes before 'John 3:18'"},
        {"text 'John 3:18-16'" + kjv, 2, "", "the range \"John 3:18-16\" runs backwards"},
        {"plan read " + stem + " 'John 3:16-18' 'John 3:99' --yes", 2, "", "John 3 has no verse 99"},
        {"plan read " + stem + " 'Jude 26' --yes", 2, "", "Jude has 1 chapter of 25 verses"},
        {"plan read " + stem + " 31218 --yes", 2, "", "'31218' is beyond the last verse index, 31217"},
        {"notes set " + notes + " 'Jude 26' x", 2, "", "Jude has 1 chapter of 25 verses"},
        {"notes set " + notes + " 'John 3:16-18' x", 2, "", "names more than one verse"},
        {"notes set " + notes + " 'John 3' x", 2, "", "names more than one verse"},
    };
    const std::string planBefore = ReadWholeFile(dir.Path("bob.vnpln"));
    const std::string historyBefore = ReadWholeFile(dir.Path("bob.vnpro"));
    const std::string notesBefore = ReadWholeFile(dir.Path("bob.vnnot"));
    for (const Case& c : cases) {
        CliRun r = RunCliWithErr(c.args, today);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        if (c.status == 0 && !c.out.empty()) {
            EXPECT_EQ(r.out, c.out) << c.args;
        }
        if (c.status == 2) {
            EXPECT_EQ(r.out, "") << c.args;
            EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << "\n" << r.err;
        }
    }
    // Nothing refused changed a file.
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), planBefore);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpro")), historyBefore);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnnot")), notesBefore);

    // One argument holding a range, and two arguments, give the same verses.
    EXPECT_EQ(RunCli("text 'John 3:16-18'" + kjv).out, RunCli("text 'Jn 3:16' 'John 3:18'" + kjv).out);
    EXPECT_EQ(RunCli("text 'John 3:16-18'" + kjv).out.substr(0, 16), "26252\tJohn 3:16\t");

    // "Ps 23" marks the whole psalm, title and all: 7 of the plan's 38 verses.
    ASSERT_EQ(RunCli("plan read " + stem + " 'Ps 23' --yes", today).status, 0);
    const std::string shown = RunCli("plan show " + stem, today).out;
    EXPECT_NE(shown.find("\nprogress\t7\t38\t"), std::string::npos) << shown;
    ASSERT_EQ(RunCli("notes set " + notes + " 'Jn 3:17' saved").out, Line(43, 3, 17));
}

} // namespace
