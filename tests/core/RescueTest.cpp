// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempDir.h"
#include "foundation/Archive.h"
#include "foundation/FileAccess.h"
#include "framework/ReaderContext.h"
#include "framework/RescueFile.h"
#include "framework/ScriptedUiServices.h"
#include "notes/BibleNoteDoc.h"
#include "notes/BibleNoteMap.h"
#include "notes/GeneralNoteDoc.h"
#include "plan/ReadingPlanDoc.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Each document of an environment, closed while its file cannot be written
// (a directory stands in its place): the changes end up beside it, and the
// user is told where.
TEST(Rescue, ChangesThatCannotBeWrittenAtCloseAreKeptBesideTheFile) {
    struct Case {
        const char* file;
        std::function<void(CScriptedUiServices&, CReaderContext&)> closeWithChanges;
        std::function<void(const std::string& rescued)> check;
    } cases[] = {
        {"Bob.vnpln",
         [](CScriptedUiServices& ui, CReaderContext& context) {
             CReadingPlanDoc doc(ui, context);
             doc.OnNewDocument(); // no files yet: both are to be written
             std::filesystem::create_directory(context.baseDirectory + "/Bob.vnpln");
             doc.OnCloseDocument();
         },
         [](const std::string& rescued) {
             CArchive ar(rescued);
             EXPECT_EQ(ar.ReadDWord(), 1u); // a whole plan file
             EXPECT_GT(rescued.size(), 2u * 31218u);
         }},
        {"Bob.vnnot",
         [](CScriptedUiServices& ui, CReaderContext& context) {
             CBibleNoteDoc doc(ui, context);
             doc.OnNewDocument();
             doc.SetNote(7, "kept");
             std::filesystem::create_directory(context.baseDirectory + "/Bob.vnnot");
             doc.OnCloseDocument();
         },
         [](const std::string& rescued) {
             CBibleNoteMap map;
             CArchive ar(rescued);
             map.Serialize(ar);
             EXPECT_EQ(map.GetNote(7), "kept");
         }},
        {"Bob.txt",
         [](CScriptedUiServices& ui, CReaderContext& context) {
             CGeneralNoteDoc doc(ui, context);
             doc.OpenForEnvironment();
             doc.SetText("first line\nsecond");
             doc.SetModifiedFlag(true);
             std::filesystem::create_directory(context.generalNotesPath);
             doc.OnCloseDocument();
         },
         [](const std::string& rescued) { EXPECT_EQ(rescued, "first line\r\nsecond"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TempDir dir;
        CReaderContext context{dir.Path(), "Bob", "\\Bob", dir.Path("Bob.txt")};
        CScriptedUiServices ui;
        c.closeWithChanges(ui, context);
        const std::string rescued = dir.Path(std::string(c.file) + ".unsaved");
        ASSERT_TRUE(FileExists(rescued));
        c.check(ReadWholeFile(rescued));
        // The plan and history change as one, so a plan that cannot be written keeps the
        // history's changes back too, and both are kept aside.
        const std::string told = "The changes to " + dir.Path(c.file) +
                                 " could not be written there.\nThey were kept in " + rescued + ".";
        EXPECT_TRUE(std::any_of(ui.messageBoxes.begin(), ui.messageBoxes.end(),
                                [&](const MessageBoxRequest& m) { return m.text == told; }));
        if (std::string(c.file) == "Bob.vnpln") {
            EXPECT_TRUE(FileExists(dir.Path("Bob.vnpro.unsaved")));
        }
    }
}

TEST(Rescue, AnEarlierRescueIsNeverReplaced) {
    TempDir dir;
    CScriptedUiServices ui;
    const std::string path = dir.Path("Ann.vnnot");
    ASSERT_TRUE(RescueUnsavedBytes(ui, path, "one"));
    ASSERT_TRUE(RescueUnsavedBytes(ui, path, "two"));
    EXPECT_EQ(ReadWholeFile(path + ".unsaved"), "one");
    EXPECT_EQ(ReadWholeFile(path + ".unsaved2"), "two");
}

TEST(Rescue, NotesOfAReaderWithoutAStemGoNowhereShared) {
    TempDir dir, home;
    const char* oldHome = std::getenv("HOME");
    const std::string saved = oldHome ? oldHome : "";
    ::setenv("HOME", home.Path().c_str(), 1);
    {
        CScriptedUiServices ui;
        CReaderContext context{dir.Path(), "Bob", "", ""};
        CBibleNoteDoc doc(ui, context);
        doc.OnNewDocument();
        doc.SetNote(3, "mine");
        doc.OnCloseDocument();
    }
    EXPECT_TRUE(dir.List().empty()); // no ".vnnot" that every such reader would share
    EXPECT_EQ(home.List(), std::vector<std::string>{"Scrivane.unsaved"});
    if (oldHome)
        ::setenv("HOME", saved.c_str(), 1);
    else
        ::unsetenv("HOME");
}

TEST(BibleNoteDocFiles, ANotesFileOpenedByNameIsWrittenBackToItself) {
    TempDir dir;
    CScriptedUiServices ui;
    CReaderContext context{dir.Path(), "Bob", "\\Bob", ""};
    const std::string other = dir.Path("Other.vnnot");
    {
        CBibleNoteDoc doc(ui, context);
        doc.OnNewDocument();
        doc.SetNote(5, "other");
        doc.SaveVerseNotes();
        ASSERT_TRUE(std::filesystem::exists(dir.Path("Bob.vnnot")));
        std::filesystem::rename(dir.Path("Bob.vnnot"), other);
    }
    SaveFileAtomic(dir.Path("Bob.vnnot"), ReadWholeFile(other));
    const std::string bobBefore = ReadWholeFile(dir.Path("Bob.vnnot"));
    CBibleNoteDoc doc(ui, context);
    ASSERT_TRUE(doc.OnOpenDocument(other));
    doc.SetPathName(other);
    doc.SetNote(6, "added");
    doc.OnCloseDocument();
    EXPECT_EQ(ReadWholeFile(dir.Path("Bob.vnnot")), bobBefore); // the reader's own notes are untouched
    CBibleNoteMap map;
    CArchive ar(ReadWholeFile(other));
    map.Serialize(ar);
    EXPECT_EQ(map.GetNote(6), "added");
}

} // namespace
