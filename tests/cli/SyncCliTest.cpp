// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCli.h"
#include "TempDir.h"
#include "foundation/FileAccess.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Three computers, each with its own base directory and its own copy of one folder a sync tool
// would keep the same; here the copy is one folder for all.
struct Computers {
    TempDir dir;
    std::string Folder() const { return dir.Path("Shared"); }
    std::string Base(const std::string& c) const { return dir.Path(c); }
    std::string Stem(const std::string& c) const { return dir.Path(c + "/Bob (Bob Smith)/Bob"); }
    CliRun Run(const std::string& c, const std::string& args) {
        return RunCliWithErr(args, "SCRIVANE_DEVICE=" + c + " SCRIVANE_TODAY=2027-01-04 HOME='" +
                                       dir.Path("home-" + c) + "'");
    }
    void Reader(const std::string& c) {
        std::filesystem::create_directories(Base(c));
        ASSERT_EQ(Run(c, "reader new Bob Bob Smith --base '" + Base(c) + "'").status, 0);
        ASSERT_EQ(Run(c, "plan new '" + Stem(c) +
                             "' '" SCRIVANE_PLANS_SOURCE_DIR "/Gospels and Acts in 30 days.txt'")
                      .status,
                  0);
    }
    std::string Progress(const std::string& c) {
        const std::string shown = Run(c, "plan show '" + Stem(c) + "'").out;
        const size_t at = shown.find("progress\t");
        return shown.substr(at, shown.find('\n', at) - at);
    }
};

