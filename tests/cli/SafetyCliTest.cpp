// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line does with files it must not trust or must not touch.
#include "../core/TempDir.h"
#include "RunCli.h"
#include "foundation/FileAccess.h"
#include "reader/ReaderFile.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Q(const std::string& s) {
    return "'" + s + "'";
}

// Everything below dir, with each regular file's contents, to tell that nothing changed.
std::vector<std::string> Snapshot(const std::string& dir) {
    std::vector<std::string> all;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        std::string line = e.path().string();
        if (e.is_regular_file())
            line += "=" +
                    (e.file_size() > 4096 ? std::to_string(e.file_size()) : ReadWholeFile(e.path().string()));
        all.push_back(line);
    }
    std::sort(all.begin(), all.end());
    return all;
}

TEST(SafetyCli, ReferencesToUnknownBooksAreRefusedNeverMadeGenesis) {
    TempDir dir;
    const std::string notes = dir.Path("Anna.vnnot");
    struct Case {
        std::string args;
        int status;
        std::string out;
    } cases[] = {
        {"notes set " + Q(notes) + " 'Psalm 3:1' x", 0, "13959\tPsalms 3:1\n"},
        {"notes set " + Q(notes) + " 'Psalms 3:1' y", 0, "13959\tPsalms 3:1\n"},
        {"notes set " + Q(notes) + " 'Psalmz 3:1' z", 2, ""},
        {"notes set " + Q(notes) + " 'Johnn 3:16' z", 2, ""},
        {"notes set " + Q(notes) + " '3:16' z", 2, ""},
        {"notes set " + Q(notes) + " '' z", 2, ""},
        {"verse 'Psalm 23:1' 'Psalm 119:176'", 0, RunCli("verse 'Psalms 23:1' 'Psalms 119:176'").out},
        {"verse 'Jhnn 3:16' 'John 3:16'", 2, ""},
        {"plan read " + Q(dir.Path("bob")) + " 'Foo 1:1' 'Genesis 1:2'", 2, ""},
        {"plan read " + Q(dir.Path("bob")) + " 'Genesis 1:1' 'Revelationz 1:2'", 2, ""},
    };
    ASSERT_NE(cases[6].out.find("Psalms 23:1"), std::string::npos);
    for (const Case& c : cases) {
        CliRun r = RunCliWithErr(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
        if (c.status == 2) {
            EXPECT_TRUE(r.err.find("unknown book") != std::string::npos ||
                        r.err.find("no book named") != std::string::npos ||
                        r.err.find("no reference given") != std::string::npos)
                << r.err;
        }
    }
    // Only the two accepted notes were written, both on Psalm 3:1; the plan was never made.
    EXPECT_EQ(dir.List(), std::vector<std::string>{"Anna.vnnot"});
    EXPECT_EQ(RunCli("notes show " + Q(notes)).out,
              "notes\t1\tfirst\t13959\tlast\t13959\n13959\tPsalms 3:1\ty\n");
}

TEST(SafetyCli, ShowAndPropertiesCreateNoFile) {
    TempDir dir;
    const std::string stem = Q(dir.Path("bob"));
    for (const char* sub : {"show", "properties"}) {
        // No plan there: named as missing, and still nothing made.
        CliRun r = RunCliWithErr(std::string("plan ") + sub + " " + stem);
        EXPECT_EQ(r.status, 1) << sub << r.err;
        EXPECT_TRUE(dir.List().empty()) << sub;
    }
    // A damaged plan is reported and left where it is, not moved aside.
    SaveFileAtomic(dir.Path("bob.vnpln"), "broken");
    for (const char* sub : {"show", "properties"}) {
        CliRun r = RunCliWithErr(std::string("plan ") + sub + " " + stem);
        EXPECT_EQ(r.status, 1) << sub;
        EXPECT_NE(r.err.find("Unexpected file format."), std::string::npos) << r.err;
        EXPECT_EQ(dir.List(), std::vector<std::string>{"bob.vnpln"}) << sub;
    }
    EXPECT_EQ(ReadWholeFile(dir.Path("bob.vnpln")), "broken");
}

TEST(SafetyCli, EditAndDeleteOfAnUnknownReaderFail) {
    TempDir dir;
    const std::string base = " --base " + Q(dir.Path());
    ASSERT_EQ(RunCli("reader new Bob John Smith" + base).status, 0);
    const auto before = Snapshot(dir.Path());
    for (const char* args : {"reader edit Nobody Rob John Smith --yes", "reader delete Nobody --yes"}) {
        CliRun r = RunCliWithErr(std::string(args) + base);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find("There is no reader called \"Nobody\"."), std::string::npos) << r.err;
    }
    EXPECT_EQ(Snapshot(dir.Path()), before);
}

