// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/Archive.h"
#include "foundation/FileAccess.h"
#include "foundation/JJulian.h"
#include "scripture/Bible.h"

#include <gtest/gtest.h>

namespace {

const std::string kToday = "SCRIVANE_TODAY=2026-12-05"; // a Saturday

class PlanCli : public ::testing::Test {
protected:
    CliResult Run(const std::string& args) { return RunCli(args, kToday); }
    std::string Stem() const { return "'" + dir.Path("bob") + "'"; }
    std::string File(const std::string& name) const { return "'" + dir.Path(name) + "'"; }
    TempDir dir;
};

TEST_F(PlanCli, NewPlanFromAnImportWritesExactFiles) {
    SaveFileAtomic(dir.Path("w.txt"),
                   "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2][Psalms 23]/[Jude 3]");
    CliResult r = Run("plan new " + Stem() + " " + File("w.txt"));
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");

    CBible& bible = TheBible();
    const uint16_t verses = bible.GetTotalVerseCount();
    struct Range {
        uint16_t a, b;
    };
    const std::vector<std::vector<Range>> days = {
        {{0, 30}},
        {{31, 55}, {bible.GetVerseIndex(19, 23, 0), bible.GetVerseIndex(19, 23, 6)}},
        {{bible.GetVerseIndex(65, 1, 3), bible.GetVerseIndex(65, 1, 3)}},
    };
    std::string inPlan(verses, '\0');
    for (const auto& day : days)
        for (const Range& rg : day)
            for (uint32_t v = rg.a; v <= rg.b; ++v)
                inPlan[v] = 1;
    CArchive plan;
    plan.WriteDWord(1);
    plan.WriteString("Week");
    plan.WriteString("");
    plan.WriteString("");
    plan.WriteDWord(1); // repeat: the text form's default
    for (uint32_t f : {0, 1, 1, 1, 1, 1, 0})
        plan.WriteDWord(f);
    plan.WriteDWord(999);
    plan.WriteDWord(1);
    plan.WriteDWord(1);
    CJJulian today = CJJulian::Day(2026, 12, 5);
    today.Serialize(plan);
    plan.WriteWord(verses);
    plan.Write(inPlan.data(), verses);
    plan.WriteWord(verses);
    plan.Write(std::string(verses, '\0').data(), verses);
    plan.WriteWord(3);
    for (size_t d = 0; d < days.size(); ++d) {
        CJJulian date = CJJulian::Day(2026, 12, int16_t(7 + d));
        date.Serialize(plan);
        date.Serialize(plan);
        plan.WriteDWord(uint32_t(days[d].size()));
        for (const Range& rg : days[d]) {
            plan.WriteWord(rg.a);
            plan.WriteWord(rg.b);
        }
    }
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), plan.Bytes());

    CArchive history;
    history.WriteDWord(1);
    history.WriteDWord(0);
    history.WriteWord(verses);
    for (uint16_t i = 0; i < verses; ++i)
        history.WriteWord(0);
    history.WriteWord(0);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpro")), history.Bytes());
}

