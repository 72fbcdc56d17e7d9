// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/BibleNoteDoc.h"
#include "NotesTestSupport.h"
#include "TempDir.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string kEmptyFile("\x00\x00\x5F\xEA\x5F\xEA", 6);

struct Environment {
    TempDir dir;
    CReaderContext context;
    CScriptedUiServices ui;
    Environment(const std::string& name = "Anna") {
        std::filesystem::create_directory(dir.Path(name + " (Anna Lee)"));
        context.baseDirectory = dir.Path();
        context.displayName = name;
        context.fileStem = "\\" + name + " (Anna Lee)\\" + name;
    }
    std::string NotesFile() const { return JoinStem(context.baseDirectory, context.fileStem + ".vnnot"); }
};

TEST(BibleNoteDoc, TitleAndPath) {
    struct Case {
        const char* name;
        const char* title;
    } cases[] = {{"Anna", "Anna's Bible Verse Keyed Notes"},
                 {"James", "James' Bible Verse Keyed Notes"},
                 {"JAMES", "JAMES' Bible Verse Keyed Notes"}};
    for (const Case& c : cases) {
        Environment env(c.name);
        CBibleNoteDoc doc(env.ui, env.context);
        doc.OnNewDocument();
        EXPECT_EQ(doc.GetTitle(), c.title);
        EXPECT_EQ(doc.GetPathName(), env.dir.Path(std::string(c.name) + " (Anna Lee)/" + c.name + ".vnnot"));
    }
}

TEST(BibleNoteDoc, WritesOnlyWhenChanged) {
    Environment env;
    {
        CBibleNoteDoc doc(env.ui, env.context);
        doc.OnNewDocument();
        EXPECT_FALSE(doc.IsModified());
        doc.DeleteNote(10); // nothing to delete: not a change
        EXPECT_FALSE(doc.IsModified());
        doc.OnCloseDocument();
        EXPECT_FALSE(FileExists(env.NotesFile()));
    }
    {
        CBibleNoteDoc doc(env.ui, env.context);
        doc.OnNewDocument();
        doc.SetNote(7, "line one\r\nline two");
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(doc.OnCmdMsg(Cmd::SaveVerseNotes));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(ReadWholeFile(env.NotesFile()),
                  std::string("\x01\x00\x07\x00\x07\x00\x07\x00\x12", 9) + "line one\r\nline two");
        doc.DeleteNote(7);
        doc.OnCloseDocument();
        EXPECT_EQ(ReadWholeFile(env.NotesFile()), kEmptyFile);
    }
    EXPECT_TRUE(env.ui.messageBoxes.empty());
}

TEST(BibleNoteDoc, ReaderDirectoryRemovedWhileOpenIsMadeAgain) {
    Environment env;
    CBibleNoteDoc doc(env.ui, env.context);
    doc.OnNewDocument();
    doc.SetNote(2, "kept");
    std::filesystem::remove_all(env.dir.Path("Anna (Anna Lee)"));
    doc.OnCloseDocument();
    EXPECT_TRUE(env.ui.messageBoxes.empty());
    EXPECT_TRUE(FileExists(env.NotesFile()));
}

TEST(BibleNoteDoc, DamagedFileIsReportedKeptAsideAndNotOverwritten) {
    Environment env;
    std::string damaged("\x02\x00\x05\x00\x09\x00\x05\x00\x04"
                        "fi",
                        11);
    SaveFileAtomic(env.NotesFile(), damaged);
    CBibleNoteDoc doc(env.ui, env.context);
    EXPECT_TRUE(doc.OnNewDocument()); // the environment still opens
    ASSERT_EQ(env.ui.messageBoxes.size(), 1u);
    EXPECT_EQ(env.ui.messageBoxes[0].text,
              "Unexpected file format.\n" + env.NotesFile() +
                  " is damaged or is not a file of its kind.\n\nThe file has been kept as " +
                  env.NotesFile() + ".damaged; the verse notes start empty.");
    EXPECT_EQ(doc.MinNoted(), kNoVerse);
    EXPECT_EQ(doc.GetNote(5), "");
    EXPECT_EQ(ReadWholeFile(env.NotesFile() + ".damaged"), damaged);
    doc.SetNote(3, "new");
    doc.OnCloseDocument();
    EXPECT_EQ(ReadWholeFile(env.NotesFile() + ".damaged"), damaged);
    EXPECT_EQ(ReadWholeFile(env.NotesFile()).substr(0, 6), std::string("\x01\x00\x03\x00\x03\x00", 6));
}

TEST(BibleNoteDoc, UnwritableFileKeepsTheChangeMarked) {
    Environment env;
    SaveFileAtomic(env.NotesFile(), kEmptyFile);
    SetReadOnly(env.NotesFile(), true);
    CBibleNoteDoc doc(env.ui, env.context);
    doc.OnNewDocument();
    doc.SetNote(1, "x");
    EXPECT_FALSE(doc.SaveVerseNotes());
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(env.ui.messageBoxes.size(), 1u);
    EXPECT_EQ(env.ui.messageBoxes[0].text,
              "Unable to write to " + env.NotesFile() + ", it is read-only or opened by someone else.");
    EXPECT_EQ(ReadWholeFile(env.NotesFile()), kEmptyFile);
    SetReadOnly(env.NotesFile(), false);
    EXPECT_TRUE(doc.OnCmdMsg(Cmd::FileSave));
    EXPECT_EQ(ReadWholeFile(env.NotesFile()).size(), 6u + 2 + 2);
}

