// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/ReaderEnvironment.h"
#include "TempDir.h"
#include "foundation/FileAccess.h"
#include "framework/ScriptedUiServices.h"
#include "notes/BibleNoteDoc.h"
#include "plan/ReadingPlanDoc.h"
#include "reader/ReaderFile.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void Touch(const std::string& path, const std::string& text = "x") {
    std::ofstream(path) << text;
}

struct Fixture {
    TempDir dir;
    CScriptedUiServices ui;
    CReaderEnvironment env{ui};
    Fixture() {
        env.SetBaseDirectory(dir.Path());
        ui.clientSize = {800, 600};
    }
    int Create(const std::string& nick, const std::string& first, const std::string& last,
               ReaderOptions options = {}) {
        return env.CreateReader({first, last, nick}, options);
    }
};

TEST(ReaderEnvironment, CreateMakesTheDirectoryAndRecordsThePaths) {
    Fixture f;
    ReaderOptions options;
    options.verseNotes = false;
    options.prayerBook = false;
    EXPECT_EQ(f.Create("  Bob ", "John", "Smith", options), 0);
    ASSERT_EQ(f.env.Readers().GetCount(), 1);
    const CReaderData& r = f.env.Readers().At(0);
    EXPECT_EQ(r.GetNickname(), "Bob");
    EXPECT_EQ(r.GetDisplayName(), "Bob");
    EXPECT_EQ(r.GetFileStem(), "\\Bob (John Smith)\\Bob");
    EXPECT_EQ(r.GetGeneralNotesPath(), f.dir.Path("Bob (John Smith)/Bob.txt"));
    EXPECT_TRUE(DirectoryExists(f.dir.Path("Bob (John Smith)")));
    EXPECT_TRUE(fs::is_empty(f.dir.Path("Bob (John Smith)")));

    struct {
        int slot, at, showCmd;
    } expected[] = {{kGeneralNotesSlot, 25, 1},
                    {kPrayerBookSlot, 0, 7},
                    {kReadingPlanSlot, 75, 1},
                    {kVerseNotesSlot, 50, 7}};
    for (auto e : expected) {
        WindowPlacement p = r.GetPlacement(e.slot);
        EXPECT_EQ(p.length, 44) << e.slot;
        EXPECT_EQ(p.showCmd, e.showCmd) << e.slot;
        EXPECT_EQ(p.left, e.at);
        EXPECT_EQ(p.top, e.at);
        EXPECT_EQ(p.right, e.at + 600);
        EXPECT_EQ(p.bottom, e.at + 450);
    }
    EXPECT_TRUE(f.ui.messageBoxes.empty());
}

TEST(ReaderEnvironment, SecondReaderWithTheSameNicknameIsQualified) {
    Fixture f;
    f.Create("Bob", "John", "Smith");
    EXPECT_EQ(f.Create("Bob", "Jim", "Jones"), 0);
    EXPECT_EQ(f.env.ReaderList(), (std::vector<std::string>{"Bob (Jim Jones)", "Bob (John Smith)"}));
    EXPECT_EQ(f.env.Readers().At(0).GetFileStem(), "\\Bob (Jim Jones) (Jim Jones)\\Bob (Jim Jones)");
    EXPECT_EQ(f.env.Readers().At(1).GetFileStem(), "\\Bob (John Smith)\\Bob");
    EXPECT_TRUE(DirectoryExists(f.dir.Path("Bob (Jim Jones) (Jim Jones)")));
}

TEST(ReaderEnvironment, NamesThatCannotNameADirectoryAreRefused) {
    struct Case {
        const char* nick;
        const char* first;
        const char* last;
    } cases[] = {
        {"", "John", "Smith"},
        {"   ", "John", "Smith"},
        {"Bo/b", "John", "Smith"},
        {"Bob", "Jo\\hn", ""},
        {"Bob", "", "../x"},
        {"..", "John", "Smith"},
        {".", "", ""},
        {"Bob", "..", "Smith"},
        {"Bob", "Jo\nhn", "Smith"},
        {"Bo\tb", "John", "Smith"},
        {"Bob", "John", "Sm\x7fith"},
        // Marks that reorder what is shown: "Bob" would show as another name.
        {"Bo\u202Eb", "John", "Smith"},
        {"Bob", "\u2066John", "Smith"},
        {"Bob", "John", "Smith\u200F"},
        {"\u061CBob", "John", "Smith"},
        {"Bob\u2069", "John", "Smith"},
        {"Bob", "\u202AJohn", "Smith"},
    };
    for (const Case& c : cases) {
        Fixture f;
        EXPECT_EQ(f.Create(c.nick, c.first, c.last), -1) << c.nick << "|" << c.first << "|" << c.last;
        EXPECT_EQ(f.env.Readers().GetCount(), 0);
        EXPECT_TRUE(f.dir.List().empty());
        ASSERT_EQ(f.ui.messageBoxes.size(), 1u);
        EXPECT_EQ(f.ui.messageBoxes[0].icon, MbIcon::exclamation);
    }
    {
        // Other letters and marks of those blocks are names like any other.
        Fixture f;
        EXPECT_EQ(f.Create("Jos\u00E9\u2010\u2070", "\u0628\u062F", "Smith"), 0);
    }
    Fixture f;
    std::string longName(200, 'a');
    EXPECT_EQ(f.Create("Bob", longName, "Smith"), -1);
    EXPECT_TRUE(f.dir.List().empty());
}

