// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/FileAccess.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

// Every file under dir with its bytes and modification time, and every directory.
std::map<std::string, std::string> Fingerprint(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
        const std::string name = e.path().string();
        if (e.is_directory()) {
            files[name] = "<dir>";
            continue;
        }
        const auto when = std::filesystem::last_write_time(e.path()).time_since_epoch().count();
        files[name] = std::to_string(when) + ":" + ReadWholeFile(name);
    }
    return files;
}

class RhythmCli : public ::testing::Test {
protected:
    CliResult Run(const std::string& today, const std::string& args) {
        return RunCli(args, "SCRIVANE_TODAY=" + today);
    }
    std::string Base() const { return "'" + dir.Path() + "'"; }
    // A reader with the week plan made on the given Saturday (readings Mon, Tue, Wed after it).
    std::string AddReader(const std::string& nick, const std::string& madeOn) {
        EXPECT_EQ(Run(madeOn, "reader new " + nick + " A B --base " + Base()).status, 0);
        const std::string stem = dir.Path(nick + " (A B)/" + nick);
        if (!madeOn.empty()) {
            EXPECT_EQ(Run(madeOn, "plan new '" + stem + "' '" + dir.Path("w.txt") + "'").status, 0);
        }
        return stem;
    }
    TempDir dir;
};

TEST_F(RhythmCli, TodayReportsEveryReaderAndChangesNoFile) {
    SaveFileAtomic(dir.Path("w.txt"),
                   "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2][Psalms 23]/[Jude 3]");
    AddReader("Ann", "2026-12-12");                         // first reading Mon 14
    const std::string ben = AddReader("Ben", "2026-12-05"); // first reading Mon 7
    const std::string cat = AddReader("Cat", "2026-12-05");
    AddReader("Dan", ""); // no plan
    const std::string eve = AddReader("Eve", "2026-12-05");
    ASSERT_EQ(Run("2026-12-07", "plan finish '" + ben + "' 0").status, 0);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(Run("2026-12-07", "plan finish '" + cat + "' " + std::to_string(i)).status, 0);
    const std::string evePlan = ReadWholeFile(eve + ".vnpln");
    SaveFileAtomic(eve + ".vnpln", evePlan.substr(0, 100));

    const auto before = Fingerprint(dir.Path());
    // Monday 14: Ben finished Monday 7 and is behind from Tuesday 8 on: four reading days, not six
    // days; and two of the plan's three assignments.
    CliResult r = Run("2026-12-14", "today --base " + Base());
    EXPECT_EQ(r.status, 1); // Eve's file is damaged
    EXPECT_EQ(
        r.out,
        "Ann\t2026-12-14\tdue\tGenesis 1:1 through Genesis 1:31\tday 1\tof 3\ton schedule\n"
        "Ben\t2026-12-08\toverdue 4\tGenesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms 23:6\tday "
        "3\tof 3\t2 behind\n"
        "Cat\t\tdone\t\tday 3\tof 3\ton schedule\n"
        "Dan\t\tnone\t\n"
        "Eve\t\tdamaged\t" +
            eve + ".vnpln\n");

    struct Case {
        std::string today, args;
        int status;
        std::string out;
    } cases[] = {
        {"2026-12-14", "Ben Dan", 0,
         "Ben\t2026-12-08\toverdue 4\tGenesis 2:1 through Genesis 2:25; Psalms 23:0 "
         "through Psalms 23:6\tday 3\tof 3\t2 behind\nDan\t\tnone\t\n"},
        {"2026-12-08", "Ben", 0,
         "Ben\t2026-12-08\tdue\tGenesis 2:1 through Genesis 2:25; Psalms 23:0 through "
         "Psalms 23:6\tday 2\tof 3\ton schedule\n"},
        // Before the plan's first reading day: day 0.
        {"2026-12-10", "Ann", 0,
         "Ann\t2026-12-14\tdue\tGenesis 1:1 through Genesis 1:31\tday 0\tof 3\ton schedule\n"},
        {"2026-12-14", "Nobody", 1, ""},
        {"2026-12-14", "Eve", 1, "Eve\t\tdamaged\t" + eve + ".vnpln\n"},
    };
    for (const Case& c : cases) {
        CliResult one = Run(c.today, "today --base " + Base() + " " + c.args);
        EXPECT_EQ(one.status, c.status) << c.args;
        EXPECT_EQ(one.out, c.out) << c.args;
    }
    EXPECT_EQ(Run("2026-12-14", "today --base").status, 2);
    // Run without --base, as a login script would: the data directory the menu entry uses.
    TempDir data;
    std::filesystem::create_directory_symlink(dir.Path(), data.Path("Scrivane"));
    CliResult here =
        RunCli("today Cat", "cd / && XDG_DATA_HOME='" + data.Path() + "' SCRIVANE_TODAY=2026-12-14");
    EXPECT_EQ(here.out, "Cat\t\tdone\t\tday 3\tof 3\ton schedule\n");

    // Nothing written, created, moved aside or touched, the damaged file included.
    EXPECT_EQ(Fingerprint(dir.Path()), before);

    // A damaged reader file is reported and left alone too.
    SaveFileAtomic(dir.Path("Scrivane.vnrdr"), "xx");
    const auto broken = Fingerprint(dir.Path());
    CliResult none = Run("2026-12-14", "today --base " + Base());
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(Fingerprint(dir.Path()), broken);
}

