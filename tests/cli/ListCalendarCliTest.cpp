// SPDX-License-Identifier: GPL-3.0-or-later
// Reading lists imported day for day: their numbering and dates are kept, and
// a reader can join a dated plan part-way.
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/FileAccess.h"

#include <gtest/gtest.h>

namespace {

std::string Q(const std::string& s) {
    return "'" + s + "'";
}

// The assignment lines of "plan show", without the progress and schedule lines.
std::string Assignments(const std::string& shown) {
    return shown.substr(0, shown.find("progress\t"));
}

TEST(ListCalendarCli, ImportedListsKeepTheirDays) {
    TempDir dir;
    struct Case {
        std::string list;
        std::string options; // of plan new
        std::string today;
        std::string err; // of import-list
        std::string assignments;
    } cases[] = {
        // Day 3 and day 4 are missing: they stay days without a reading.
        {"Day 1: Gen 1\nDay 2: Gen 2\nDay 5: Gen 3\n", "", "2027-01-04", "",
         "0\tMon 01/04/2027\tMon 01/04/2027\t0\tGenesis 1:1 through Genesis 1:31\n"
         "1\tTue 01/05/2027\tTue 01/05/2027\t0\tGenesis 2:1 through Genesis 2:25\n"
         "2\tWed 01/06/2027\tWed 01/06/2027\t1\t\n"
         "3\tThu 01/07/2027\tThu 01/07/2027\t1\t\n"
         "4\tFri 01/08/2027\tFri 01/08/2027\t0\tGenesis 3:1 through Genesis 3:24\n"},
        // A dated list joined on its fourth day: from its first date, the days before are due ...
        {"2027-01-01: Gen 1\n2027-01-02: Gen 2\n2027-01-03: Gen 3\n2027-01-04: Gen 4\n2027-01-05: Gen 5\n",
         "--start 2027-01-01", "2027-01-04", "",
         "0\tFri 01/01/2027\tFri 01/01/2027\t0\tGenesis 1:1 through Genesis 1:31\n"
         "1\tSat 01/02/2027\tSat 01/02/2027\t0\tGenesis 2:1 through Genesis 2:25\n"
         "2\tSun 01/03/2027\tSun 01/03/2027\t0\tGenesis 3:1 through Genesis 3:24\n"
         "3\tMon 01/04/2027\tMon 01/04/2027\t0\tGenesis 4:1 through Genesis 4:26\n"
         "4\tTue 01/05/2027\tTue 01/05/2027\t0\tGenesis 5:1 through Genesis 5:32\n"},
        // ... or left out, so that the reader starts where the list stands today.
        {"2027-01-01: Gen 1\n2027-01-02: Gen 2\n2027-01-03: Gen 3\n2027-01-04: Gen 4\n2027-01-05: Gen 5\n",
         "--start 2027-01-01 --skip-past", "2027-01-04", "",
         "0\tMon 01/04/2027\tMon 01/04/2027\t0\tGenesis 4:1 through Genesis 4:26\n"
         "1\tTue 01/05/2027\tTue 01/05/2027\t0\tGenesis 5:1 through Genesis 5:32\n"},
        {"Jan 1: Gen 1-2\nJan 3: Matt 1\n", "--start 2027-01-01 --skip-past", "2027-01-02", "",
         "0\tSat 01/02/2027\tSat 01/02/2027\t1\t\n"
         "1\tSun 01/03/2027\tSun 01/03/2027\t0\tMatthew 1:1 through Matthew 1:25\n"},
        // Another numbering's last verse of 3 John: read as this one's, and the line is named.
        {"Day 1: 3 John 1:13-15\nDay 2: Jude\n", "", "2027-01-04",
         "scrivane-cli: Read in list.txt with this program's numbering: Line 1: 3John has no verse 15 in "
         "this "
         "numbering; read as 3John 14 \n",
         "0\tMon 01/04/2027\tMon 01/04/2027\t0\t3John 13 through 3John 14\n"
         "1\tTue 01/05/2027\tTue 01/05/2027\t0\tJude 1 through Jude 25\n"},
        // --skip-bad names the line and keeps the day's other reading, and the day its place.
        {"Day 1: Gen 1; Genisis 2\nDay 2: Genisis 3\nDay 3: Gen 4\n", "", "2027-01-04",
         "scrivane-cli: Skipped in list.txt: Line 1: unknown book \"Genisis\" Line 2: unknown book "
         "\"Genisis\" \n",
         "0\tMon 01/04/2027\tMon 01/04/2027\t0\tGenesis 1:1 through Genesis 1:31\n"
         "1\tTue 01/05/2027\tTue 01/05/2027\t1\t\n"
         "2\tWed 01/06/2027\tWed 01/06/2027\t0\tGenesis 4:1 through Genesis 4:26\n"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string stem = dir.Path("p" + std::to_string(++n)), out = dir.Path("plan.txt");
        SaveFileAtomic(dir.Path("list.txt"), c.list);
        const CliRun imported =
            RunCliWithErr("plan import-list " + Q(dir.Path("list.txt")) + " " + Q(out) + " --skip-bad");
        ASSERT_EQ(imported.status, 0) << c.list << imported.err;
        EXPECT_EQ(imported.err, c.err) << c.list;
        const std::string today = "SCRIVANE_TODAY=" + c.today;
        ASSERT_EQ(RunCli("plan new " + Q(stem) + " " + Q(out) + " " + c.options, today).status, 0) << c.list;
        EXPECT_EQ(Assignments(RunCli("plan show " + Q(stem), today).out), c.assignments)
            << c.list << c.options;
    }
    // --start takes a date, and belongs to plan new.
    for (const char* start : {"soon", "2027-02-30", "2027-13-01", "2027-01-"})
        EXPECT_EQ(RunCli("plan new " + Q(dir.Path("x")) + " " + Q(dir.Path("plan.txt")) + " --start " + start)
                      .status,
                  2)
            << start;
    EXPECT_EQ(RunCli("plan show " + Q(dir.Path("p1")) + " --skip-past").status, 2);
    EXPECT_FALSE(FileExists(dir.Path("x.vnpln")));
}

} // namespace