TEST(ReaderEnvironment, DirectoriesAndFilesAreNamedWithoutEmptyPartsOrDoubledDots) {
    struct Case {
        const char *nick, *first, *last;
        std::string stem;
    } cases[] = {
        {"Bob", "John", "Smith", "\\Bob (John Smith)\\Bob"},
        {"Maria", "", "", "\\Maria\\Maria"},
        {"Bob", " John", "  ", "\\Bob ( John)\\Bob"},
        {"Bob", "", "Smith", "\\Bob (Smith)\\Bob"},
        {"Luca B.", "", "", "\\Luca B.\\Luca B"},
        {"Luca B.", "Luca", "Bianchi", "\\Luca B. (Luca Bianchi)\\Luca B"},
        {"Dr. J. .", "", "", "\\Dr. J. .\\Dr. J"},
        {"...", "", "", "\\...\\..."},
    };
    for (const Case& c : cases) {
        Fixture f;
        ASSERT_EQ(f.Create(c.nick, c.first, c.last), 0) << c.nick;
        const CReaderData& r = f.env.Readers().At(0);
        EXPECT_EQ(r.GetFileStem(), c.stem) << c.nick;
        const std::string dir = c.stem.substr(1, c.stem.rfind('\\') - 1);
        EXPECT_EQ(r.GetGeneralNotesPath(),
                  f.dir.Path(dir + "/" + c.stem.substr(c.stem.rfind('\\') + 1) + ".txt"));
        EXPECT_TRUE(DirectoryExists(f.dir.Path(dir))) << dir;
    }

    {
        // A nick name that spells another reader's directory does not get it.
        Fixture f;
        f.Create("Bob", "John", "Smith");
        EXPECT_EQ(f.Create("Bob (John Smith)", "", ""), -1);
        ASSERT_EQ(f.ui.messageBoxes.size(), 1u);
        EXPECT_EQ(f.ui.messageBoxes[0].text,
                  "These names would keep the reader's files in the directory \"Bob (John Smith)\", which is "
                  "the reader \"Bob\"'s.\nPlease change one of the names.");
        EXPECT_EQ(f.env.Readers().GetCount(), 1);
    }

    // Readers made with the old names keep their files, and an edit moves them to the new ones.
    Fixture f;
    for (const char* stem : {"\\Maria ( )\\Maria", "\\Luca B. ( )\\Luca B."}) {
        CReaderData r;
        const std::string nick = std::string(stem).substr(std::string(stem).rfind('\\') + 1);
        r.SetNickname(nick);
        r.SetFileStem(stem);
        r.SetGeneralNotesPath(JoinStem(f.dir.Path(), stem) + ".txt");
        f.env.Readers().AddReader(r);
        f.env.Readers().At(f.env.Readers().FindDisplayName(nick)).SetFileStem(stem);
        f.env.Readers()
            .At(f.env.Readers().FindDisplayName(nick))
            .SetGeneralNotesPath(r.GetGeneralNotesPath());
        fs::create_directory(
            JoinStem(f.dir.Path(), std::string(stem).substr(0, std::string(stem).rfind('\\'))));
        Touch(JoinStem(f.dir.Path(), stem) + ".vnpln", nick);
    }
    ASSERT_TRUE(f.env.SelectReader(f.env.Readers().FindDisplayName("Maria")));
    EXPECT_EQ(f.env.Context().fileStem, "\\Maria ( )\\Maria");
    EXPECT_EQ(f.env.Context().generalNotesPath, f.dir.Path("Maria ( )/Maria.txt"));
    f.env.FinishClose();
    f.ui.messageBoxAnswers = {IDYES};
    ASSERT_GE(f.env.ModifyReader("Luca B.", {"Luca", "", "Luca B."}), 0);
    const CReaderData& luca = f.env.Readers().At(f.env.Readers().FindDisplayName("Luca B."));
    EXPECT_EQ(luca.GetFileStem(), "\\Luca B. (Luca)\\Luca B");
    EXPECT_EQ(ReadWholeFile(f.dir.Path("Luca B. (Luca)/Luca B.vnpln")), "Luca B.");
    EXPECT_EQ(luca.GetGeneralNotesPath(), f.dir.Path("Luca B. (Luca)/Luca B.txt"));
}

TEST(ReaderEnvironment, DuplicateAndUncreatableReadersChangeNothing) {
    Fixture f;
    f.Create("Bob", "John", "Smith");
    EXPECT_EQ(f.Create(" Bob", "John ", "Smith"), -1);
    EXPECT_EQ(f.env.Readers().GetCount(), 1);
    EXPECT_EQ(f.env.Readers().At(0).GetDisplayName(), "Bob"); // not qualified by the refused one
    EXPECT_EQ(f.dir.List(), (std::vector<std::string>{"Bob (John Smith)", "Scrivane.vnrdr"}));
    ASSERT_EQ(f.ui.messageBoxes.size(), 1u);

    // A file where the directory should go.
    Touch(f.dir.Path("Ann"));
    EXPECT_EQ(f.Create("Ann", "", ""), -1);
    EXPECT_EQ(f.env.Readers().GetCount(), 1);
    EXPECT_EQ(f.ui.messageBoxes.size(), 2u);
}

