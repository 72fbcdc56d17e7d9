// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DocumentFiles.h"
#include "NotesTestSupport.h"
#include "TempDir.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "notes/GeneralNoteDoc.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class DocumentFiles : public ::testing::Test {
protected:
    TempDir dir;
    CReaderContext context;
    CScriptedUiServices ui;

    DocumentFiles() {
        std::filesystem::create_directories(dir.Path("Anna (Anna Smith)"));
        context.baseDirectory = dir.Path();
        context.displayName = "Anna";
        context.fileStem = "\\Anna (Anna Smith)\\Anna";
        context.generalNotesPath = dir.Path("Anna (Anna Smith)/Anna.txt");
    }
    std::string Reader(const std::string& name) { return dir.Path("Anna (Anna Smith)/" + name); }
};

TEST_F(DocumentFiles, SameFileSeesThroughSpellingsAndLinks) {
    SaveFileAtomic(Reader("Anna.txt"), "x");
    std::filesystem::create_symlink(Reader("Anna.txt"), dir.Path("link.txt"));
    struct Case {
        std::string a, b;
        bool same;
    };
    const std::vector<Case> cases = {
        {Reader("Anna.txt"), dir.Path("Anna (Anna Smith)/../Anna (Anna Smith)/./Anna.txt"), true},
        {Reader("Anna.txt"), dir.Path("link.txt"), true},
        {Reader("missing.txt"), dir.Path("./Anna (Anna Smith)/missing.txt"), true},
        {Reader("Anna.txt"), Reader("Other.txt"), false},
        {Reader("Anna.txt"), "", false},
        {"", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " | " << c.b;
}

TEST_F(DocumentFiles, TheEnvironmentHoldsItsFourFiles) {
    const std::vector<std::string> files = EnvironmentFiles(context);
    ASSERT_EQ(files.size(), 4u);
    for (const char* name : {"Anna.vnpln", "Anna.vnpro", "Anna.vnnot", "Anna.txt"})
        EXPECT_TRUE(HoldsFile(files, Reader(name))) << name;
    // A verse notes file opened beside the environment is in its way; other files are not.
    const std::vector<std::string> open = {dir.Path("Other.vnnot"), Reader("Anna.vnnot"),
                                           dir.Path("./Anna (Anna Smith)/Anna.txt"), ""};
    EXPECT_EQ(DocumentsInTheWay(open, files), (std::vector<size_t>{1, 2}));
    context.displayName.clear();
    EXPECT_TRUE(EnvironmentFiles(context).empty());
}

TEST_F(DocumentFiles, GeneralNotesNeverTakeAnotherDocumentsOrTheReadersFiles) {
    SaveFileAtomic(Reader("Anna.vnnot"), std::string("\0\0", 2));
    SaveFileAtomic(Reader("Held.txt"), "held by another window");
    const std::string vnnot = ReadWholeFile(Reader("Anna.vnnot"));
    struct Case {
        std::string target;
        bool saving;
        std::string message; // empty: taken
    };
    const std::string dataSave = "\nThis is one of Scrivane's reader files, and general notes cannot be "
                                 "saved over it.\nChoose another name.";
    const std::vector<Case> cases = {
        {Reader("Anna.vnnot"), true, Reader("Anna.vnnot") + dataSave},
        {Reader("Anna.VNPLN"), true, Reader("Anna.VNPLN") + dataSave},
        {dir.Path("Scrivane.vnrdr"), true, dir.Path("Scrivane.vnrdr") + dataSave},
        {Reader("Anna.vnpro"), false,
         Reader("Anna.vnpro") +
             "\nThis is one of Scrivane's reader files; it cannot be opened as general notes."},
        {Reader("Held.txt"), true,
         Reader("Held.txt") + "\nThis file is open in another window. Close that window first, or choose "
                              "another name."},
        {Reader("Held.txt"), false,
         Reader("Held.txt") + "\nThis file is open in another window. Close that window first, or choose "
                              "another file."},
        {Reader("Free.txt"), true, ""},
    };
    for (const Case& c : cases) {
        FakeGeneralNoteView view;
        CGeneralNoteDoc doc(ui, context);
        doc.filesHeldElsewhere = [&] { return std::vector<std::string>{Reader("Held.txt")}; };
        doc.OpenForEnvironment();
        doc.AddView(&view);
        view.editor = "typed";
        doc.SetModifiedFlag(true);
        ui = CScriptedUiServices();
        ui.fileAnswers = {c.target};
        if (c.saving)
            doc.OnCmdMsg(Cmd::FileSaveAs);
        else
            doc.OnCmdMsg(Cmd::FileOpen);
        if (c.message.empty()) {
            EXPECT_TRUE(ui.messageBoxes.empty()) << c.target;
            EXPECT_EQ(ReadWholeFile(c.target), "typed");
            EXPECT_EQ(context.generalNotesPath, c.target);
            context.generalNotesPath = Reader("Anna.txt");
        } else {
            ASSERT_EQ(ui.messageBoxes.size(), 1u) << c.target;
            EXPECT_EQ(ui.messageBoxes[0].text, c.message);
            EXPECT_EQ(doc.GetPathName(), Reader("Anna.txt")) << c.target;
            EXPECT_EQ(context.generalNotesPath, Reader("Anna.txt"));
            EXPECT_TRUE(doc.IsModified());
        }
        doc.SetModifiedFlag(false);
        doc.RemoveView(&view);
    }
    EXPECT_EQ(ReadWholeFile(Reader("Anna.vnnot")), vnnot);
    EXPECT_EQ(ReadWholeFile(Reader("Held.txt")), "held by another window");
    EXPECT_FALSE(FileExists(dir.Path("Scrivane.vnrdr")));
    // Saving under its own name again is no conflict.
    FakeGeneralNoteView view;
    CGeneralNoteDoc doc(ui, context);
    doc.filesHeldElsewhere = [&] { return EnvironmentFiles(context); };
    doc.OpenForEnvironment();
    doc.AddView(&view);
    ui = CScriptedUiServices();
    ui.fileAnswers = {Reader("Anna.txt")};
    doc.OnCmdMsg(Cmd::FileSaveAs);
    EXPECT_TRUE(ui.messageBoxes.empty());
    EXPECT_FALSE(ui.fileRequests.back().confirmOverwrite);

    // Another existing file is replaced only after Yes, asked once, by the program.
    SaveFileAtomic(Reader("Kept.txt"), "kept");
    view.editor = "mine";
    for (int answer : {IDNO, IDYES}) {
        ui = CScriptedUiServices();
        ui.fileAnswers = {Reader("Kept.txt")};
        ui.messageBoxAnswers = {answer};
        doc.OnCmdMsg(Cmd::FileSaveAs);
        ASSERT_EQ(ui.messageBoxes.size(), 1u);
        EXPECT_EQ(ui.messageBoxes[0].text, "Kept.txt already exists.\nDo you want to replace it?");
        EXPECT_EQ(ReadWholeFile(Reader("Kept.txt")), answer == IDYES ? "mine" : "kept");
    }
    doc.RemoveView(&view);
}

TEST_F(DocumentFiles, NotesOpenedBesideTheEnvironmentAreNoReadersNotes) {
    SaveFileAtomic(Reader("Anna.txt"), "old notes");
    SaveFileAtomic(dir.Path("Loose.txt"), "loose");
    CGeneralNoteDoc own(ui, context);
    own.OpenForEnvironment();
    EXPECT_TRUE(own.IsEnvironmentNotes());
    EXPECT_EQ(own.GetTitle(), "Anna's General Notes: Anna.txt");

    // Another file, opened while the environment is open: the reader's path stays.
    CGeneralNoteDoc beside(ui, context);
    ASSERT_TRUE(beside.OnOpenDocument(dir.Path("Loose.txt")));
    EXPECT_FALSE(beside.IsEnvironmentNotes());
    EXPECT_EQ(beside.GetTitle(), "General Notes: Loose.txt");
    EXPECT_EQ(context.generalNotesPath, Reader("Anna.txt"));

    // With no environment open, even the last reader's file is opened as a loose file.
    context.displayName.clear();
    CGeneralNoteDoc later(ui, context);
    ASSERT_TRUE(later.OnOpenDocument(Reader("Anna.txt")));
    EXPECT_FALSE(later.IsEnvironmentNotes());
    EXPECT_EQ(later.GetTitle(), "General Notes: Anna.txt");
}

} // namespace
