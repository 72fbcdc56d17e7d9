// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/GeneralNoteDoc.h"
#include "NotesTestSupport.h"
#include "TempDir.h"
#include "foundation/Archive.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "notes/PrayerBookDoc.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const char* kModifiedQuestion = "The current General Note file has been modified\nDo you wish to save it?";

class GeneralNoteTest : public ::testing::Test {
protected:
    TempDir dir;
    CReaderContext context;
    CScriptedUiServices ui;
    std::vector<std::string> recent;

    GeneralNoteTest() {
        context.baseDirectory = dir.Path();
        context.displayName = "Anna";
        context.fileStem = "\\Anna (Anna Lee)\\Anna";
        context.generalNotesPath = dir.Path("Anna.txt");
    }
    // Opens the environment's general notes as the shell does, with a view.
    std::unique_ptr<CGeneralNoteDoc> Open(FakeGeneralNoteView& view) {
        auto doc = std::make_unique<CGeneralNoteDoc>(ui, context);
        doc->addToRecentFiles = [this](const std::string& p) { recent.push_back(p); };
        doc->OpenForEnvironment();
        doc->AddView(&view);
        view.OnInitialUpdate();
        return doc;
    }
    void Type(CGeneralNoteDoc& doc, FakeGeneralNoteView& view, const std::string& text) {
        view.editor = text;
        doc.SetModifiedFlag(true);
    }
};

TEST_F(GeneralNoteTest, Titles) {
    struct Case {
        const char* name;
        std::string path;
        const char* title;
    } cases[] = {{"Anna", dir.Path("Anna.txt"), "Anna's General Notes: Anna.txt"},
                 {"James", dir.Path("James.txt"), "James' General Notes: James.txt"},
                 {"Gus", "notes.txt", "Gus' General Notes: notes.txt"}};
    for (const Case& c : cases) {
        context.displayName = c.name;
        context.generalNotesPath = c.path;
        FakeGeneralNoteView view;
        auto doc = Open(view);
        EXPECT_EQ(doc->GetTitle(), c.title);
        EXPECT_EQ(doc->GetStoredTitle(), c.title);
        EXPECT_EQ(doc->GetPathName(), c.path);
        EXPECT_FALSE(doc->IsModified());
        EXPECT_EQ(view.PrintHeader(), std::string(c.name) + " - " + FileNameOf(c.path));
        doc->OnCloseDocument();
    }
    EXPECT_FALSE(FileExists(dir.Path("Anna.txt"))); // nothing typed, nothing written
}

TEST_F(GeneralNoteTest, ClosingWritesChangesWithoutAsking) {
    FakeGeneralNoteView view;
    auto doc = Open(view);
    EXPECT_EQ(view.editor, "");
    Type(*doc, view, "first\nsecond\n");
    doc->OnCloseDocument();
    EXPECT_EQ(ReadWholeFile(dir.Path("Anna.txt")), "first\r\nsecond\r\n");
    EXPECT_TRUE(ui.messageBoxes.empty());

    FakeGeneralNoteView again;
    auto reopened = Open(again);
    EXPECT_EQ(again.editor, "first\nsecond\n");
}

TEST_F(GeneralNoteTest, SaveAsBecomesTheEnvironmentsFile) {
    FakeGeneralNoteView view;
    auto doc = Open(view);
    Type(*doc, view, "moved");
    std::string target = dir.Path("Elsewhere.txt");
    ui.fileAnswers.push_back(target);
    EXPECT_TRUE(doc->OnCmdMsg(Cmd::FileSaveAs));
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_FALSE(ui.fileRequests[0].open);
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "txt");
    EXPECT_EQ(ui.fileRequests[0].defaultFileName, "Anna.txt");
    EXPECT_EQ(ui.fileRequests[0].startDirectory, dir.Path());
    EXPECT_EQ(ui.fileRequests[0].filter, "Text File (*.txt)|*.txt||");
    EXPECT_EQ(ReadWholeFile(target), "moved");
    EXPECT_EQ(context.generalNotesPath, target);
    EXPECT_EQ(doc->GetTitle(), "Anna's General Notes: Elsewhere.txt");
    EXPECT_EQ(recent.back(), target);
    EXPECT_FALSE(doc->IsModified());
    doc->OnCloseDocument();

    // The next opening of the environment shows that file.
    FakeGeneralNoteView next;
    auto reopened = Open(next);
    EXPECT_EQ(next.editor, "moved");
    EXPECT_FALSE(FileExists(dir.Path("Anna.txt")));
}