TEST(ReaderEnvironment, DeleteAsksTwiceAndKeepsOrRemovesTheDirectory) {
    struct Case {
        std::deque<int> answers;
        bool removed, directoryKept;
    } cases[] = {
        {{IDNO}, false, true},
        {{IDYES, IDNO}, true, true},
        {{IDYES, IDYES}, true, false},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.Create("Bob", "John", "Smith");
        Touch(f.dir.Path("Bob (John Smith)/Bob.vnpln"));
        fs::create_directory(f.dir.Path("Bob (John Smith)/sub"));
        Touch(f.dir.Path("Bob (John Smith)/sub/x"));
        f.ui.messageBoxAnswers = c.answers;
        EXPECT_EQ(f.env.DeleteReader("Bob"), c.removed);
        EXPECT_EQ(f.env.Readers().GetCount(), c.removed ? 0 : 1);
        EXPECT_EQ(DirectoryExists(f.dir.Path("Bob (John Smith)")), c.directoryKept);
        EXPECT_EQ(f.ui.messageBoxes[0].text, "Are you sure you want to delete\nReader: Bob?");
        EXPECT_EQ(f.ui.messageBoxes[0].icon, MbIcon::question);
        if (c.answers.size() > 1) {
            EXPECT_EQ(f.ui.messageBoxes[1].text,
                      "Do you want to delete all the files in the directory\n\\Bob (John Smith)?");
        }
    }
}

TEST(ReaderEnvironment, DeleteNeverFollowsLinksNorLeavesTheBaseDirectory) {
    Fixture f;
    TempDir outside;
    Touch(outside.Path("precious"));
    f.Create("Bob", "John", "Smith");
    std::string readerDir = f.dir.Path("Bob (John Smith)");
    ASSERT_EQ(::symlink(outside.Path().c_str(), (readerDir + "/link").c_str()), 0);
    Touch(readerDir + "/.hidden");
    f.ui.messageBoxAnswers = {IDYES, IDYES};
    EXPECT_TRUE(f.env.DeleteReader("Bob"));
    EXPECT_TRUE(FileExists(outside.Path("precious")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(readerDir + "/link")));
    EXPECT_TRUE(FileExists(readerDir + "/.hidden")); // dot names are kept, and so is the directory
    EXPECT_EQ(f.ui.messageBoxes.size(), 3u);         // the user hears that something was left

    // A record whose stem points elsewhere is refused without touching the disk.
    Fixture g;
    fs::create_directory(g.dir.Path("keep"));
    CReaderData odd;
    odd.SetNickname("Odd");
    odd.SetFileStem("\\..\\keep\\Odd");
    g.env.Readers().AddReader(odd);
    g.ui.messageBoxAnswers = {IDYES, IDYES};
    EXPECT_FALSE(g.env.DeleteReader("Odd")); // refused, with a message, before any question
    EXPECT_EQ(g.ui.messageBoxes.size(), 1u);
    EXPECT_EQ(g.ui.messageBoxes[0].icon, MbIcon::exclamation);
    EXPECT_TRUE(DirectoryExists(g.dir.Path("keep")));

    // The top of the tree itself being a link is not followed.
    EXPECT_FALSE(CReaderEnvironment::DeleteDirectoryTree(readerDir + "/nonexistent"));
    ASSERT_EQ(::symlink(outside.Path().c_str(), f.dir.Path("toplink").c_str()), 0);
    EXPECT_FALSE(CReaderEnvironment::DeleteDirectoryTree(f.dir.Path("toplink")));
    EXPECT_TRUE(FileExists(outside.Path("precious")));
}

TEST(ReaderEnvironment, ModifyRenamesTheDirectoryAndTheFiles) {
    Fixture f;
    f.Create("Bob", "John", "Smith");
    std::string old = f.dir.Path("Bob (John Smith)/");
    for (const char* ext : {".vnpln", ".vnpro", ".vnnot", ".txt"})
        Touch(old + "Bob" + ext, ext);
    f.ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(f.env.ModifyReader("Bob", {"John", "Smith", "Rob"}), 0);
    EXPECT_EQ(f.ui.messageBoxes.at(0).text, "Are you sure you want to modify\nReader: Bob?");
    const CReaderData& r = f.env.Readers().At(0);
    EXPECT_EQ(r.GetDisplayName(), "Rob");
    EXPECT_EQ(r.GetFileStem(), "\\Rob (John Smith)\\Rob");
    EXPECT_EQ(r.GetGeneralNotesPath(), f.dir.Path("Rob (John Smith)/Rob.txt"));
    // The reader file is written with the renames, so that it never names a directory that is gone.
    EXPECT_EQ(f.dir.List(), (std::vector<std::string>{"Rob (John Smith)", "Scrivane.vnrdr"}));
    std::string last;
    CReaderArray stored;
    ReadReaderFile(f.dir.Path(), last, stored);
    ASSERT_EQ(stored.GetCount(), 1);
    EXPECT_EQ(stored.At(0).GetFileStem(), "\\Rob (John Smith)\\Rob");
    for (const char* ext : {".vnpln", ".vnpro", ".vnnot", ".txt"})
        EXPECT_EQ(ReadWholeFile(f.dir.Path("Rob (John Smith)/Rob") + ext), ext);

    // Unchanged names change nothing although the question was asked.
    f.ui.messageBoxAnswers = {IDYES};
    CReaderData before = f.env.Readers().At(0);
    EXPECT_EQ(f.env.ModifyReader("Rob", {" John", "Smith ", "Rob"}), -1);
    EXPECT_EQ(f.env.Readers().At(0), before);
    // No keeps everything.
    EXPECT_EQ(f.env.ModifyReader("Rob", {"A", "B", "C"}), -1);
    EXPECT_EQ(f.env.Readers().At(0), before);
}