TEST_F(PlanCli, DailyUse) {
    SaveFileAtomic(dir.Path("w.txt"),
                   "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2][Psalms 23]/[Jude 3]");
    ASSERT_EQ(Run("plan new " + Stem() + " " + File("w.txt")).status, 0);
    struct Step {
        std::string args;
        int status;
        std::string out;
    } steps[] = {
        {"show", 0,
         "0\tMon 12/07/2026\tMon 12/07/2026\t0\tGenesis 1:1 through Genesis 1:31\n"
         "1\tTue 12/08/2026\tTue 12/08/2026\t0\tGenesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms "
         "23:6\n"
         "2\tWed 12/09/2026\tWed 12/09/2026\t0\tJude 3\n"
         "progress\t0\t64\t0.00%\t0\t31218\t0.00%\n"
         "schedule\tday 0\tof 3\ton schedule\n"},
        {"finish STEM 0", 0, ""},
        {"finish STEM 3", 2, ""},
        {"finish STEM x", 2, ""},
        {"read STEM 'Jude 1' 'Jude 5' --lifetime-only", 0, ""},
        {"read STEM 'Jude 3' 30788", 2, ""}, // back to the verse before Jude: a range the wrong way round
        {"read STEM 30788 'Jude 3'", 0, ""}, // from the verse before Jude: only Jude 3 is the plan's
        {"sync STEM", 0, ""},
        {"show", 0,
         "0\tMon 12/07/2026\tMon 12/07/2026\t1\tGenesis 1:1 through Genesis 1:31\n"
         "1\tMon 12/07/2026\tTue 12/08/2026\t0\tGenesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms "
         "23:6\n"
         "2\tWed 12/09/2026\tWed 12/09/2026\t1\tJude 3\n"
         "progress\t32\t64\t50.00%\t6\t31218\t0.01%\n"
         "schedule\tday 0\tof 3\t2 ahead\n"},
        {"properties STEM", 0, "Week\n\n\n"},
        {"reset STEM", 1, ""}, // a question, and no --yes
        {"reset-lifetime STEM", 1, ""},
        {"show", 0, "SAME"},
        {"reset STEM --yes", 0, ""},
        {"reset-lifetime STEM --yes", 0, ""},
        {"show", 0,
         "0\tMon 12/07/2026\tMon 12/07/2026\t0\tGenesis 1:1 through Genesis 1:31\n"
         "1\tMon 12/07/2026\tTue 12/08/2026\t0\tGenesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms "
         "23:6\n"
         "2\tWed 12/09/2026\tWed 12/09/2026\t0\tJude 3\n"
         "progress\t0\t64\t0.00%\t0\t31218\t0.00%\n"
         "schedule\tday 0\tof 3\ton schedule\n"},
        {"read STEM 0 1 2", 2, ""},
        {"frobnicate STEM", 2, ""},
        {"sync STEM --lifetime-only", 2, ""},
    };
    std::string lastShow;
    for (const Step& s : steps) {
        std::string args = s.args == "show" ? "show STEM" : s.args;
        args.replace(args.find("STEM"), 4, Stem());
        CliResult r = Run("plan " + args);
        EXPECT_EQ(r.status, s.status) << s.args;
        // Declined questions change nothing.
        EXPECT_EQ(r.out, s.out == "SAME" ? lastShow : s.out) << s.args;
        if (s.args == "show") lastShow = r.out;
    }
}

TEST_F(PlanCli, QuestionsAndBadFiles) {
    // A template that cannot be read leaves a fresh stem without files.
    SaveFileAtomic(dir.Path("short.vntpl"), "\1\0\0\0");
    EXPECT_EQ(Run("plan new " + Stem() + " " + File("short.vntpl")).status, 1);
    EXPECT_FALSE(FileExists(dir.Path("bob.vnpln")));
    EXPECT_FALSE(FileExists(dir.Path("bob.vnpro")));

    SaveFileAtomic(dir.Path("t.txt"), "<ALLDA><DAYS = 10><BOOKS = 1>");
    ASSERT_EQ(Run("plan new " + Stem() + " " + File("t.txt")).status, 0);
    const std::string before = ReadWholeFile(dir.Path("bob.vnpln"));
    // An unfinished plan: replacing it is a question.
    EXPECT_EQ(Run("plan new " + Stem() + " " + File("t.txt")).status, 1);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), before);
    EXPECT_EQ(Run("plan new " + Stem() + " " + File("none.vntpl") + " --yes").status, 1);
    EXPECT_EQ(Run("plan new " + Stem() + " " + File("short.vntpl") + " --yes").status, 1);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), before);
    EXPECT_EQ(Run("plan new " + Stem() + " " + File("t.txt") + " --yes").status, 0);

    // A damaged plan file is reported; show leaves it where it is, a change keeps it aside.
    SaveFileAtomic(dir.Path("bob.vnpln"), "broken");
    CliResult r = Run("plan show " + Stem());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), "broken");
    EXPECT_EQ(Run("plan read " + Stem() + " 0 0").status, 1);
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln.damaged")), "broken");
    EXPECT_EQ(Run("plan show " + Stem()).status, 0);
    EXPECT_EQ(Run("plan").status, 2);
    EXPECT_EQ(Run("plan show").status, 2);
}

} // namespace