TEST_F(GeneralNoteTest, OpenAsksAboutUnsavedChanges) {
    SaveFileAtomic(dir.Path("Other.txt"), "other text");
    SaveFileAtomic(dir.Path("Empty.txt"), "");
    struct Case {
        int answer;
        bool oldWritten;
    } cases[] = {{IDNO, false}, {IDYES, true}};
    for (const Case& c : cases) {
        std::filesystem::remove(dir.Path("Anna.txt"));
        context.generalNotesPath = dir.Path("Anna.txt");
        ui.messageBoxes.clear();
        FakeGeneralNoteView view;
        auto doc = Open(view);
        Type(*doc, view, "unsaved");

        ui.fileAnswers.push_back(dir.Path("Empty.txt")); // empty: ignored without a word
        doc->OnFileOpen();
        EXPECT_TRUE(ui.messageBoxes.empty());
        EXPECT_EQ(view.editor, "unsaved");
        EXPECT_TRUE(doc->IsModified());

        ui.fileAnswers.push_back(dir.Path("Other.txt"));
        ui.messageBoxAnswers.push_back(c.answer);
        EXPECT_TRUE(doc->OnCmdMsg(Cmd::FileOpen));
        ASSERT_EQ(ui.messageBoxes.size(), 1u);
        EXPECT_EQ(ui.messageBoxes[0].text, kModifiedQuestion);
        EXPECT_EQ(ui.messageBoxes[0].buttons, MbButtons::yesNo);
        EXPECT_EQ(ui.messageBoxes[0].icon, MbIcon::question);
        EXPECT_EQ(view.editor, "other text");
        EXPECT_EQ(context.generalNotesPath, dir.Path("Other.txt"));
        EXPECT_FALSE(doc->IsModified());
        EXPECT_EQ(FileExists(dir.Path("Anna.txt")), c.oldWritten);
        if (c.oldWritten) {
            EXPECT_EQ(ReadWholeFile(dir.Path("Anna.txt")), "unsaved");
        }
        doc->OnCloseDocument();
    }
}

TEST_F(GeneralNoteTest, FailedWritesLoseNothing) {
    SaveFileAtomic(dir.Path("Anna.txt"), "on disk");
    SetReadOnly(dir.Path("Anna.txt"), true);
    FakeGeneralNoteView view;
    auto doc = Open(view);
    Type(*doc, view, "typed");
    EXPECT_TRUE(doc->OnCmdMsg(Cmd::FileSave));
    ASSERT_EQ(ui.messageBoxes.size(), 1u);
    EXPECT_EQ(ui.messageBoxes[0].text,
              "Unable to write to " + dir.Path("Anna.txt") + ", it is read-only or opened by someone else.");
    EXPECT_TRUE(doc->IsModified());

    // Open with Yes: the old notes cannot be written, so they are not given up.
    SaveFileAtomic(dir.Path("Other.txt"), "other");
    ui.fileAnswers.push_back(dir.Path("Other.txt"));
    ui.messageBoxAnswers.push_back(IDYES);
    doc->OnFileOpen();
    EXPECT_EQ(view.editor, "typed");
    EXPECT_EQ(context.generalNotesPath, dir.Path("Anna.txt"));
    EXPECT_TRUE(doc->IsModified());

    // Save As into a directory that does not exist: nothing changes.
    ui.fileAnswers.push_back(dir.Path("missing/New.txt"));
    doc->OnFileSaveAs();
    EXPECT_EQ(context.generalNotesPath, dir.Path("Anna.txt"));
    EXPECT_TRUE(doc->IsModified());

    // Open of a file that cannot be read after No: the text and its mark stay.
    std::filesystem::resize_file(dir.Path("Other.txt"), kMaxGeneralNotesBytes + 1);
    ui.fileAnswers.push_back(dir.Path("Other.txt"));
    ui.messageBoxAnswers.push_back(IDNO);
    size_t shown = ui.messageBoxes.size();
    doc->OnFileOpen();
    ASSERT_EQ(ui.messageBoxes.size(), shown + 2);
    EXPECT_EQ(ui.messageBoxes.back().text,
              dir.Path("Other.txt") + " is too large to open as general notes (more than 16 MB).");
    EXPECT_EQ(view.editor, "typed");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(ReadWholeFile(dir.Path("Anna.txt")), "on disk");
}

