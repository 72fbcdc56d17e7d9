// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCli.h"
#include "TempDir.h"
#include "foundation/FileAccess.h"
#include "plan/TemplateFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

TEST(CliTemplateEdit, StepsAreTheEditorsClicks) {
    TempDir dir;
    const std::string out = dir.Path("Two Sections");
    CliResult r = RunCli("template-edit " + Quote(out) +
                         " years=0 months=6 days=15 divide=verses repeat=on weekdays=0111110 add-section "
                         "add-section select=2 click=Gospels 'click=New Testament/Historical' add-section "
                         "select=1 click=Wisdom");
    EXPECT_EQ(r.status, 0);
    // The second add-section did nothing: section 2 was still empty.
    EXPECT_EQ(r.out, "saved\t" + out + ".vntpl\nsections\t3\nsection\t1\t56\nsection\t2\t5\nsection\t3\t0\n");
    CPlanTemplate t = LoadTemplateFile(out + ".vntpl").fields;
    EXPECT_EQ(t.templateTitle, "Two Sections");
    EXPECT_EQ(t.planYears, 0);
    EXPECT_EQ(t.planMonths, 6);
    EXPECT_EQ(t.planDays, 15);
    EXPECT_EQ(t.divideBy, 1);
    EXPECT_EQ(t.repeatBooks, 1);
    EXPECT_EQ(t.sectionCount, 3);
    EXPECT_EQ(t.readOnWeekday, (std::array<int32_t, 7>{0, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(t.bookSection[18], 0); // Psalms
    EXPECT_EQ(t.bookSection[42], 2); // John
    EXPECT_EQ(t.bookSection[43], 2); // Acts
    EXPECT_EQ(t.bookSection[44], 1); // Romans

    // Loading it again and removing section 1 renumbers the rest.
    CliResult again = RunCli("template-edit " + Quote(dir.Path("One.txt")) + " " +
                             Quote("load=" + out + ".vntpl") + " select=1 remove-section");
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "saved\t" + dir.Path("One.txt") + "\nsections\t2\nsection\t1\t5\nsection\t2\t0\n");
}

TEST(CliTemplateEdit, RefusalsWriteNothing) {
    TempDir dir;
    struct Case {
        std::string steps;
        int status;
    };
    const std::vector<Case> cases = {
        {"days=2001", 1},       {"days=x", 1},      {"years=6", 2}, {"select=2", 2},
        {"click=Apocrypha", 2}, {"weekdays=01", 2}, {"bogus", 2},   {"load=" + dir.Path("none.vntpl"), 1},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli("template-edit " + Quote(dir.Path("x.vntpl")) + " " + Quote(c.steps));
        EXPECT_EQ(r.status, c.status) << c.steps;
        EXPECT_TRUE(dir.List().empty()) << c.steps;
    }
    // A name of another kind is saved with the template extension, as in the editor.
    CliResult other = RunCli("template-edit " + Quote(dir.Path("x.doc")));
    EXPECT_EQ(other.status, 0);
    EXPECT_EQ(other.out.substr(0, other.out.find('\n')), "saved\t" + dir.Path("x.doc.vntpl"));
    EXPECT_EQ(dir.List(), std::vector<std::string>{"x.doc.vntpl"});
    // Named again, the file is replaced.
    EXPECT_EQ(RunCli("template-edit " + Quote(dir.Path("x.doc")) + " years=4").status, 0);
    EXPECT_EQ(LoadTemplateFile(dir.Path("x.doc.vntpl")).fields.planYears, 4);
    std::filesystem::remove(dir.Path("x.doc.vntpl"));

    // A read-only template is saved read-only and then never replaced.
    EXPECT_EQ(RunCli("template-edit " + Quote(dir.Path("Locked.vntpl")) + " read-only=on").status, 0);
    EXPECT_TRUE(IsReadOnly(dir.Path("Locked.vntpl")));
    std::string before = ReadWholeFile(dir.Path("Locked.vntpl"));
    EXPECT_EQ(RunCli("template-edit " + Quote(dir.Path("Locked.vntpl")) + " years=3").status, 1);
    EXPECT_EQ(ReadWholeFile(dir.Path("Locked.vntpl")), before);
    SetReadOnly(dir.Path("Locked.vntpl"), false);
}

// The saved path is one field of one line, whatever the name holds.
TEST(CliTemplateEdit, TheSavedPathIsPrintedAsOneField) {
    TempDir dir;
    struct Case {
        std::string name, printed;
    } cases[] = {
        {"two\nlines", "two\\nlines.vntpl"},
        {"tab\there", "tab\\there.vntpl"},
        {"back\\slash", "back\\\\slash.vntpl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CliResult r = RunCli("template-edit " + Quote(dir.Path(c.name)));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.substr(0, r.out.find("\nsections")), "saved\t" + dir.Path(c.printed));
        EXPECT_TRUE(FileExists(dir.Path(c.name + ".vntpl")));
    }
}

} // namespace
