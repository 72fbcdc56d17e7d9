// SPDX-License-Identifier: GPL-3.0-or-later
#include "Screenshots.h"
#include "notes/BibleNoteView.h"
#include "notes/GeneralNoteView.h"
#include "shell/BibleNoteChildFrame.h"
#include "shell/DocumentTypes.h"
#include "shell/MainFrame.h"

#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/ReaderContext.h"
#include "framework/ScriptedUiServices.h"
#include "notes/BibleNoteDoc.h"
#include "notes/GeneralNoteDoc.h"
#include "reader/ReaderEnvironment.h"
#include "reader/ReaderFile.h"
#include "scripture/Bible.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// A user's choice in one of the bar's lists.
void Choose(QComboBox* list, int entry) {
    list->setCurrentIndex(entry);
    emit list->activated(entry);
}

bool Enabled(const CCmdTarget& target, int id) {
    CCmdUI ui;
    return target.OnUpdateCmdUI(id, ui) && ui.enabled;
}

} // namespace

class TestNotes : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    CReaderContext context;
    CScriptedUiServices ui;

    // An open environment for Anna with the program's document types.
    struct Environment {
        CReaderEnvironment env;
        std::vector<std::unique_ptr<CDocTemplate>> types;
        QMdiArea area;
        Environment(CScriptedUiServices& ui, const std::string& base, bool createAnna = true) : env(ui) {
            env.SetBaseDirectory(base);
            if (createAnna) env.SelectReader(env.CreateReader({"Anna", "Lee", "Anna"}, {}));
            types = MakeDocumentTypes(ui, env);
            area.resize(800, 500);
        }
        CDocTemplate& Type(int resourceId) {
            for (auto& t : types)
                if (t->ResourceId() == resourceId) return *t;
            throw std::logic_error("no such type");
        }
        // Opens a document as the environment does; returns its frame.
        CMdiChildFrame* Open(int resourceId, const std::string& path = "") {
            CDocument* doc = Type(resourceId).OpenDocumentFile(path, &area, true);
            return doc ? Type(resourceId).FrameOf(doc) : nullptr;
        }
        void Close(int resourceId) {
            for (CDocument* d : Type(resourceId).Documents())
                Type(resourceId).CloseDocument(d);
        }
    };

    std::string Path(const std::string& name) {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path() + "/Anna (Anna Lee)");
        context = {};
        context.baseDirectory = dir.path().toStdString();
        context.displayName = "Anna";
        context.fileStem = "\\Anna (Anna Lee)\\Anna";
        context.generalNotesPath = Path("Anna (Anna Lee)/Anna.txt");
        ui = {};
    }

    void verseNotesFollowTheBar() {
        CBible& bible = TheBible();
        Environment environment(ui, dir.path().toStdString());
        auto* frame = static_cast<CBibleNoteChildFrame*>(environment.Open(131));
        QVERIFY(frame);
        auto* doc = static_cast<CBibleNoteDoc*>(frame->Document());
        auto* view = dynamic_cast<CBibleNoteView*>(frame->View());
        QVERIFY(view);
        QCOMPARE(frame->windowTitle(), QString("Anna's Bible Verse Keyed Notes"));
        frame->resize(720, 360);
        environment.area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&environment.area));
        CBibleNoteChildFrame* bar = frame;

        // A new environment: the canon's first verse, nothing to go to.
        QCOMPARE(bar->BookList()->currentText(), QString("Genesis"));
        QCOMPARE(bar->ChapterList()->currentText(), QString("1"));
        QCOMPARE(bar->VerseList()->currentText(), QString("1"));
        QVERIFY(!bar->PreviousButton()->isEnabled());
        QVERIFY(!bar->NextButton()->isEnabled());
        QVERIFY(bar->PreviousButton()->whatsThis().contains("earlier verse that has a note"));
        SaveScreenshot(frame, "verse-notes-new");

        // Typing alone does not store; moving with the lists does.
        view->Editor()->setFocus();
        QTest::keyClicks(view->Editor(), "Let there be light");
        QVERIFY(!doc->IsModified());
        Choose(bar->BookList(), 42); // John, chapter 1 verse 1 still selected
        QCOMPARE(view->CurrentVerse(), bible.GetVerseIndex(43, 1, 1));
        QCOMPARE(doc->GetNote(0), std::string("Let there be light"));
        QVERIFY(view->Editor()->toPlainText().isEmpty());
        Choose(bar->ChapterList(), 2);
        Choose(bar->VerseList(), 15);
        QCOMPARE(view->CurrentVerse(), bible.GetVerseIndex(43, 3, 16));
        QVERIFY(bar->PreviousButton()->isEnabled());
        QVERIFY(!bar->NextButton()->isEnabled());
        QTest::keyClicks(view->Editor(), "For God so loved the world");
        view->Editor()->appendPlainText(
            "that he gave his only begotten Son, that whosoever believeth in him should not "
            "perish, but have everlasting life. A long line wraps in the editor.");
        SaveScreenshot(frame, "verse-notes-john");

        // Previous goes back and shows the stored note; Next returns.
        QTest::mouseClick(bar->PreviousButton(), Qt::LeftButton);
        QCOMPARE(view->CurrentVerse(), uint16_t(0));
        QCOMPARE(view->Editor()->toPlainText(), QString("Let there be light"));
        QCOMPARE(bar->BookList()->currentText(), QString("Genesis"));
        QVERIFY(!bar->PreviousButton()->isEnabled());
        QVERIFY(bar->NextButton()->isEnabled());
        QTest::mouseClick(bar->NextButton(), Qt::LeftButton);
        QCOMPARE(view->CurrentVerse(), bible.GetVerseIndex(43, 3, 16));
        QVERIFY(view->Editor()->toPlainText().startsWith("For God so loved the world\nthat he gave"));

        // A book with fewer chapters than the one shown: its chapter 1, first verse.
        Choose(bar->BookList(), 40); // Mark has 16 chapters; chapter 3 is kept
        QCOMPARE(view->CurrentVerse(), bible.GetVerseIndex(41, 3, 16));
        Choose(bar->ChapterList(), 15);
        Choose(bar->BookList(), 55); // Titus has 3 chapters
        QCOMPARE(view->CurrentVerse(), bible.GetVerseIndex(56, 1, 1));
        QCOMPARE(bar->ChapterList()->count(), 3);
        QCOMPARE(bar->ChapterList()->currentText(), QString("1"));
        Choose(bar->BookList(), 30); // Obadiah: one chapter, its list disabled
        QVERIFY(!bar->ChapterList()->isEnabled());

        // Clearing a note and moving away removes it.
        Choose(bar->BookList(), 0);
        Choose(bar->ChapterList(), 0);
        Choose(bar->VerseList(), 0);
        QCOMPARE(view->Editor()->toPlainText(), QString("Let there be light"));
        view->Editor()->selectAll();
        QTest::keyClick(view->Editor(), Qt::Key_Delete);
        Choose(bar->VerseList(), 1);
        QCOMPARE(doc->GetNote(0), std::string());
        QCOMPARE(doc->MinNoted(), bible.GetVerseIndex(43, 3, 16));
        QVERIFY(!bar->PreviousButton()->isEnabled());
        QVERIFY(bar->NextButton()->isEnabled());

        // Closing the environment writes the file, with what was typed last.
        QTest::keyClicks(view->Editor(), "last words");
        environment.Close(131);
        CBibleNoteDoc reopened(ui, environment.env.Context());
        reopened.OnNewDocument();
        QCOMPARE(reopened.GetNote(1), std::string("last words"));
        QVERIFY(reopened.GetNote(bible.GetVerseIndex(43, 3, 16)).find("\r\nthat he gave") !=
                std::string::npos);
        QVERIFY(ui.messageBoxes.empty());
    }

    void damagedNotesFileStillOpens() {
        Environment environment(ui, dir.path().toStdString());
        std::string file =
            JoinStem(environment.env.BaseDirectory(), environment.env.CurrentReader().GetFileStem()) +
            ".vnnot";
        SaveFileAtomic(file, "\x05");
        CMdiChildFrame* frame = environment.Open(131);
        QVERIFY(frame);
        QCOMPARE(ui.messageBoxes.size(), size_t(1));
        QVERIFY(QString::fromStdString(ui.messageBoxes[0].text).startsWith("Unexpected file format."));
        QVERIFY(FileExists(file + ".damaged"));
        QCOMPARE(dynamic_cast<CBibleNoteView*>(frame->View())->CurrentVerse(), uint16_t(0));
    }

    void editCommands() {
        CGeneralNoteDoc doc(ui, context);
        doc.OpenForEnvironment();
        CGeneralNoteView view(doc);
        view.resize(600, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        CNoteEditor* editor = view.Editor();
        QVERIFY(!Enabled(view, Cmd::EditUndo));
        QVERIFY(!Enabled(view, Cmd::EditCopy));
        QTest::keyClicks(editor, "alpha beta alpha");
        QVERIFY(doc.IsModified());
        QVERIFY(Enabled(view, Cmd::EditUndo));
        view.OnCmdMsg(Cmd::EditSelectAll);
        QVERIFY(Enabled(view, Cmd::EditCut));
        view.OnCmdMsg(Cmd::EditCut);
        QCOMPARE(editor->toPlainText(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QString("alpha beta alpha"));
        QVERIFY(Enabled(view, Cmd::EditPaste));
        view.OnCmdMsg(Cmd::EditPaste);
        view.OnCmdMsg(Cmd::EditPaste);
        QCOMPARE(editor->toPlainText(), QString("alpha beta alphaalpha beta alpha"));
        view.OnCmdMsg(Cmd::EditUndo);
        QCOMPARE(editor->toPlainText(), QString("alpha beta alpha"));

        // Find with the real dialog; Find Next repeats and wraps around.
        editor->moveCursor(QTextCursor::Start);
        view.OnCmdMsg(Cmd::EditFind);
        CFindReplaceDialog* find = editor->FindDialog();
        QVERIFY(find && find->isVisible() && !find->IsReplace());
        find->findChild<QLineEdit*>()->setText("alpha");
        SaveScreenshot(find, "find-dialog");
        QPushButton* findNext = nullptr;
        for (QPushButton* b : find->findChildren<QPushButton*>())
            if (b->text() == "&Find Next") findNext = b;
        QVERIFY(findNext);
        QTest::mouseClick(findNext, Qt::LeftButton);
        QCOMPARE(editor->textCursor().selectionStart(), 0);
        view.OnCmdMsg(Cmd::EditRepeat);
        QCOMPARE(editor->textCursor().selectionStart(), 11);
        view.OnCmdMsg(Cmd::EditRepeat);
        QCOMPARE(editor->textCursor().selectionStart(), 0);
        QVERIFY(editor->FindNext({"alpha", false, false, false})); // upwards, around the start
        QCOMPARE(editor->textCursor().selectionStart(), 11);

        // Replace: one, then all, as one undoable step; whole words and case.
        view.OnCmdMsg(Cmd::EditReplace);
        CFindReplaceDialog* replace = editor->FindDialog();
        QVERIFY(replace && replace->IsReplace());
        // Replace shows no direction, but still owns its direction buttons, so they go with it.
        const QList<QRadioButton*> directions = replace->findChildren<QRadioButton*>();
        QCOMPARE(directions.size(), 2);
        for (QRadioButton* b : directions)
            QVERIFY(!b->isVisible());
        SaveScreenshot(replace, "replace-dialog");
        QCOMPARE(editor->ReplaceAll({"ALPHA", true, false, true}, "x"), 0);
        QCOMPARE(editor->ReplaceAll({"alph", false, true, true}, "x"), 0);
        editor->moveCursor(QTextCursor::Start);
        QVERIFY(editor->FindNext({"beta", false, false, true}));
        QVERIFY(!editor->ReplaceCurrent({"beta", false, false, true}, "gamma"));
        QCOMPARE(editor->toPlainText(), QString("alpha gamma alpha"));
        QCOMPARE(editor->ReplaceAll({"Alpha", false, true, true}, "alpha alpha"), 2);
        QCOMPARE(editor->toPlainText(), QString("alpha alpha gamma alpha alpha"));
        view.OnCmdMsg(Cmd::EditUndo);
        QCOMPARE(editor->toPlainText(), QString("alpha gamma alpha"));
        replace->close();
    }

    void generalNotesFileCommands() {
        SaveFileAtomic(Path("Other.txt"), "other text\r\nsecond line");
        SaveFileAtomic(Path("Empty.txt"), "");
        const int answers[] = {IDNO, IDYES};
        for (int answer : answers) {
            init();
            SaveFileAtomic(Path("Other.txt"), "other text\r\nsecond line");
            SaveFileAtomic(Path("Empty.txt"), "");
            context.displayName = answer == IDNO ? "James" : "Anna";
            auto doc = std::make_unique<CGeneralNoteDoc>(ui, context);
            doc->OpenForEnvironment();
            auto view = std::make_unique<CGeneralNoteView>(*doc);
            QCOMPARE(doc->GetTitle(), answer == IDNO ? std::string("James' General Notes: Anna.txt")
                                                     : std::string("Anna's General Notes: Anna.txt"));
            QTest::keyClicks(view->Editor(), "unsaved words");
            QVERIFY(doc->IsModified());

            ui.fileAnswers.push_back(Path("Empty.txt"));
            QVERIFY(RouteCommand({view.get(), doc.get()}, Cmd::FileOpen));
            QCOMPARE(view->Editor()->toPlainText(), QString("unsaved words"));
            QVERIFY(ui.messageBoxes.empty());

            ui.fileAnswers.push_back(Path("Other.txt"));
            ui.messageBoxAnswers.push_back(answer);
            QVERIFY(RouteCommand({view.get(), doc.get()}, Cmd::FileOpen));
            QCOMPARE(ui.messageBoxes.size(), size_t(1));
            QCOMPARE(view->Editor()->toPlainText(), QString("other text\nsecond line"));
            QVERIFY(!doc->IsModified());
            QCOMPARE(FileExists(context.generalNotesPath), true);
            QCOMPARE(context.generalNotesPath, Path("Other.txt"));
            QCOMPARE(FileExists(Path("Anna (Anna Lee)/Anna.txt")), answer == IDYES);
            view.reset();
            doc->OnCloseDocument();
        }

        // Save As: the new file is the environment's general notes, also after a restart.
        Environment environment(ui, dir.path().toStdString());
        CReaderEnvironment& env = environment.env;
        CMdiChildFrame* frame = environment.Open(132);
        QVERIFY(frame);
        QCOMPARE(frame->windowTitle(), QString("Anna's General Notes: Anna.txt"));
        auto* view = dynamic_cast<CGeneralNoteView*>(frame->View());
        QTest::keyClicks(view->Editor(), "written before Save As");
        ui.fileAnswers.push_back(Path("Renamed.txt"));
        QVERIFY(environment.Type(132).Documents().front()->OnCmdMsg(Cmd::FileSaveAs));
        QCOMPARE(frame->windowTitle(), QString("Anna's General Notes: Renamed.txt"));
        QCOMPARE(env.Context().generalNotesPath, Path("Renamed.txt"));
        view->Editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(view->Editor(), "!");
        environment.Close(132); // closing with changes writes them without a question
        env.FinishClose();
        QCOMPARE(ReadWholeFile(Path("Renamed.txt")), std::string("written before Save As!"));

        // A restart: the reader file is written at exit and read by the next start.
        SaveReaderFile(env.BaseDirectory(), env.LastReader(), env.Readers());
        Environment restarted(ui, dir.path().toStdString(), false);
        CReaderEnvironment& next = restarted.env;
        QVERIFY(LoadReaderFile(next.BaseDirectory(), next.LastReader(), next.Readers()).ok);
        QVERIFY(next.SelectReader(next.LastReaderIndex()));
        QVERIFY(next.GeneralNotesFileExists());
        QCOMPARE(next.Context().generalNotesPath, Path("Renamed.txt"));
        frame = restarted.Open(132, next.Context().generalNotesPath);
        QVERIFY(frame);
        auto* shown = dynamic_cast<CGeneralNoteView*>(frame->View());
        QCOMPARE(shown->Editor()->toPlainText(), QString("written before Save As!"));
        frame->resize(600, 300);
        restarted.area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&restarted.area));
        SaveScreenshot(frame, "general-notes");
        QCOMPARE(QString::fromStdString(shown->PrintHeader()), QString("Anna - Renamed.txt"));
    }

    // Both notes windows in the main window: the menus follow the active
    // window and its commands reach the view through the shell's route.
    void notesWindowsInTheMainFrame() {
        CReaderEnvironment env(ui);
        env.SetBaseDirectory(dir.path().toStdString());
        env.SelectReader(env.CreateReader({"James", "Hart", "James"}, {}));
        auto types = MakeDocumentTypes(ui, env);
        CMainFrame main;
        main.resize(900, 600);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        CDocTemplate* general = nullptr;
        CDocTemplate* verses = nullptr;
        for (auto& t : types) {
            if (t->ResourceId() == 132) general = t.get();
            if (t->ResourceId() == 131) verses = t.get();
        }
        CDocument* generalDoc = general->OpenDocumentFile("", main.MdiArea(), true);
        CDocument* verseDoc = verses->OpenDocumentFile("", main.MdiArea(), true);
        QVERIFY(generalDoc && verseDoc);
        general->FrameOf(generalDoc)->setGeometry(20, 20, 560, 300);
        verses->FrameOf(verseDoc)->setGeometry(120, 160, 680, 320);
        main.MdiArea()->setActiveSubWindow(verses->FrameOf(verseDoc));
        QCOMPARE(main.CurrentMenu(), 131);
        auto* view = dynamic_cast<CBibleNoteView*>(verses->FrameOf(verseDoc)->View());
        QTest::keyClicks(view->Editor(), "In the beginning God created the heaven and the earth.");
        view->Editor()->selectAll();
        main.UpdateCommandUi();
        QVERIFY(main.FindAction(Cmd::EditCut) && main.FindAction(Cmd::EditCut)->isEnabled());
        QVERIFY(main.OnCommand(Cmd::EditCopy));
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("In the beginning God created the heaven and the earth."));
        QVERIFY(main.OnCommand(Cmd::SaveVerseNotes));
        QVERIFY(FileExists(JoinStem(env.BaseDirectory(), env.CurrentReader().GetFileStem()) + ".vnnot"));
        SaveScreenshot(&main, "main-window-verse-notes");

        main.MdiArea()->setActiveSubWindow(general->FrameOf(generalDoc));
        QCOMPARE(main.CurrentMenu(), 132);
        QCOMPARE(general->FrameOf(generalDoc)->windowTitle(), QString("James' General Notes: James.txt"));
        QVERIFY(main.OnCommand(Cmd::EditFind));
        auto* generalView = dynamic_cast<CGeneralNoteView*>(general->FrameOf(generalDoc)->View());
        QVERIFY(generalView->Editor()->FindDialog());
        generalView->Editor()->FindDialog()->close();
        SaveScreenshot(&main, "main-window-general-notes");
        general->CloseAllDocuments();
        verses->CloseAllDocuments();
    }

    void printedPages() {
        Environment environment(ui, dir.path().toStdString());
        auto* frame = static_cast<CBibleNoteChildFrame*>(environment.Open(131));
        CBibleNoteView& view = *dynamic_cast<CBibleNoteView*>(frame->View());
        CBible& bible = TheBible();
        Choose(frame->BookList(), 42);
        Choose(frame->ChapterList(), 2);
        Choose(frame->VerseList(), 15);
        QString text;
        for (int i = 1; i <= 120; ++i)
            text +=
                QString("Line %1 of a long note about this verse, long enough to wrap on the printed page "
                        "at least once.\n")
                    .arg(i);
        view.Editor()->setPlainText(text);
        QCOMPARE(view.CurrentVerse(), bible.GetVerseIndex(43, 3, 16));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        QString pdf = dir.filePath("verse-note.pdf");
        QString shots = qEnvironmentVariable("SCRIVANE_SCREENSHOTS");
        if (!shots.isEmpty()) pdf = shots + "/verse-note.pdf";
        printer.setOutputFileName(pdf);
        view.PrintTo(printer);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // 120 wrapped lines do not fit one page.
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type/Page\n") >
                    1 ||
                bytes.count("/Page") > 2);
        QCOMPARE(QString::fromStdString(view.PrintHeader()), QString("Anna - John 3:16"));
    }
};

QTEST_MAIN(TestNotes)
#include "test_notes.moc"