TEST_F(GeneralNoteTest, UnreadableFileIsLeftAloneAndNotOpened) {
    // Too large, a directory, a FIFO: each is reported with its name, nothing is moved or
    // written, and the environment's general notes are not opened.
    std::string path = dir.Path("Anna.txt");
    struct Case {
        const char* what;
        std::string reason;
    } cases[] = {
        {"too large", path + " is too large to open as general notes (more than 16 MB)."},
        {"directory", "Failed to open document.\n" + path + ": Is a directory."},
        {"fifo", path + "\nThis is not a regular file, so it was not read."},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(path);
        ui.messageBoxes.clear();
        if (std::string(c.what) == "too large") {
            SaveFileAtomic(path, "x");
            std::filesystem::resize_file(path, kMaxGeneralNotesBytes + 1);
        } else if (std::string(c.what) == "directory") {
            std::filesystem::create_directory(path);
        } else {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
        CGeneralNoteDoc doc(ui, context);
        EXPECT_FALSE(doc.OpenForEnvironment()) << c.what;
        // The same through the framework's open, as the environment opens an existing file.
        CGeneralNoteDoc again(ui, context);
        EXPECT_FALSE(again.OnOpenDocument(path)) << c.what;
        ASSERT_EQ(ui.messageBoxes.size(), 2u) << c.what;
        EXPECT_EQ(ui.messageBoxes[0].text, c.reason);
        EXPECT_EQ(dir.List(), std::vector<std::string>{"Anna.txt"}) << c.what;
        EXPECT_EQ(doc.GetPathName(), "");
    }
    EXPECT_EQ(context.generalNotesPath, path);

    // Any other file that cannot be read is refused and changes nothing.
    FakeGeneralNoteView view;
    std::filesystem::remove_all(path);
    SaveFileAtomic(path, "x");
    auto doc = Open(view);
    SaveFileAtomic(dir.Path("Big.txt"), "x");
    std::filesystem::resize_file(dir.Path("Big.txt"), kMaxGeneralNotesBytes + 1);
    EXPECT_FALSE(doc->OnOpenDocument(dir.Path("Big.txt")));
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_TRUE(FileExists(dir.Path("Big.txt")));
}

TEST_F(GeneralNoteTest, EightBitTextLoadsAndSavesItsCharacters) {
    SaveFileAtomic(dir.Path("Anna.txt"), "Caf\xE9 \x93quoted\x94\r\nline");
    FakeGeneralNoteView view;
    auto doc = Open(view);
    EXPECT_EQ(view.editor, "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D\nline");
    EXPECT_FALSE(doc->IsModified());
    doc->OnCloseDocument();
    EXPECT_EQ(ReadWholeFile(dir.Path("Anna.txt")), "Caf\xE9 \x93quoted\x94\r\nline"); // untouched
    FakeGeneralNoteView again;
    auto reopened = Open(again);
    Type(*reopened, again, again.editor + "!");
    reopened->Save();
    EXPECT_EQ(ReadWholeFile(dir.Path("Anna.txt")), "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D\r\nline!");
}

TEST_F(GeneralNoteTest, CarriageReturnsBeforeALineBreakSurviveSaves) {
    // Found by fuzzing: each save used to drop one of these CRs.
    const std::string stored = "a\r\r\r\nb\rc\r\n";
    SaveFileAtomic(dir.Path("Anna.txt"), stored);
    for (int round = 0; round < 3; ++round) {
        FakeGeneralNoteView view;
        auto doc = Open(view);
        EXPECT_EQ(view.editor, "a\r\r\nb\rc\n");
        doc->Save();
        EXPECT_EQ(ReadWholeFile(dir.Path("Anna.txt")), stored) << round;
    }
}

TEST_F(GeneralNoteTest, TextReadBeforeAViewIsHeldForIt) {
    SaveFileAtomic(dir.Path("Anna.txt"), "held");
    CGeneralNoteDoc doc(ui, context);
    doc.OpenForEnvironment();
    EXPECT_EQ(doc.GetText(), "held");
    FakeGeneralNoteView view;
    doc.AddView(&view);
    view.OnInitialUpdate();
    EXPECT_EQ(view.editor, "held");
    EXPECT_EQ(doc.GetText(), "held");
}

TEST(PrayerBook, StoresNothing) {
    CScriptedUiServices ui;
    CPrayerBookDoc doc(ui);
    CArchive ar;
    doc.Serialize(ar);
    EXPECT_EQ(ar.Bytes(), "");
}

} // namespace