// Python's icalendar reads the file: one event per assignment, on its date, UIDs kept across re-dating.
TEST_F(RhythmCli, PlanIcsReadsBackInAnotherParser) {
    SaveFileAtomic(dir.Path("w.txt"), "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2][Psalms 23]/[Jude "
                                      "3]/[Genesis 3][Genesis 4][Genesis 5][Genesis 6][Exodus 20]");
    const std::string stem = "'" + dir.Path("bob") + "'";
    ASSERT_EQ(Run("2026-12-05", "plan new " + stem + " '" + dir.Path("w.txt") + "'").status, 0);
    ASSERT_EQ(Run("2026-12-07", "plan finish " + stem + " 0").status, 0);
    const std::string planBefore = ReadWholeFile(dir.Path("bob.vnpln"));
    CliResult r = Run("2026-12-07", "plan ics " + stem + " '" + dir.Path("a.ics") + "'");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "4\t" + dir.Path("a.ics") + "\n");
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), planBefore);
    ASSERT_EQ(Run("2026-12-16", "plan sync " + stem).status, 0);
    ASSERT_EQ(Run("2026-12-16", "plan ics " + stem + " '" + dir.Path("b.ics") + "'").status, 0);

    SaveFileAtomic(dir.Path("read.py"), R"(import sys, icalendar
def events(path):
    cal = icalendar.Calendar.from_ical(open(path, 'rb').read())
    return [(str(e['UID']), e.decoded('DTSTART').strftime('%Y%m%d'), str(e['SUMMARY']),
             str(e['DESCRIPTION'])) for e in cal.walk('VEVENT')]
a, b = events(sys.argv[1]), events(sys.argv[2])
print(len(a), len(b), len(set(u for u, _, _, _ in a)))
print('same uids' if [e[0] for e in a] == [e[0] for e in b] else 'uids differ')
for (_, d1, s, desc), (_, d2, _, _) in zip(a, b):
    print(d1, d2, s, '|', desc.replace('\n', '/'))
)");
    // Debian's own interpreter, which python3-icalendar is installed for.
    CliResult py = RunShell("/usr/bin/python3 '" + dir.Path("read.py") + "' '" + dir.Path("a.ics") + "' '" +
                            dir.Path("b.ics") + "' 2>&1");
    ASSERT_EQ(py.status, 0) << py.out;
    EXPECT_EQ(
        py.out,
        "4 4 4\nsame uids\n"
        "20261207 20261207 Finished: Genesis 1:1 through Genesis 1:31 | Genesis 1:1 through Genesis "
        "1:31/Finished./Reading 1 of 4, planned for Mon 12/07/2026.\n"
        "20261208 20261216 Genesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms 23:6 | Genesis 2:1 "
        "through Genesis 2:25/Psalms 23:0 through Psalms 23:6/Reading 2 of 4, planned for Tue 12/08/2026.\n"
        "20261209 20261217 Jude 3 | Jude 3/Reading 3 of 4, planned for Wed 12/09/2026.\n"
        "20261210 20261218 Genesis 3:1 through Genesis 3:24; Genesis 4:1 through Genesis 4:26; Genesis 5:1 "
        "through Genesis 5:32; Genesis 6:1 through Genesis 6:22; Exodus 20:1 through Exodus 20:26 | Genesis "
        "3:1 through Genesis 3:24/Genesis 4:1 through Genesis 4:26/Genesis 5:1 through Genesis 5:32/Genesis "
        "6:1 through Genesis 6:22/Exodus 20:1 through Exodus 20:26/Reading 4 of 4, planned for Thu "
        "12/10/2026.\n");

    // An unwritable target: a message, status 1, plan untouched.
    SaveFileAtomic(dir.Path("ro.ics"), "");
    SetReadOnly(dir.Path("ro.ics"), true);
    const std::string planNow = ReadWholeFile(dir.Path("bob.vnpln"));
    EXPECT_EQ(Run("2026-12-16", "plan ics " + stem + " '" + dir.Path("ro.ics") + "'").status, 1);
    EXPECT_EQ(Run("2026-12-16", "plan ics " + stem + " '" + dir.Path("no/such/dir.ics") + "'").status, 1);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), planNow);
    EXPECT_EQ(Run("2026-12-16", "plan ics " + stem).status, 2);
}

} // namespace