TEST(SafetyCli, TwoReadersNeverShareADisplayName) {
    TempDir dir;
    const std::string base = " --base " + Q(dir.Path());
    ASSERT_EQ(RunCli("reader new Jo Mary 'Ann Lee'" + base).status, 0);
    const auto before = Snapshot(dir.Path());
    CliRun r = RunCliWithErr("reader new Jo 'Mary Ann' Lee" + base);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("\"Jo (Mary Ann Lee)\""), std::string::npos) << r.err;
    EXPECT_EQ(Snapshot(dir.Path()), before);
    std::string last;
    CReaderArray readers;
    ReadReaderFile(dir.Path(), last, readers);
    ASSERT_EQ(readers.GetCount(), 1);
    EXPECT_EQ(readers.At(0).GetFileStem(), "\\Jo (Mary Ann Lee)\\Jo");

    // A reader file that already holds two of one name: both kept, the later renamed, exit 0.
    CReaderData twin = readers.At(0);
    twin.SetFileStem("\\Jo (Mary Ann Lee) (2)\\Jo");
    readers.Append(twin);
    SaveReaderFile(dir.Path(), last, readers);
    CliRun made = RunCliWithErr("reader new Ann A B" + base);
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_NE(made.err.find("\"Jo (2)\""), std::string::npos) << made.err;
    CReaderArray after;
    ReadReaderFile(dir.Path(), last, after);
    std::vector<std::string> names;
    for (int i = 0; i < after.GetCount(); ++i)
        names.push_back(after.At(i).GetDisplayName() + "=" + after.At(i).GetFileStem());
    EXPECT_EQ(names, (std::vector<std::string>{"Ann=\\Ann (A B)\\Ann", "Jo=\\Jo (Mary Ann Lee)\\Jo",
                                               "Jo (2)=\\Jo (Mary Ann Lee) (2)\\Jo"}));
}

TEST(SafetyCli, FilesThatCannotBeReadAreReportedAndLeftAlone) {
    // In each case the command fails with the file's name and the reason, never blocks, and
    // neither moves nor writes anything.
    TempDir dir;
    const std::string stem = dir.Path("bob");
    struct Case {
        std::string what, make, args, reason;
    } cases[] = {
        {"plan file is a directory", "dir:bob.vnpln", "plan read " + Q(stem) + " 0 5", "Is a directory"},
        {"history is a directory", "dir:bob.vnpro", "plan finish " + Q(stem) + " 0", "Is a directory"},
        {"plan file is a FIFO", "fifo:bob.vnpln", "plan read " + Q(stem) + " 0 5", "not a regular file"},
        {"plan file is huge", "huge:bob.vnpln", "plan show " + Q(stem), "larger than any file of its kind"},
        {"notes file is a FIFO", "fifo:n.vnnot", "notes set " + Q(dir.Path("n.vnnot")) + " 'Jude 3' x",
         "not a regular file"},
        {"notes file is a directory", "dir:n.vnnot", "notes show " + Q(dir.Path("n.vnnot")),
         "Is a directory"},
        {"reader file is a FIFO", "fifo:Scrivane.vnrdr", "reader new Bob John Smith --base " + Q(dir.Path()),
         "not a regular file"},
        {"reader file is a directory", "dir:Scrivane.vnrdr", "readers --base " + Q(dir.Path()),
         "Is a directory"},
        {"reader file is huge", "huge:Scrivane.vnrdr", "reader new Bob John Smith --base " + Q(dir.Path()),
         "larger than any file of its kind"},
    };
    for (const Case& c : cases) {
        for (const auto& e : fs::directory_iterator(dir.Path()))
            fs::remove_all(e.path());
        const std::string kind = c.make.substr(0, c.make.find(':'));
        const std::string path = dir.Path(c.make.substr(c.make.find(':') + 1));
        if (kind == "dir") fs::create_directory(path);
        if (kind == "fifo") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
        if (kind == "huge") {
            int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0600);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::ftruncate(fd, off_t(1) << 30), 0); // 1 GiB, sparse
            ::close(fd);
        }
        const auto before = Snapshot(dir.Path());
        CliRun r = RunCliWithErr(c.args, "timeout 20");
        EXPECT_EQ(r.status, 1) << c.what << ": " << r.err;
        EXPECT_NE(r.err.find(fs::path(path).filename().string()), std::string::npos)
            << c.what << ": " << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(Snapshot(dir.Path()), before) << c.what;
    }
}

TEST(SafetyCli, CraftedStemsNeverMoveFilesFromOutside) {
    TempDir dir;
    const std::string base = dir.Path("base");
    fs::create_directories(base + "/A (F L)");
    fs::create_directories(dir.Path("outside"));
    SaveFileAtomic(dir.Path("outside/victim.vnpln"), "theirs");
    CReaderData crafted;
    crafted.SetNickname("A");
    crafted.SetFirstName("F");
    crafted.SetLastName("L");
    crafted.SetDisplayName("A");
    crafted.SetFileStem("\\A (F L)\\..\\..\\outside\\victim");
    CReaderArray readers;
    readers.Append(crafted);
    SaveReaderFile(base, "", readers);
    const auto before = Snapshot(dir.Path());
    for (const char* args : {"reader edit A B F L --yes", "reader delete A --yes"}) {
        CliRun r = RunCliWithErr(std::string(args) + " --base " + Q(base));
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find("cannot be opened, changed or deleted"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Snapshot(dir.Path()), before);
}

TEST(SafetyCli, NickNamesTooLongForTheirFilesAreRefused) {
    TempDir dir;
    for (size_t length : {221, 222, 239, 243}) {
        CliRun r = RunCliWithErr("reader new " + std::string(length, 'n') + " A B --base " + Q(dir.Path()));
        EXPECT_EQ(r.status, length <= 221 ? 0 : 1) << length;
        if (length > 221) {
            EXPECT_NE(r.err.find("longer names than a file may have"), std::string::npos) << r.err;
        }
    }
    // The one accepted can have its plan saved.
    const std::string stem = dir.Path(std::string(221, 'n') + " (A B)/" + std::string(221, 'n'));
    EXPECT_EQ(RunCli("plan sync " + Q(stem)).status, 2); // no assignments, but loads
    EXPECT_EQ(RunCli("plan reset-lifetime " + Q(stem) + " --yes").status, 0);
    EXPECT_TRUE(FileExists(stem + ".vnpro"));
}

} // namespace
