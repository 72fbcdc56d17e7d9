// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCli.h"
#include "TempDir.h"
#include "foundation/FileAccess.h"
#include "reader/ReaderFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct ReaderCli {
    TempDir dir;
    CliResult Run(const std::string& args) {
        return RunCli("reader " + args + " --base '" + dir.Path() + "'");
    }
    std::vector<std::string> Names() {
        std::string last;
        CReaderArray readers;
        ReadReaderFile(dir.Path(), last, readers);
        std::vector<std::string> names;
        for (int i = 0; i < readers.GetCount(); ++i)
            names.push_back(readers.At(i).GetDisplayName());
        return names;
    }
};

TEST(CliReader, CreateEditDelete) {
    ReaderCli cli;
    CliResult made = cli.Run("new Bob John Smith --minimized verses");
    EXPECT_EQ(made.status, 0);
    EXPECT_EQ(made.out,
              "Bob\t\\\\Bob (John Smith)\\\\Bob\t" + cli.dir.Path("Bob (John Smith)/Bob.txt") + "\n");
    EXPECT_TRUE(DirectoryExists(cli.dir.Path("Bob (John Smith)")));
    EXPECT_EQ(cli.Run("new Bob Jim Jones").status, 0);
    EXPECT_EQ(cli.Names(), (std::vector<std::string>{"Bob (Jim Jones)", "Bob (John Smith)"}));

    // Refusals change nothing and say why on stderr.
    EXPECT_EQ(cli.Run("new Bob John Smith").status, 1);
    EXPECT_EQ(cli.Run("new ../x John Smith").status, 1);
    EXPECT_EQ(cli.Run("new Ann A B --minimized bogus").status, 2);
    EXPECT_EQ(cli.Names().size(), 2u);

    // Without --yes the question goes unanswered and nothing changes.
    EXPECT_EQ(cli.Run("edit 'Bob (John Smith)' Rob John Smith").status, 1);
    EXPECT_TRUE(DirectoryExists(cli.dir.Path("Bob (John Smith)")));
    CliResult edited = cli.Run("edit 'Bob (John Smith)' Rob John Smith --yes");
    EXPECT_EQ(edited.status, 0);
    EXPECT_EQ(edited.out,
              "Rob\t\\\\Rob (John Smith)\\\\Rob\t" + cli.dir.Path("Rob (John Smith)/Rob.txt") + "\n");
    EXPECT_TRUE(DirectoryExists(cli.dir.Path("Rob (John Smith)")));

    EXPECT_EQ(cli.Run("delete Rob --yes --keep-files").status, 0);
    EXPECT_TRUE(DirectoryExists(cli.dir.Path("Rob (John Smith)")));
    EXPECT_EQ(cli.Run("delete 'Bob (Jim Jones)' --yes").status, 0);
    EXPECT_FALSE(DirectoryExists(cli.dir.Path("Bob (Jim Jones) (Jim Jones)")));
    EXPECT_TRUE(cli.Names().empty());
}

TEST(CliReader, DamagedReaderFileIsLeftAlone) {
    ReaderCli cli;
    SaveFileAtomic(cli.dir.Path("Scrivane.vnrdr"), "\x09not a reader file");
    EXPECT_EQ(cli.Run("new Bob John Smith").status, 1);
    EXPECT_EQ(ReadWholeFile(cli.dir.Path("Scrivane.vnrdr")), "\x09not a reader file");
    EXPECT_EQ(cli.dir.List(), std::vector<std::string>{"Scrivane.vnrdr"});
}

} // namespace

TEST(CliReader, ARelativeBaseStoresFullPaths) {
    TempDir dir;
    ASSERT_TRUE(std::filesystem::create_directories(dir.Path("base3")));
    struct Case {
        std::string base;
        std::string nick;
    };
    for (const Case& c : {Case{"base3", "Ann"}, Case{"./base3/", "Bea"}, Case{"x/../base3", "Cid"}}) {
        const std::string expected = dir.Path("base3/" + c.nick + " (Anna Smith)/" + c.nick + ".txt");
        CliResult made = RunCli("reader new " + c.nick + " Anna Smith --base '" + c.base + "'",
                                "cd '" + dir.Path() + "' &&");
        EXPECT_EQ(made.status, 0) << c.base;
        EXPECT_EQ(made.out,
                  c.nick + "\t\\\\" + c.nick + " (Anna Smith)\\\\" + c.nick + "\t" + expected + "\n");
        std::string last;
        CReaderArray readers;
        ReadReaderFile(dir.Path("base3"), last, readers);
        int i = readers.FindDisplayName(c.nick);
        ASSERT_GE(i, 0) << c.base;
        EXPECT_EQ(readers.At(i).GetGeneralNotesPath(), expected);
    }
}

namespace {

// Without --base every command finds the readers in ${XDG_DATA_HOME:-~/.local/share}/Scrivane.
TEST(ReaderCli, TheDataDirectoryIsTheBaseWithoutBase) {
    TempDir home, data;
    const std::string inHome = "cd / && HOME='" + home.Path() + "' XDG_DATA_HOME= ";
    const std::string inData = "cd / && HOME='" + home.Path() + "' XDG_DATA_HOME='" + data.Path() + "' ";
    struct Case {
        std::string env, args;
        int status;
        std::string out;
    } cases[] = {
        // Looking creates nothing.
        {inHome, "readers", 0, "last\t\n"},
        {inHome, "today", 0, ""},
        // The first reader makes the directory.
        {inHome, "reader new Bob John Smith", 0, ""},
        {inHome, "readers", 0, "last\t\nBob\tJohn\tSmith\tBob\t\\\\Bob (John Smith)\\\\Bob\t"},
        // A relative XDG_DATA_HOME is no place to keep data: home is used.
        {"cd / && HOME='" + home.Path() + "' XDG_DATA_HOME=rel ", "readers", 0, "last\t\nBob\t"},
        {inData, "readers", 0, "last\t\n"},
        {inData, "reader new Ann Ann Lee", 0, ""},
        {inData, "readers", 0, "last\t\nAnn\t"},
        // --base names another directory, which must be there.
        {inData, "reader new Cy C D --base '" + home.Path() + "/none'", 1, ""},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(c.args, c.env);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.args << "\n" << r.out;
        if (c.args == "readers" && c.env == inHome && c.out == "last\t\n") {
            EXPECT_FALSE(std::filesystem::exists(home.Path(".local/share/Scrivane")));
        }
    }
    EXPECT_TRUE(std::filesystem::exists(home.Path(".local/share/Scrivane/Scrivane.vnrdr")));
    EXPECT_TRUE(std::filesystem::exists(data.Path("Scrivane/Scrivane.vnrdr")));
    EXPECT_FALSE(std::filesystem::exists(home.Path("none")));
}

} // namespace