TEST(CliSync, JoinBothWaysUnlinkAFolderAwayAndAHostileJournal) {
    Computers pc;
    std::filesystem::create_directories(pc.Folder());
    for (const char* c : {"desk", "laptop", "study"})
        pc.Reader(c);
    ASSERT_EQ(pc.Run("desk", "plan finish '" + pc.Stem("desk") + "' 0").status, 0);
    ASSERT_EQ(pc.Run("laptop", "plan finish '" + pc.Stem("laptop") + "' 5").status, 0);
    ASSERT_EQ(pc.Run("study", "plan read '" + pc.Stem("study") + "' 'Ps 23' --lifetime-only").status, 0);
    const std::string laptopBefore = ReadWholeFile(pc.Stem("laptop") + ".vnpln");

    // Shared from the desk; a second reader of the same name there is refused.
    CliRun shared = pc.Run("desk", "reader link Bob '" + pc.Folder() + "' --base '" + pc.Base("desk") + "'");
    ASSERT_EQ(shared.status, 0) << shared.err;
    EXPECT_EQ(shared.out.rfind("linked\t", 0), 0u);
    EXPECT_EQ(
        pc.Run("laptop", "reader link Bob '" + pc.Folder() + "' --base '" + pc.Base("laptop") + "'").status,
        2);

    // Joining takes the desk's readings; the laptop's own files are kept aside, byte for byte.
    CliRun joined =
        pc.Run("laptop", "reader link Bob '" + pc.Folder() + "' --join --base '" + pc.Base("laptop") + "'");
    ASSERT_EQ(joined.status, 0) << joined.err;
    const size_t kept = joined.out.find("kept\t");
    ASSERT_NE(kept, std::string::npos);
    const std::string backup = joined.out.substr(kept + 5, joined.out.size() - kept - 6);
    EXPECT_EQ(ReadWholeFile(backup + "/Bob.vnpln"), laptopBefore);
    EXPECT_EQ(ReadWholeFile(pc.Stem("laptop") + ".vnpln"), ReadWholeFile(pc.Stem("desk") + ".vnpln"));

    // Adding the study's readings: its lifetime reading of Psalm 23 reaches the others.
    ASSERT_EQ(
        pc.Run("study", "reader link Bob '" + pc.Folder() + "' --add-mine --base '" + pc.Base("study") + "'")
            .status,
        0);
    for (const char* c : {"desk", "laptop", "study"}) {
        CliRun synced = pc.Run(c, "sync --base '" + pc.Base(c) + "'");
        ASSERT_EQ(synced.status, 0) << synced.err;
        EXPECT_EQ(synced.out.rfind("reader\tBob\n", 0), 0u) << synced.out;
    }
    // The desk's first day (172 verses) and the study's Psalm 23 with its title; the laptop's own
    // reading stayed in its kept files.
    EXPECT_EQ(pc.Progress("desk"), "progress\t172\t4786\t3.59%\t7\t31218\t0.02%");
    EXPECT_EQ(pc.Progress("laptop"), pc.Progress("desk"));
    EXPECT_EQ(pc.Progress("study"), pc.Progress("desk"));

    // A hostile journal in the folder: each bad line is reported and skipped, nothing applied in part.
    const std::string id = shared.out.substr(7, 16);
    SaveFileAtomic(
        pc.Folder() + "/" + id + "/mallory.jsonl",
        "not json\n"
        "{\"seq\":1,\"clock\":999,\"device\":\"desk\",\"time\":\"x\",\"kind\":\"reset-lifetime\"}\n"
        "{\"seq\":2,\"clock\":999,\"device\":\"mallory\",\"time\":\"x\",\"kind\":\"finish\","
        "\"read\":[[5,70000]]}\n"
        "{\"seq\":3,\"clock\":999,\"device\":\"mallory\",\"time\":\"x\",\"kind\":\"new-plan\","
        "\"state\":{\"plan\":\"AAAA\"}}\n"
        "{\"seq\":4,\"clock\":9");
    const std::string deskPlan = ReadWholeFile(pc.Stem("desk") + ".vnpln");
    CliRun hostile = pc.Run("desk", "sync --base '" + pc.Base("desk") + "'");
    EXPECT_EQ(hostile.status, 0) << hostile.err;
    EXPECT_NE(hostile.err.find("line 1 of the journal of mallory: not a line of JSON"), std::string::npos)
        << hostile.err;
    EXPECT_NE(hostile.err.find("3 lines in all"), std::string::npos) << hostile.err;
    EXPECT_EQ(ReadWholeFile(pc.Stem("desk") + ".vnpln"), deskPlan)
        << "a new plan that is no plan changes nothing";
    EXPECT_EQ(pc.Progress("desk"), pc.Progress("laptop"));

    // The folder gone: said once, no file touched, and the reader goes on offline.
    std::filesystem::rename(pc.Folder(), pc.dir.Path("Away"));
    CliRun away = pc.Run("laptop", "sync --base '" + pc.Base("laptop") + "'");
    EXPECT_EQ(away.status, 1);
    EXPECT_NE(away.err.find("cannot be reached"), std::string::npos) << away.err;
    EXPECT_EQ(pc.Run("laptop", "plan finish '" + pc.Stem("laptop") + "' 1").status, 0);
    EXPECT_EQ(pc.Run("laptop", "sync status --base '" + pc.Base("laptop") + "'").out,
              "Bob\t" + pc.Folder() + "\tunreachable\n");
    // Back again: the reading made offline goes out and arrives.
    std::filesystem::rename(pc.dir.Path("Away"), pc.Folder());
    ASSERT_EQ(pc.Run("laptop", "sync --base '" + pc.Base("laptop") + "'").status, 0);
    ASSERT_EQ(pc.Run("desk", "sync --base '" + pc.Base("desk") + "'").status, 0);
    EXPECT_EQ(ReadWholeFile(pc.Stem("desk") + ".vnpln"), ReadWholeFile(pc.Stem("laptop") + ".vnpln"));

    // Unlinked: no longer merged, and said so.
    EXPECT_EQ(pc.Run("study", "reader unlink Bob --base '" + pc.Base("study") + "'").status, 0);
    EXPECT_EQ(pc.Run("study", "sync status --base '" + pc.Base("study") + "'").out, "Bob\tnot linked\n");
    EXPECT_EQ(pc.Run("study", "sync Bob --base '" + pc.Base("study") + "'").status, 1);
}

} // namespace