TEST(ReaderEnvironment, ModifyNeverRenamesThroughALinkedDirectory) {
    Fixture f;
    TempDir outside;
    Touch(outside.Path("Bob.vnpln"), "plan");
    ASSERT_EQ(::symlink(outside.Path().c_str(), f.dir.Path("Bob (John Smith)").c_str()), 0);
    EXPECT_EQ(f.Create("Bob", "John", "Smith"), -1); // a link is not taken for the reader's directory
    CReaderData linked;
    linked.SetNickname("Bob");
    linked.SetFirstName("John");
    linked.SetLastName("Smith");
    linked.SetFileStem("\\Bob (John Smith)\\Bob");
    f.env.Readers().AddReader(linked);
    f.ui.messageBoxAnswers = {IDYES};
    f.ui.messageBoxes.clear();
    EXPECT_EQ(f.env.ModifyReader("Bob", {"John", "Smith", "Rob"}), -1);
    ASSERT_EQ(f.ui.messageBoxes.size(), 1u); // refused before the question
    EXPECT_NE(f.ui.messageBoxes[0].text.find("symbolic link"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(f.dir.Path("Bob (John Smith)")));
    EXPECT_EQ(outside.List(), std::vector<std::string>{"Bob.vnpln"});
    EXPECT_EQ(f.env.ReaderList(), std::vector<std::string>{"Bob"});

    // A link to a directory inside the base directory may be opened, but not edited through.
    fs::remove(f.dir.Path("Bob (John Smith)"));
    fs::create_directory(f.dir.Path("real"));
    Touch(f.dir.Path("real/Bob.vnpln"), "plan");
    ASSERT_EQ(::symlink(f.dir.Path("real").c_str(), f.dir.Path("Bob (John Smith)").c_str()), 0);
    EXPECT_TRUE(f.env.SelectReader(0));
    f.env.FinishClose();
    EXPECT_FALSE(f.env.CanEditReader("Bob"));
    f.ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(f.env.ModifyReader("Bob", {"John", "Smith", "Rob"}), -1);
    EXPECT_EQ(ReadWholeFile(f.dir.Path("real/Bob.vnpln")), "plan");
}

TEST(ReaderEnvironment, RecordsLeadingOutsideTheBaseAreRefusedForOpenEditAndDelete) {
    struct Case {
        const char* what;
        std::string stem, notes;
        bool linkDirOutside = false, linkFileOutside = false;
    } cases[] = {
        {"dot-dot stem", "\\Victim (F L)\\..\\..\\outside\\victim", ""},
        {"dot-dot directory", "\\..\\victim", ""},
        {"absolute stem", "/etc/passwd", ""},
        {"stem with a slash", "\\Victim (F L)/../..\\victim", ""},
        {"too deep", "\\a\\b\\c", ""},
        {"no file name", "\\Victim (F L)\\", ""},
        {"dot-dot notes path", "\\Victim (F L)\\Victim", "BASE/Victim (F L)/../../outside/victim.txt"},
        {"directory linked outside", "\\Victim (F L)\\Victim", "", true},
        {"file linked outside", "\\Victim (F L)\\Victim", "", false, true},
    };
    for (const Case& c : cases) {
        Fixture f;
        TempDir outside;
        Touch(outside.Path("victim.vnpln"), "theirs");
        Touch(outside.Path("victim.txt"), "theirs");
        if (c.linkDirOutside) {
            ASSERT_EQ(::symlink(outside.Path().c_str(), f.dir.Path("Victim (F L)").c_str()), 0);
        }
        if (c.linkFileOutside) {
            fs::create_directory(f.dir.Path("Victim (F L)"));
            ASSERT_EQ(::symlink(outside.Path("victim.vnpln").c_str(),
                                f.dir.Path("Victim (F L)/Victim.vnpln").c_str()),
                      0);
        }
        CReaderData r;
        r.SetNickname("Victim");
        r.SetFirstName("F");
        r.SetLastName("L");
        std::string stem = c.stem;
        // The crafted stem reaches the outside directory from the base directory.
        const std::string up = fs::relative(outside.Path(), f.dir.Path()).string();
        if (size_t at = stem.find("outside"); at != std::string::npos) {
            std::string native = up;
            for (char& ch : native)
                if (ch == '/') ch = '\\';
            stem.replace(at, 7, native.substr(native.find_first_not_of(".\\")));
        }
        r.SetFileStem(stem);
        std::string notes = c.notes;
        if (size_t at = notes.find("BASE"); at != std::string::npos) notes.replace(at, 4, f.dir.Path());
        r.SetGeneralNotesPath(notes);
        f.env.Readers().AddReader(r);
        EXPECT_NE(f.env.CheckRecordPaths(f.env.Readers().At(0)), "") << c.what;

        EXPECT_EQ(f.env.ReaderList(), std::vector<std::string>{"Victim"}) << c.what; // still listed
        f.ui.messageBoxAnswers = {IDYES, IDYES};
        EXPECT_FALSE(f.env.SelectReader(0)) << c.what;
        EXPECT_FALSE(f.env.IsOpen());
        EXPECT_EQ(f.env.ModifyReader("Victim", {"F", "L", "Moved"}), -1) << c.what;
        EXPECT_FALSE(f.env.DeleteReader("Victim")) << c.what;
        EXPECT_EQ(f.env.Readers().GetCount(), 1) << c.what;
        // Each was refused with a message, and no question was asked.
        ASSERT_EQ(f.ui.messageBoxes.size(), 3u) << c.what;
        for (const MessageBoxRequest& m : f.ui.messageBoxes) {
            EXPECT_EQ(m.icon, MbIcon::exclamation) << c.what;
            EXPECT_NE(m.text.find("cannot be opened, changed or deleted"), std::string::npos) << m.text;
        }
        EXPECT_EQ(ReadWholeFile(outside.Path("victim.vnpln")), "theirs") << c.what;
        EXPECT_EQ(outside.List(), (std::vector<std::string>{"victim.txt", "victim.vnpln"})) << c.what;
    }

    // Stems the program makes itself pass, and so does a record that names no files.
    Fixture f;
    f.Create("Bob", "John", "Smith");
    EXPECT_EQ(f.env.CheckRecordPaths(f.env.Readers().At(0), true), "");
    CReaderData none;
    none.SetNickname("None");
    EXPECT_EQ(f.env.CheckRecordPaths(none, true), "");
}

TEST(ReaderEnvironment, RefusedModifyLosesNoRecord) {
    Fixture f;
    f.Create("Bob", "John", "Smith");
    f.Create("Ann", "Ann", "Lee");
    f.ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(f.env.ModifyReader("Ann", {"John", "Smith", "Bob"}), -1); // would duplicate Bob
    EXPECT_EQ(f.env.ReaderList(), (std::vector<std::string>{"Ann", "Bob"}));
    f.ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(f.env.ModifyReader("Ann", {"Ann", "Lee", "A/nn"}), -1);
    EXPECT_EQ(f.env.ReaderList(), (std::vector<std::string>{"Ann", "Bob"}));
    // Something in the way of the new directory name.
    Touch(f.dir.Path("Zed (Ann Lee)"));
    f.ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(f.env.ModifyReader("Ann", {"Ann", "Lee", "Zed"}), -1);
    EXPECT_EQ(f.env.ReaderList(), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_TRUE(DirectoryExists(f.dir.Path("Ann (Ann Lee)")));
    EXPECT_EQ(f.ui.messageBoxes.size(), 6u);
}

TEST(ReaderEnvironment, ModifyOfAQualifiedReaderKeepsItsFiles) {
    Fixture f;
    f.Create("Bob", "John", "Smith");
    f.Create("Bob", "Jim", "Jones");
    Touch(f.dir.Path("Bob (John Smith)/Bob.vnpln"), "plan");
    Touch(f.dir.Path("Bob (John Smith)/Bob.txt"), "notes");
    f.ui.messageBoxAnswers = {IDYES};
    int i = f.env.ModifyReader("Bob (John Smith)", {"John", "Smith", "Rob"});
    ASSERT_GE(i, 0);
    const CReaderData& r = f.env.Readers().At(i);
    EXPECT_EQ(r.GetFileStem(), "\\Rob (John Smith)\\Rob");
    EXPECT_EQ(ReadWholeFile(JoinStem(f.dir.Path(), r.GetFileStem()) + ".vnpln"), "plan");
    EXPECT_EQ(ReadWholeFile(r.GetGeneralNotesPath()), "notes");
}

TEST(ReaderEnvironment, NoTwoReadersShareADisplayName) {
    // "Jo (Mary Ann Lee)" both ways: the second is refused before anything is made.
    Fixture f;
    EXPECT_EQ(f.Create("Jo", "Mary", "Ann Lee"), 0);
    EXPECT_EQ(f.Create("Jo", "Mary Ann", "Lee"), -1);
    ASSERT_EQ(f.ui.messageBoxes.size(), 1u);
    EXPECT_NE(f.ui.messageBoxes[0].text.find("\"Jo (Mary Ann Lee)\""), std::string::npos);
    EXPECT_EQ(f.env.ReaderList(), std::vector<std::string>{"Jo"});
    EXPECT_EQ(f.env.Readers().At(0).GetFileStem(), "\\Jo (Mary Ann Lee)\\Jo");
    EXPECT_EQ(f.dir.List(), (std::vector<std::string>{"Jo (Mary Ann Lee)", "Scrivane.vnrdr"}));

    // The same through Edit: Kim becomes the second Jo and would clash.
    EXPECT_EQ(f.Create("Kim", "Mary Ann", "Lee"), 1);
    f.ui.messageBoxAnswers = {IDYES};
    EXPECT_EQ(f.env.ModifyReader("Kim", {"Mary Ann", "Lee", "Jo"}), -1);
    EXPECT_EQ(f.env.ReaderList(), (std::vector<std::string>{"Jo", "Kim"}));
    EXPECT_EQ(f.dir.List(),
              (std::vector<std::string>{"Jo (Mary Ann Lee)", "Kim (Mary Ann Lee)", "Scrivane.vnrdr"}));
    // The dialog's check says the same, pointing at the nick name, and lets unchanged names pass.
    int field = -1;
    EXPECT_NE(f.env.CheckReaderNames({"Mary Ann", "Lee", "Jo"}, "Kim", &field), "");
    EXPECT_EQ(field, 2);
    EXPECT_EQ(f.env.CheckReaderNames({"Mary Ann", "Lee", "Kim"}, "Kim"), "");
    EXPECT_EQ(f.env.CheckReaderNames({"Mary", "Ann Lee", "Jo"}, "Jo"), "");
    EXPECT_NE(f.env.CheckReaderNames({"Mary", "Ann Lee", "Jo"}, ""), "");
    // A different clash-free Jo is still qualified as before.
    EXPECT_EQ(f.Create("Jo", "Tom", "Tay"), 1);
    EXPECT_EQ(f.env.ReaderList(), (std::vector<std::string>{"Jo (Mary Ann Lee)", "Jo (Tom Tay)", "Kim"}));
}

TEST(ReaderEnvironment, SharedDisplayNamesFromAReaderFileAreMadeUnique) {
    Fixture f;
    CReaderData a, b, c;
    a.SetNickname("Jo");
    a.SetDisplayName("Jo (Mary Ann Lee)");
    a.SetFileStem("\\Jo (Mary Ann Lee)\\Jo");
    b = a;
    b.SetFileStem("\\Jo (Mary Ann Lee) (Mary Ann Lee)\\Jo (Mary Ann Lee)");
    c = a;
    c.SetDisplayName("Jo (Mary Ann Lee) (2)");
    for (const CReaderData& r : {a, b, c})
        f.env.Readers().Append(r);
    EXPECT_EQ(f.env.MakeDisplayNamesUnique(), 1);
    EXPECT_EQ(f.env.ReaderList(), (std::vector<std::string>{"Jo (Mary Ann Lee)", "Jo (Mary Ann Lee) (3)",
                                                            "Jo (Mary Ann Lee) (2)"}));
    // Both kept, each with its own files.
    EXPECT_EQ(f.env.Readers().At(1).GetFileStem(), b.GetFileStem());
    ASSERT_EQ(f.ui.messageBoxes.size(), 1u);
    EXPECT_EQ(f.ui.messageBoxes[0].icon, MbIcon::information);
    EXPECT_NE(f.ui.messageBoxes[0].text.find("Jo (Mary Ann Lee) (3)"), std::string::npos);
    EXPECT_EQ(f.env.MakeDisplayNamesUnique(), 0);
}

TEST(ReaderEnvironment, NamesWhoseFilesCouldNotBeSavedAreRefused) {
    // The longest file name is the qualified display name with the longest ending a save may add.
    struct Case {
        size_t nick;
        const char *first, *last;
        bool ok;
    } cases[] = {
        {221, "A", "B", true},  {222, "A", "B", false}, {239, "A", "B", false},
        {243, "A", "B", false}, {210, "", "", true},    {211, "", "", false},
    };
    for (const Case& c : cases) {
        Fixture f;
        std::string nick(c.nick, 'n');
        int field = -1;
        std::string why = CReaderEnvironment::CheckNames({c.first, c.last, nick}, &field);
        EXPECT_EQ(why.empty(), c.ok) << c.nick << why;
        if (!c.ok) {
            EXPECT_NE(why.find("longer names than a file may have"), std::string::npos) << why;
            EXPECT_EQ(field, 2);
        }
        EXPECT_EQ(f.Create(nick, c.first, c.last), c.ok ? 0 : -1) << c.nick;
        if (!c.ok) continue;
        // Every file the accepted reader may get, even once it is qualified, can be written.
        const CReaderData& r = f.env.Readers().At(0);
        std::string stem = JoinStem(f.dir.Path(), r.GetFileStem());
        std::string qualified = stem.substr(0, stem.find_last_of('/') + 1) + r.QualifiedName();
        EXPECT_NO_THROW(SaveFileAtomic(stem + ".vnpln", "x")) << c.nick;
        EXPECT_NO_THROW(SaveFileAtomic(qualified + ".vnpln.unsaved999", "x")) << c.nick;
    }
}

TEST(ReaderEnvironment, EditAndDeleteOfAnUnknownReaderSaySo) {
    Fixture f;
    f.Create("Bob", "John", "Smith");
    f.ui.messageBoxAnswers = {IDYES, IDYES};
    EXPECT_EQ(f.env.ModifyReader("Nobody", {"A", "B", "C"}), -1);
    EXPECT_FALSE(f.env.DeleteReader("Nobody"));
    ASSERT_EQ(f.ui.messageBoxes.size(), 2u); // told, and nothing asked
    for (const MessageBoxRequest& m : f.ui.messageBoxes) {
        EXPECT_EQ(m.text, "There is no reader called \"Nobody\".");
        EXPECT_EQ(m.icon, MbIcon::exclamation);
    }
}

TEST(ReaderEnvironment, OpenAndCloseStorePlacementsAndTheLastReader) {
    Fixture f;
    f.Create("Bob", "John", "Smith");
    f.Create("Ann", "", "");
    EXPECT_FALSE(f.env.SelectReader(2));
    EXPECT_FALSE(f.env.IsOpen());
    ASSERT_TRUE(f.env.SelectReader(1));
    EXPECT_EQ(f.env.CurrentDisplayName(), "Bob");
    EXPECT_EQ(f.env.Context().fileStem, "\\Bob (John Smith)\\Bob");
    EXPECT_FALSE(f.env.GeneralNotesFileExists());

    struct {
        const char* title;
        int slot;
    } titles[] = {{"Plan", kReadingPlanSlot},
                  {"Verse", kVerseNotesSlot},
                  {"General", kGeneralNotesSlot},
                  {"", 0},
                  {"Prayer", 0}};
    for (auto t : titles)
        EXPECT_EQ(CReaderEnvironment::SlotForWindowTitle(t.title), t.slot) << t.title;

    WindowPlacement maxed{44, 0, SW_SHOWMAXIMIZED, 0, 0, 0, 0, 10, 20, 310, 220};
    f.env.StorePlacement(kReadingPlanSlot, maxed);
    f.env.StorePlacement(kVerseNotesSlot, std::nullopt);
    f.env.Context().generalNotesPath = "/elsewhere/notes.txt";
    f.env.FinishClose();
    EXPECT_FALSE(f.env.IsOpen());
    EXPECT_EQ(f.env.LastReader(), "Bob");
    EXPECT_EQ(f.env.LastReaderIndex(), 1);
    const CReaderData& r = f.env.Readers().At(1);
    EXPECT_EQ(r.GetPlacement(kReadingPlanSlot), maxed);
    EXPECT_EQ(r.GetPlacement(kVerseNotesSlot), WindowPlacement{});
    EXPECT_EQ(r.GetGeneralNotesPath(), "/elsewhere/notes.txt");
    EXPECT_EQ(f.env.Readers().At(0).GetDisplayName(), "Ann");
}

} // namespace

// New and Delete Reader record their change in the reader file at once and
// as one commit with the directory: when the reader file cannot be written,
// the reader stays listed with all its files (or is not added, with no
// directory made), and the file on disk agrees with the list.
TEST(ReaderEnvironment, NewAndDeleteAreAllOrNothingWithTheReaderFile) {
    struct Case {
        const char* what;
        bool create;
        std::deque<int> answers;
        bool directoryKept;
    } cases[] = {
        {"new", true, {}, true},
        {"delete with the files", false, {IDYES, IDYES}, false},
        {"delete keeping the files", false, {IDYES, IDNO}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        ASSERT_EQ(f.Create("Bob", "John", "Smith"), 0);
        Touch(f.dir.Path("Bob (John Smith)/Bob.vnpln"));
        const std::string readerFile = f.env.ReaderFilePath();
        const std::string before = ReadWholeFile(readerFile);
        SetReadOnly(readerFile, true);
        f.ui.messageBoxAnswers = c.answers;
        if (c.create)
            EXPECT_EQ(f.Create("Ann", "Mary", "Lee"), -1);
        else
            EXPECT_FALSE(f.env.DeleteReader("Bob"));
        EXPECT_EQ(f.env.ReaderList(), std::vector<std::string>{"Bob"});
        EXPECT_EQ(ReadWholeFile(readerFile), before);
        EXPECT_EQ(f.dir.List(), (std::vector<std::string>{"Bob (John Smith)", "Scrivane.vnrdr"}));
        EXPECT_TRUE(FileExists(f.dir.Path("Bob (John Smith)/Bob.vnpln")));
        ASSERT_FALSE(f.ui.messageBoxes.empty());
        EXPECT_NE(f.ui.messageBoxes.back().text.find(c.create ? "The reader was not added."
                                                              : "The reader was not deleted."),
                  std::string::npos)
            << f.ui.messageBoxes.back().text;

        // Writable again, the same command goes through, and the reader file says so.
        SetReadOnly(readerFile, false);
        f.ui.messageBoxAnswers = c.answers;
        if (c.create)
            EXPECT_EQ(f.Create("Ann", "Mary", "Lee"), 0);
        else
            EXPECT_TRUE(f.env.DeleteReader("Bob"));
        std::string last;
        CReaderArray stored;
        ReadReaderFile(f.dir.Path(), last, stored);
        EXPECT_EQ(stored.GetCount(), f.env.Readers().GetCount());
        EXPECT_EQ(DirectoryExists(f.dir.Path("Bob (John Smith)")), c.directoryKept);
        EXPECT_EQ(DirectoryExists(f.dir.Path("Ann (Mary Lee)")), c.create);
    }
}

// What an interrupted reader command or save left in the base directory goes
// at the next load; anything else, however like it, stays.
TEST(ReaderEnvironment, TheNextLoadRemovesWhatACrashLeft) {
    TempDir dir;
    struct Entry {
        const char* name;
        bool directory;
        bool removed;
    };
    const Entry entries[] = {
        {".scrivane-deleted-a1B2c3", true, true},
        {".scrivane-new-Zz9yX8", true, true},
        {"Scrivane.vnrdr.commit.tmp-Ab12Cd", false, true},
        {"Scrivane.vnrdr.tmp-Xy12Zz", false, true},
        {".scrivane-deleted-toolong1", true, false},
        {".scrivane-new-ab", true, false},
        {"Scrivane.vnrdr.commit.tmp-Ab12Cd.txt", false, false},
        {"Bob (John Smith)", true, false},
        {"notes.tmp-aaaaaa", false, false},
    };
    for (const Entry& e : entries) {
        if (e.directory) {
            fs::create_directory(dir.Path(e.name));
            Touch(dir.Path(e.name) + "/Bob.vnpln");
        } else {
            Touch(dir.Path(e.name));
        }
    }
    std::string why;
    EXPECT_TRUE(RecoverReaderCommit(dir.Path(), &why)) << why;
    for (const Entry& e : entries)
        EXPECT_EQ(fs::exists(dir.Path(e.name)), !e.removed) << e.name;

    // A plan's half-written files and commit record go when the plan is next loaded.
    fs::create_directory(dir.Path("Ann (Mary Lee)"));
    const std::string stem = dir.Path("Ann (Mary Lee)/Ann");
    for (const char* ending :
         {".commit.tmp-Qq1Ww2", ".vnpln.tmp-Ee3Rr4", ".vnpro.tmp-Tt5Yy6", ".vnnot.tmp-Uu7Ii8"})
        Touch(stem + ending);
    CScriptedUiServices ui;
    CReaderContext ctx;
    ctx.baseDirectory = dir.Path();
    ctx.fileStem = "\\Ann (Mary Lee)\\Ann";
    ctx.displayName = "Ann";
    CReadingPlanDoc plan(ui, ctx);
    ASSERT_TRUE(plan.OnNewDocument());
    CBibleNoteDoc notes(ui, ctx);
    ASSERT_TRUE(notes.OnNewDocument());
    EXPECT_TRUE(fs::is_empty(dir.Path("Ann (Mary Lee)")));
}

// A base directory copied (or moved) with its reader file keeps full general
// notes paths that name the old tree: the copy reads and writes its own file,
// and stores its own path when the reader file is next written, while a
// notes file the reader chose elsewhere keeps its path.
TEST(ReaderEnvironment, ACopiedBaseDirectoryUsesItsOwnGeneralNotes) {
    TempDir elsewhere;
    std::string copied;
    {
        Fixture old;
        ASSERT_EQ(old.Create("Bob", "John", "Smith"), 0);
        ASSERT_GE(old.Create("Ann", "Mary", "Lee"), 0);
        Touch(old.dir.Path("Bob (John Smith)/Bob.txt"), "old tree");
        old.env.Readers()
            .At(old.env.Readers().FindDisplayName("Ann"))
            .SetGeneralNotesPath(elsewhere.Path("ann.txt"));
        SaveReaderFile(old.dir.Path(), old.env.LastReader(), old.env.Readers());
        Fixture copy;
        fs::copy(old.dir.Path(), copy.dir.Path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        Touch(copy.dir.Path("Bob (John Smith)/Bob.txt"), "copy");
        ReadReaderFile(copy.dir.Path(), copy.env.LastReader(), copy.env.Readers());

        struct Case {
            const char* reader;
            std::string notes;
        } cases[] = {
            {"Bob", copy.dir.Path("Bob (John Smith)/Bob.txt")},
            {"Ann", elsewhere.Path("ann.txt")},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.reader);
            ASSERT_TRUE(copy.env.SelectReader(copy.env.Readers().FindDisplayName(c.reader)));
            EXPECT_EQ(copy.env.Context().generalNotesPath, c.notes);
            copy.env.FinishClose();
        }
        SaveReaderFile(copy.dir.Path(), copy.env.LastReader(), copy.env.Readers());
        std::string last;
        CReaderArray stored;
        ReadReaderFile(copy.dir.Path(), last, stored);
        EXPECT_EQ(stored.At(stored.FindDisplayName("Bob")).GetGeneralNotesPath(),
                  copy.dir.Path("Bob (John Smith)/Bob.txt"));
        EXPECT_EQ(stored.At(stored.FindDisplayName("Ann")).GetGeneralNotesPath(), elsewhere.Path("ann.txt"));

        // Renaming the reader in the copy renames the copy's notes, and leaves the old tree alone.
        Fixture again;
        fs::copy(old.dir.Path(), again.dir.Path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        ReadReaderFile(again.dir.Path(), again.env.LastReader(), again.env.Readers());
        again.ui.messageBoxAnswers = {IDYES};
        const int i = again.env.ModifyReader("Bob", {"John", "Smith", "Rob"});
        ASSERT_GE(i, 0);
        EXPECT_EQ(again.env.Readers().At(i).GetGeneralNotesPath(),
                  again.dir.Path("Rob (John Smith)/Rob.txt"));
        EXPECT_TRUE(FileExists(again.dir.Path("Rob (John Smith)/Rob.txt")));
        EXPECT_EQ(ReadWholeFile(old.dir.Path("Bob (John Smith)/Bob.txt")), "old tree");
    }
}