// The view's logic: what the navigation bar does to the current verse and the notes.
class BibleNoteViewTest : public ::testing::Test {
protected:
    Environment env;
    CBibleNoteDoc doc{env.ui, env.context};
    FakeBibleNoteView view;
    CBible& bible = TheBible();

    void Open() {
        doc.OnNewDocument();
        doc.AddView(&view);
        view.OnInitialUpdate();
    }
    uint16_t Index(uint16_t b, uint16_t c, uint16_t v) { return bible.GetVerseIndex(b, c, v); }
    void Select(uint16_t b, uint16_t c, uint16_t v) {
        view.selected[NoteBar::kBookList] = b - 1;
        view.selected[NoteBar::kChapterList] = c - 1;
        view.Pick(NoteBar::kVerseList, v - bible.GetFirstVerse(b, c));
    }
    CCmdUI State(int id) {
        CCmdUI ui;
        view.OnUpdateCmdUI(id, ui);
        return ui;
    }
};

TEST_F(BibleNoteViewTest, NewEnvironmentShowsTheFirstVerse) {
    Open();
    EXPECT_EQ(view.CurrentVerse(), 0);
    EXPECT_EQ(view.editor, "");
    EXPECT_EQ(view.lists[NoteBar::kBookList].size(), bible.GetBookCount());
    EXPECT_EQ(view.lists[NoteBar::kBookList][0], bible.GetBookName(1));
    EXPECT_EQ(view.lists[NoteBar::kChapterList].size(), 50u);
    EXPECT_EQ(view.lists[NoteBar::kVerseList].front(), "1");
    EXPECT_EQ(view.selected[NoteBar::kVerseList], 0);
    EXPECT_FALSE(State(NoteBar::kPrevious).enabled);
    EXPECT_FALSE(State(NoteBar::kNext).enabled);
    EXPECT_TRUE(State(NoteBar::kChapterList).enabled);
    EXPECT_EQ(view.PrintHeader(), "Anna - Genesis 1:1");
}

TEST_F(BibleNoteViewTest, NotesAreCommittedWhenTheVerseChanges) {
    Open();
    view.editor = "In the beginning\nsecond line";
    EXPECT_FALSE(doc.IsModified()); // typing alone does not touch the notes
    Select(43, 3, 16);
    EXPECT_EQ(view.CurrentVerse(), Index(43, 3, 16));
    EXPECT_EQ(doc.GetNote(0), "In the beginning\r\nsecond line");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.editor, "");
    EXPECT_EQ(view.PrintHeader(), "Anna - John 3:16");
    view.editor = "For God so loved";
    Select(1, 1, 1);
    EXPECT_EQ(view.editor, "In the beginning\nsecond line");
    EXPECT_EQ(doc.MinNoted(), 0);
    EXPECT_EQ(doc.MaxNoted(), Index(43, 3, 16));

    view.editor.clear(); // clearing a note and moving away removes it
    view.OnNext();
    EXPECT_EQ(doc.GetNote(0), "");
    EXPECT_EQ(doc.MinNoted(), Index(43, 3, 16));
    EXPECT_EQ(view.CurrentVerse(), Index(43, 3, 16));
    EXPECT_EQ(view.selected[NoteBar::kBookList], 42);
    EXPECT_EQ(view.selected[NoteBar::kChapterList], 2);
    EXPECT_EQ(view.selected[NoteBar::kVerseList], 15);
    view.editor.clear();
    view.OnPrevious(); // nothing before: the view stays, the last note is gone
    EXPECT_EQ(view.CurrentVerse(), Index(43, 3, 16));
    EXPECT_EQ(doc.MinNoted(), kNoVerse);
    EXPECT_EQ(doc.MaxNoted(), kNoVerse);
}

TEST_F(BibleNoteViewTest, PreviousAndNextBetweenFiveAndThreeHundred) {
    doc.SetNote(5, "five");
    doc.SetNote(300, "three hundred");
    doc.AddView(&view);
    view.OnInitialUpdate();
    EXPECT_EQ(view.CurrentVerse(), 5); // starts at the first noted verse
    EXPECT_EQ(view.editor, "five");
    CVerse v100 = bible.GetVerseAt(100);
    Select(v100.GetBook(), v100.GetChapter(), v100.GetVerse());
    ASSERT_EQ(view.CurrentVerse(), 100);
    EXPECT_TRUE(State(NoteBar::kPrevious).enabled);
    EXPECT_TRUE(State(NoteBar::kNext).enabled);
    EXPECT_TRUE(view.OnCmdMsg(NoteBar::kPrevious));
    EXPECT_EQ(view.CurrentVerse(), 5);
    EXPECT_FALSE(State(NoteBar::kPrevious).enabled);
    view.OnNext();
    EXPECT_EQ(view.CurrentVerse(), 300);
    EXPECT_EQ(view.editor, "three hundred");
    EXPECT_FALSE(State(NoteBar::kNext).enabled);
    view.OnCmdMsg(NoteBar::kNext); // disabled: not run
    EXPECT_EQ(view.CurrentVerse(), 300);
}

TEST_F(BibleNoteViewTest, ListSelectionRules) {
    Open();
    Select(1, 45, 3); // Genesis 45:3
    ASSERT_EQ(view.CurrentVerse(), Index(1, 45, 3));
    // Exodus has 40 chapters: chapter 45 of the old list does not exist there.
    view.Pick(NoteBar::kBookList, 1);
    EXPECT_EQ(view.CurrentVerse(), Index(2, 1, 1));
    // Leviticus keeps the chapter and verse entries still selected from Exodus.
    view.selected[NoteBar::kChapterList] = 2;
    view.selected[NoteBar::kVerseList] = 4;
    view.Pick(NoteBar::kBookList, 2);
    EXPECT_EQ(view.CurrentVerse(), Index(3, 3, 5));
    // No verse selected, or one beyond the chapter: its first verse.
    view.selected[NoteBar::kVerseList] = -1;
    view.Pick(NoteBar::kChapterList, 4);
    EXPECT_EQ(view.CurrentVerse(), Index(3, 5, 1));
    view.Pick(NoteBar::kVerseList, 500);
    EXPECT_EQ(view.CurrentVerse(), Index(3, 5, 1));
    // Psalm 3 has a title, verse 0, as its first entry.
    Select(19, 3, 0);
    EXPECT_EQ(view.CurrentVerse(), Index(19, 3, 0));
    EXPECT_EQ(view.lists[NoteBar::kVerseList].front(), "0");
    EXPECT_EQ(view.selected[NoteBar::kVerseList], 0);
    // No book selected: Genesis 1:1.
    view.Pick(NoteBar::kBookList, -1);
    EXPECT_EQ(view.CurrentVerse(), 0);
    // The same verse again changes nothing, not even the lists.
    int fills = view.fills;
    Select(1, 1, 1);
    EXPECT_EQ(view.fills, fills);
    // A one-chapter book disables the chapter list.
    Select(31, 1, 1);
    EXPECT_FALSE(State(NoteBar::kChapterList).enabled);
    EXPECT_EQ(view.lists[NoteBar::kChapterList], std::vector<std::string>{"1"});
}

TEST_F(BibleNoteViewTest, ClosingCommitsAndWrites) {
    Open();
    Select(43, 3, 16);
    view.editor = "typed, never moved away";
    doc.OnCloseDocument();
    CBibleNoteDoc reopened(env.ui, env.context);
    reopened.OnNewDocument();
    EXPECT_EQ(reopened.GetNote(Index(43, 3, 16)), "typed, never moved away");
}

// Moving through notes and closing, with nothing typed, leaves the file as it
// was: the window sets each note it leaves, and the same words are no change.
TEST_F(BibleNoteViewTest, LookingThroughNotesWritesNothing) {
    doc.OnNewDocument();
    doc.SetNote(0, "In the beginning");
    doc.SetNote(Index(43, 3, 16), "For God so loved");
    ASSERT_TRUE(doc.SaveVerseNotes());
    struct stat before {};
    ASSERT_EQ(::stat(env.NotesFile().c_str(), &before), 0);
    doc.AddView(&view);
    view.OnInitialUpdate();
    ASSERT_EQ(view.editor, "In the beginning");
    view.OnNext();
    EXPECT_EQ(view.CurrentVerse(), Index(43, 3, 16));
    Select(1, 1, 1);
    view.OnNext();
    EXPECT_FALSE(doc.IsModified());
    doc.OnCloseDocument();
    struct stat after {};
    ASSERT_EQ(::stat(env.NotesFile().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
}

TEST_F(BibleNoteViewTest, SaveVerseNotesKeepsTheNoteBeingTyped) {
    Open();
    view.editor = "typed, still on screen";
    EXPECT_TRUE(doc.OnCmdMsg(Cmd::SaveVerseNotes));
    EXPECT_FALSE(doc.IsModified());
    CBibleNoteDoc reopened(env.ui, env.context);
    reopened.OnNewDocument();
    EXPECT_EQ(reopened.GetNote(0), "typed, still on screen");
}

TEST_F(BibleNoteViewTest, EightBitNotesKeepTheirBytesUntilEdited) {
    doc.SetNote(0, "caf\xE9");
    doc.AddView(&view);
    view.OnInitialUpdate();
    EXPECT_EQ(view.editor, "caf\xC3\xA9");
    view.OnNext();
    EXPECT_EQ(doc.GetNote(0), "caf\xE9");
    view.editor = "caf\xC3\xA9!";
    Select(1, 1, 2);
    EXPECT_EQ(doc.GetNote(0), "caf\xC3\xA9!");
}

} // namespace
