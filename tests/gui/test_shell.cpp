// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelpers.h"
#include "Screenshots.h"
#include "framework/CommandIds.h"
#include "framework/HelpService.h"
#include "framework/MdiChildFrame.h"
#include "reader/ReaderFile.h"
#include "shell/BibleNoteChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/PlanChildFrame.h"
#include "shell/QtUiServices.h"
#include "shell/ReaderDialog.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>
#include <functional>

namespace {

// Answers the next message box with button and records its text.
void AnswerMessageBox(QMessageBox::StandardButton button, QStringList* texts = nullptr) {
    OnNextModal([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        if (texts) *texts << box->text();
        box->button(button)->click();
    });
}

QPushButton* Button(QWidget* dialog, int id) {
    return dialog->findChild<QPushButton*>(QString::number(id));
}

// Fills the New or Edit Reader dialog that comes up next and presses OK.
void FillReaderDialog(const QString& first, const QString& last, const QString& nick, bool verseNotes = true,
                      const QString& shot = {}) {
    OnNextModal([=](QWidget* w) {
        auto* d = qobject_cast<CReaderDialog*>(w);
        QVERIFY(d);
        d->FirstName()->setText(first);
        d->LastName()->setText(last);
        d->Nickname()->setText(nick);
        d->findChild<QCheckBox*>("1042")->setChecked(verseNotes);
        if (!shot.isEmpty()) SaveScreenshot(d, shot);
        Button(d, 1)->click();
    });
}

QStringList Items(QComboBox* c) {
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items;
}

QStringList MenuTitles(QMainWindow* w) {
    QStringList titles;
    for (QAction* a : w->menuBar()->actions())
        titles << a->text();
    return titles;
}

// The command a shortcut of the window's own (not shown in a menu) runs; 0 if none.
int ShortcutCommand(QWidget* w, const QKeySequence& key) {
    for (QAction* a : w->actions())
        if (a->shortcut() == key) return a->property("commandId").toInt();
    return 0;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

    QTemporaryDir base_;
    QTemporaryDir config_;
    std::unique_ptr<CScrivaneApp> app_;

    CScrivaneApp& Start(bool dismissSplash = true) {
        app_ = std::make_unique<CScrivaneApp>();
        bool ok = app_->InitInstance({});
        [&] { QVERIFY(ok); }();
        if (dismissSplash) CSplashWindow::HideSplash();
        return *app_;
    }
    void Exit() {
        app_->MainFrame()->close();
        app_.reset();
    }
    CMainFrame* Frame() { return app_->MainFrame(); }
    CSelectReaderDialog* Select(QWidget* w) { return qobject_cast<CSelectReaderDialog*>(w); }

    // Opens the Select Reader dialog, runs script in it, and returns after it closed.
    void WithSelectReader(std::function<void(CSelectReaderDialog*)> script) {
        OnNextModal([this, script](QWidget* w) { script(Select(w)); });
        Frame()->OnCommand(Cmd::OpenReaderEnvironment);
    }
    // New Reader in the Select Reader dialog: the dialog closes on the new reader's environment,
    // which is closed again unless keepOpen.
    void MakeReader(const QString& first, const QString& last, const QString& nick, bool verseNotes = true,
                    bool keepOpen = false) {
        WithSelectReader([&](CSelectReaderDialog* d) {
            FillReaderDialog(first, last, nick, verseNotes);
            Button(d, 1046)->click();
        });
        QVERIFY(app_->Environment().IsOpen());
        if (!keepOpen) Frame()->OnCommand(Cmd::CloseReaderEnvironment);
    }

private slots:
    void init() {
        QVERIFY(base_.isValid() && config_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane").clear();
        QDir::setCurrent(QDir::tempPath());
        QDir(base_.path()).removeRecursively();
        QDir().mkpath(base_.path());
        QDir::setCurrent(base_.path());
    }
    void cleanup() {
        if (app_) Exit();
    }

    void startsWithNoEnvironmentAndASplash() {
        Start(false);
        // The main window paints first; the splash comes over it after.
        QVERIFY(!CSplashWindow::Current());
        QTRY_VERIFY(CSplashWindow::Current());
        CSplashWindow* splash = CSplashWindow::Current();
        QCOMPARE(splash->size(), QSize(519, 317));
        SaveScreenshot(splash, "splash");
        QTest::mouseMove(Frame(), QPoint(50, 50));
        QVERIFY(CSplashWindow::Current());
        // The first key press removes the splash and does nothing else.
        QTest::keyClick(Frame(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(!CSplashWindow::Current());
        QVERIFY(!QApplication::activeModalWidget());

        QVERIFY(!app_->Environment().IsOpen());
        QVERIFY(Frame()->MdiArea()->subWindowList().isEmpty());
        QCOMPARE(MenuTitles(Frame()), (QStringList{"&File", "&View", "&Help"}));
        QCOMPARE(Frame()->ToolBar()->actions().size(), 17); // 13 buttons, 4 separators
        QStringList tips;
        for (QAction* a : Frame()->ToolBar()->actions())
            if (!a->isSeparator()) tips << a->toolTip();
        QCOMPARE(tips, (QStringList{"Open Reader Environment", "Print", "Cut", "Copy", "Paste",
                                    "First Reading", "Previous Reading", "Next Reading", "Last Reading",
                                    "Read Assignment", "Finished Reading (Ctrl+D)", "About", "Help"}));
        QCOMPARE(Frame()->statusBar()->findChild<QLabel*>("messagePane")->text(),
                 QString("For Help, press F1"));
        for (const char* pane : {"CAP", "NUM", "SCRL"})
            QVERIFY(Frame()->statusBar()->findChild<QLabel*>(pane));
        Frame()->UpdateCommandUi();
        QVERIFY(Frame()->ToolBarAction(Cmd::OpenReaderEnvironment)->isEnabled());
        QVERIFY(!Frame()->ToolBarAction(Cmd::EditCut)->isEnabled());
        QVERIFY(!Frame()->ToolBarAction(Cmd::NextReading)->isEnabled());
        QVERIFY(Frame()->ToolBarAction(Cmd::AppAbout)->isEnabled());
        QCOMPARE(Frame()->FindAction(Cmd::NewReadingPlanTemplate)->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(Frame()->FindAction(Cmd::OpenReaderEnvironment)->shortcut(), QKeySequence("Ctrl+O"));
        Frame()->resize(760, 520);
        QApplication::processEvents();
        SaveScreenshot(Frame(), "mainwindow");

        // Exit with no environment open writes only the reader file.
        Exit();
        QCOMPARE(QDir(base_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"Scrivane.vnrdr"});
    }

    void newReadersAreListedAndQualified() {
        Start();
        QStringList lists;
        // Each New Reader opens the new reader's environment at once.
        WithSelectReader([&](CSelectReaderDialog* d) {
            SaveScreenshot(d, "selectreader-empty");
            QVERIFY(!Button(d, 1)->isEnabled()); // nothing to open yet
            FillReaderDialog(" John ", "Smith", "Bob", false, "newreader");
            Button(d, 1046)->click();
        });
        lists << QString::fromStdString(app_->Environment().CurrentDisplayName());
        WithSelectReader([&](CSelectReaderDialog* d) {
            lists << Items(d->ReaderList()).join("|");
            FillReaderDialog("Jim", "Jones", "Bob");
            Button(d, 1046)->click();
        });
        lists << QString::fromStdString(app_->Environment().CurrentDisplayName());
        WithSelectReader([&](CSelectReaderDialog* d) {
            lists << Items(d->ReaderList()).join("|");
            lists << d->ReaderList()->currentText();
            SaveScreenshot(d, "selectreader");
            Button(d, 2)->click();
        });
        QCOMPARE(lists, (QStringList{"Bob", "Bob", "Bob (Jim Jones)", "Bob (Jim Jones)|Bob (John Smith)",
                                     "Bob (Jim Jones)"}));
        Frame()->OnCommand(Cmd::CloseReaderEnvironment);
        QVERIFY(QFileInfo(base_.filePath("Bob ( John  Smith)")).isDir());
        QVERIFY(QFileInfo(base_.filePath("Bob (Jim Jones) (Jim Jones)")).isDir());
        const CReaderData& john = app_->Environment().Readers().At(1);
        QCOMPARE(QString::fromStdString(john.GetFirstName()), QString("John"));
        QCOMPARE(john.GetPlacement(kVerseNotesSlot).showCmd, SW_SHOWMINNOACTIVE);
        QCOMPARE(john.GetPlacement(kReadingPlanSlot).showCmd, SW_SHOWNORMAL);
    }

    void badNamesAreRefusedInTheDialog() {
        Start();
        QStringList texts;
        WithSelectReader([&](CSelectReaderDialog* d) {
            OnNextModal([&](QWidget* w) {
                auto* nd = qobject_cast<CReaderDialog*>(w);
                nd->LastName()->setText("../up");
                nd->Nickname()->setText("Al");
                AnswerMessageBox(QMessageBox::Ok, &texts);
                Button(nd, 1)->click();
                // Still open after the refusal, with the names as typed and the bad one to mend.
                QTimer::singleShot(50, nd, [nd] {
                    QVERIFY(nd->isVisible());
                    QCOMPARE(nd->LastName()->text(), QString("../up"));
                    QCOMPARE(nd->focusWidget(), nd->LastName());
                    Button(nd, 2)->click();
                });
            });
            Button(d, 1046)->click();
            Button(d, 2)->click();
        });
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains("slash"));
        QCOMPARE(app_->Environment().Readers().GetCount(), 0);
        // Only the note saying which program holds the base directory while it runs.
        QCOMPARE(QDir(base_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{CDirectoryLock::kHolderFileName});
    }

    void duplicateReadersAreRefusedInTheDialog() {
        Start();
        QStringList texts;
        bool stillOpen = false;
        QString keptFirst, keptNick;
        QWidget* focused = nullptr;
        QLineEdit* nickField = nullptr;
        MakeReader("Mary", "Ann Lee", "Jo");
        WithSelectReader([&](CSelectReaderDialog* d) {
            // "Jo (Mary Ann Lee)" a second time: refused with the dialog still open.
            OnNextModal([&](QWidget* w) {
                auto* nd = qobject_cast<CReaderDialog*>(w);
                nd->FirstName()->setText("Mary Ann");
                nd->LastName()->setText("Lee");
                nd->Nickname()->setText("Jo");
                AnswerMessageBox(QMessageBox::Ok, &texts);
                Button(nd, 1)->click();
                QTimer::singleShot(50, nd, [&, nd] {
                    stillOpen = nd->isVisible();
                    keptFirst = nd->FirstName()->text();
                    keptNick = nd->Nickname()->text();
                    focused = nd->focusWidget();
                    nickField = nd->Nickname();
                    SaveScreenshot(nd, "newreader-duplicate-refused");
                    // Mending the nick name is accepted.
                    nd->Nickname()->setText("Mae");
                    Button(nd, 1)->click();
                });
            });
            Button(d, 1046)->click();
        });
        Frame()->OnCommand(Cmd::CloseReaderEnvironment);
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains("\"Jo (Mary Ann Lee)\""));
        QVERIFY(stillOpen);
        QCOMPARE(keptFirst, QString("Mary Ann"));
        QCOMPARE(keptNick, QString("Jo"));
        QCOMPARE(focused, nickField);
        QCOMPARE(QString::fromStdString(app_->Environment().ReaderList().at(0)), QString("Jo"));
        QCOMPARE(QString::fromStdString(app_->Environment().ReaderList().at(1)), QString("Mae"));
        QCOMPARE(QString::fromStdString(app_->Environment().Readers().At(0).GetFileStem()),
                 QString("\\Jo (Mary Ann Lee)\\Jo"));

        // The same in Edit: refused before the question is asked, and the dialog keeps the names.
        texts.clear();
        stillOpen = false;
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(1); // Mae
            OnNextModal([&](QWidget* w) {
                auto* ed = qobject_cast<CReaderDialog*>(w);
                ed->Nickname()->setText("Jo");
                AnswerMessageBox(QMessageBox::Ok, &texts);
                Button(ed, 1)->click();
                QTimer::singleShot(50, ed, [&, ed] {
                    stillOpen = ed->isVisible();
                    keptNick = ed->Nickname()->text();
                    focused = ed->focusWidget();
                    nickField = ed->Nickname();
                    Button(ed, 2)->click();
                });
            });
            Button(d, 1133)->click();
            Button(d, 2)->click();
        });
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains("\"Jo (Mary Ann Lee)\""));
        QVERIFY(stillOpen);
        QCOMPARE(keptNick, QString("Jo"));
        QCOMPARE(focused, nickField);
        QCOMPARE(QDir(base_.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{"Jo (Mary Ann Lee)", "Mae (Mary Ann Lee)"}));
    }

    void unreadableFilesKeepTheirWindowsClosed() {
        Start();
        MakeReader("John", "Smith", "Bob");
        // A directory where the plan file belongs: said with its name and reason, nothing moved,
        // and the plan window stays closed while the notes windows open.
        const QString plan = base_.filePath("Bob (John Smith)/Bob.vnpln");
        QVERIFY(QFile::remove(plan));
        QVERIFY(QDir().mkdir(plan));
        QStringList before =
            QDir(base_.filePath("Bob (John Smith)")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        before.removeAll("Scrivane.lock");
        QStringList texts;
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(0);
            OnNextModal([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                texts << box->text();
                box->button(QMessageBox::Ok)->click();
            });
            Button(d, 1)->click();
        });
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains(plan));
        QVERIFY(texts[0].contains("Is a directory"));
        QStringList titles;
        for (QMdiSubWindow* w : Frame()->MdiArea()->subWindowList(QMdiArea::CreationOrder))
            titles << w->windowTitle();
        QCOMPARE(titles, (QStringList{"Bob's General Notes: Bob.txt", "Bob's Bible Verse Keyed Notes"}));
        // Nothing is written beside it but the note of this program holding the directory.
        QStringList entries =
            QDir(base_.filePath("Bob (John Smith)")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        entries.removeAll("Scrivane.lock");
        QCOMPARE(entries, before);
        Frame()->OnCommand(Cmd::CloseReaderEnvironment);
        QVERIFY(QFileInfo(plan).isDir());
        QVERIFY(!QFileInfo::exists(plan + ".damaged"));
    }

    void editRenamesDirectoryAndFiles() {
        Start();
        MakeReader("John", "Smith", "Bob");
        for (const char* ext : {".vnpln", ".vnpro", ".vnnot", ".txt"}) {
            QFile f(base_.filePath(QString("Bob (John Smith)/Bob") + ext));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QStringList texts;
        QString shownNick;
        WithSelectReader([&](CSelectReaderDialog* d) {
            OnNextModal([&](QWidget* w) {
                auto* ed = qobject_cast<CReaderDialog*>(w);
                shownNick = ed->Nickname()->text();
                SaveScreenshot(ed, "editreader");
                ed->Nickname()->setText("Rob");
                AnswerMessageBox(QMessageBox::Yes, &texts);
                Button(ed, 1)->click();
            });
            QCOMPARE(d->ReaderList()->currentIndex(), 0); // the reader open last
            Button(d, 1133)->click();
            Button(d, 2)->click();
        });
        QCOMPARE(shownNick, QString("Bob"));
        QCOMPARE(texts, QStringList{"Are you sure you want to modify\nReader: Bob?"});
        QCOMPARE(QDir(base_.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"Rob (John Smith)"});
        QCOMPARE(QDir(base_.filePath("Rob (John Smith)")).entryList(QDir::Files),
                 (QStringList{"Rob.txt", "Rob.vnnot", "Rob.vnpln", "Rob.vnpro"}));
        const CReaderData& r = app_->Environment().Readers().At(0);
        QCOMPARE(QString::fromStdString(r.GetFileStem()), QString("\\Rob (John Smith)\\Rob"));
        QCOMPARE(QString::fromStdString(r.GetGeneralNotesPath()), base_.filePath("Rob (John Smith)/Rob.txt"));
    }

    void readersNamedInTheOldCodePageCanBeEditedAndDeleted() {
        // "José" and "Zoë" as an older reader file holds them, in Windows-1252.
        CReaderArray readers;
        for (const char* nick : {"Jos\xe9", "Zo\xeb"}) {
            CReaderData r;
            r.SetNickname(nick);
            readers.AddReader(r);
        }
        ::SaveReaderFile(base_.path().toStdString(), "", readers);
        Start();
        QString editedName;
        QStringList left;
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(0);
            QCOMPARE(d->ReaderList()->currentText(), QString("José"));
            OnNextModal([&](QWidget* w) {
                editedName = qobject_cast<CReaderDialog*>(w)->Nickname()->text();
                Button(w, 2)->click();
            });
            Button(d, 1133)->click();
            d->ReaderList()->setCurrentIndex(1);
            // No directory to ask about: these records name no files.
            AnswerMessageBox(QMessageBox::Yes);
            Button(d, 1048)->click();
            left = Items(d->ReaderList());
            Button(d, 2)->click();
        });
        QCOMPARE(editedName, QString("José"));
        QCOMPARE(left, QStringList{"José"});
    }

    // The reader file follows each New, Edit and Delete Reader at once, not only the program's exit.
    // Choosing again keeps the open environment until another reader is chosen.
    void openReaderKeepsTheEnvironmentUntilAnotherIsChosen() {
        Start();
        MakeReader("Ann", "Lee", "Ann");
        MakeReader("Ben", "Lee", "Ben");
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(0);
            Button(d, 1)->click();
        });
        QCOMPARE(QString::fromStdString(app_->Environment().CurrentDisplayName()), QString("Ann"));
        auto* firstWindow = Frame()->MdiArea()->subWindowList().value(0);
        QVERIFY(firstWindow);
        WithSelectReader([&](CSelectReaderDialog* d) { Button(d, 2)->click(); });
        QCOMPARE(QString::fromStdString(app_->Environment().CurrentDisplayName()), QString("Ann"));
        QCOMPARE(Frame()->MdiArea()->subWindowList().value(0), firstWindow);
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(0);
            Button(d, 1)->click();
        });
        QCOMPARE(Frame()->MdiArea()->subWindowList().value(0), firstWindow);
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(1);
            Button(d, 1)->click();
        });
        QCOMPARE(QString::fromStdString(app_->Environment().CurrentDisplayName()), QString("Ben"));
        QCOMPARE(Frame()->MdiArea()->subWindowList().size(), 3);
    }

    void enterMakesTheFirstReader() {
        Start();
        bool newReaderAsked = false;
        WithSelectReader([&](CSelectReaderDialog* d) {
            OnNextModal([&](QWidget* w) {
                newReaderAsked = qobject_cast<CReaderDialog*>(w) != nullptr;
                Button(w, 2)->click();
            });
            QTest::keyClick(d, Qt::Key_Return);
            Button(d, 2)->click();
        });
        QVERIFY(newReaderAsked);
    }

    void theReaderFileFollowsEveryReaderChange() {
        Start();
        auto onDisk = [this] {
            std::string last;
            CReaderArray readers;
            [&] { QVERIFY(LoadReaderFile(base_.path().toStdString(), last, readers).ok); }();
            QStringList names;
            for (int i = 0; i < readers.GetCount(); ++i)
                names << QString::fromStdString(readers.At(i).GetDisplayName());
            return names;
        };
        QStringList afterNew, afterEdit, afterDelete;
        MakeReader("Mary", "Lee", "Mo");
        MakeReader("Tom", "Lee", "Tom");
        afterNew = onDisk();
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(0);
            OnNextModal([&](QWidget* w) {
                auto* ed = qobject_cast<CReaderDialog*>(w);
                ed->Nickname()->setText("Moll");
                AnswerMessageBox(QMessageBox::Yes);
                Button(ed, 1)->click();
            });
            Button(d, 1133)->click();
            afterEdit = onDisk();
            d->ReaderList()->setCurrentIndex(1);
            OnNextModal([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                AnswerMessageBox(QMessageBox::Yes);
                box->button(QMessageBox::Yes)->click();
            });
            Button(d, 1048)->click();
            afterDelete = onDisk();
            Button(d, 2)->click();
        });
        QCOMPARE(afterNew, (QStringList{"Mo", "Tom"}));
        QCOMPARE(afterEdit, (QStringList{"Moll", "Tom"}));
        QCOMPARE(afterDelete, QStringList{"Moll"});
    }

    void deleteAsksAndHonoursBothAnswers() {
        Start();
        MakeReader("John", "Smith", "Bob");
        MakeReader("Ann", "Lee", "Ann");
        QStringList texts;
        QStringList afterNo, afterYes;
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(1); // Bob
            AnswerMessageBox(QMessageBox::No, &texts);
            Button(d, 1048)->click();
            afterNo = Items(d->ReaderList());
            // Yes to the reader, No to its files.
            OnNextModal([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                texts << box->text();
                AnswerMessageBox(QMessageBox::No, &texts);
                box->button(QMessageBox::Yes)->click();
            });
            Button(d, 1048)->click();
            afterYes = Items(d->ReaderList());
            // Yes to both for Ann.
            d->ReaderList()->setCurrentIndex(0);
            OnNextModal([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                AnswerMessageBox(QMessageBox::Yes);
                box->button(QMessageBox::Yes)->click();
            });
            Button(d, 1048)->click();
            Button(d, 2)->click();
        });
        QCOMPARE(afterNo, (QStringList{"Ann", "Bob"}));
        QCOMPARE(afterYes, QStringList{"Ann"});
        QCOMPARE(texts,
                 (QStringList{"Are you sure you want to delete\nReader: Bob?",
                              "Are you sure you want to delete\nReader: Bob?",
                              "Do you want to delete all the files in the directory\n\\Bob (John Smith)?"}));
        QCOMPARE(app_->Environment().Readers().GetCount(), 0);
        QCOMPARE(QDir(base_.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"Bob (John Smith)"});
    }

    void openEnvironmentPlacesWindowsAndCloseStoresThem() {
        Start();
        Frame()->resize(900, 700);
        QApplication::processEvents();
        MakeReader("John", "Smith", "Bob", false, true);
        QList<QMdiSubWindow*> windows = Frame()->MdiArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 3);
        QStringList titles;
        for (QMdiSubWindow* w : windows)
            titles << w->windowTitle();
        QCOMPARE(titles, (QStringList{"Bob's General Notes: Bob.txt", "Bob's Bible Verse Keyed Notes",
                                      "Bob's Reading Plan"}));
        const CReaderData& r = app_->Environment().CurrentReader();
        WindowPlacement plan = r.GetPlacement(kReadingPlanSlot);
        QCOMPARE(windows[2]->geometry(),
                 QRect(plan.left, plan.top, plan.right - plan.left, plan.bottom - plan.top));
        QCOMPARE(plan.left, 75);
        QVERIFY(windows[1]->isMinimized()); // verse notes was not ticked
        QVERIFY(!windows[0]->isMinimized());
        // The windows open together; the menus and the title are those of the one left active.
        auto* active = qobject_cast<CMdiChildFrame*>(Frame()->MdiArea()->activeSubWindow());
        QVERIFY(active);
        QCOMPARE(Frame()->CurrentMenu(), active->ResourceId());
        QCOMPARE(Frame()->windowTitle(), "Scrivane - " + active->windowTitle());

        // The active document type brings its menu bar.
        Frame()->MdiArea()->setActiveSubWindow(windows[2]);
        QCOMPARE(Frame()->CurrentMenu(), 129);
        QCOMPARE(MenuTitles(Frame()),
                 (QStringList{"&File", "&Edit", "&View", "&Reading Plan", "&Window", "&Help"}));
        QCOMPARE(Frame()->FindAction(Cmd::SaveReadingPlan)->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(ShortcutCommand(Frame(), QKeySequence(Qt::Key_PageDown)), Cmd::NextReading);
        QCOMPARE(ShortcutCommand(Frame(), QKeySequence(Qt::Key_PageUp)), Cmd::PreviousReading);
        Frame()->UpdateCommandUi();
        QVERIFY(Frame()->FindAction(Cmd::CloseReaderEnvironment)->isEnabled());
        SaveScreenshot(Frame(), "environment");

        Frame()->MdiArea()->setActiveSubWindow(windows[0]);
        QCOMPARE(Frame()->CurrentMenu(), 132);
        QCOMPARE(Frame()->FindAction(Cmd::EditCopy)->shortcut(), QKeySequence("Ctrl+C"));
        QCOMPARE(Frame()->FindAction(Cmd::EditFind)->shortcut(), QKeySequence("Ctrl+F"));
        QCOMPARE(Frame()->FindAction(Cmd::OpenReaderEnvironment)->shortcut(), QKeySequence("Ctrl+O"));
        // Page keys stay with the notes editors.
        QCOMPARE(ShortcutCommand(Frame(), QKeySequence(Qt::Key_PageDown)), 0);
        QCOMPARE(ShortcutCommand(Frame(), QKeySequence("Ctrl+F4")), Cmd::CloseDocumentWindow);

        // Document windows cannot be closed on their own.
        windows[0]->close();
        QTest::keyClick(windows[0], Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(Frame()->MdiArea()->subWindowList().size(), 3);

        // Move the plan (to a size it can take: a window is never made smaller
        // than its minimum), maximize the general notes, then close.
        windows[2]->showNormal();
        windows[2]->setGeometry(QRect(30, 40, 520, 260));
        windows[0]->showMaximized();
        QApplication::processEvents();
        Frame()->OnCommand(Cmd::CloseReaderEnvironment);
        QVERIFY(!app_->Environment().IsOpen());
        QVERIFY(Frame()->MdiArea()->subWindowList().isEmpty());
        QCOMPARE(Frame()->CurrentMenu(), 128);
        QCOMPARE(Frame()->windowTitle(), QString("Scrivane"));
        QCOMPARE(QString::fromStdString(app_->Environment().LastReader()), QString("Bob"));
        const CReaderData& stored = app_->Environment().Readers().At(0);
        WindowPlacement p = stored.GetPlacement(kReadingPlanSlot);
        QCOMPARE(QRect(p.left, p.top, p.right - p.left, p.bottom - p.top), QRect(30, 40, 520, 260));
        QCOMPARE(p.showCmd, SW_SHOWNORMAL);
        WindowPlacement g = stored.GetPlacement(kGeneralNotesSlot);
        QCOMPARE(g.showCmd, SW_SHOWMAXIMIZED);
        QCOMPARE(g.left, 25); // the normal rectangle survives maximizing
        QCOMPARE(stored.GetPlacement(kVerseNotesSlot).showCmd, SW_SHOWMINIMIZED);

        // Reopen: the stored places come back.
        WithSelectReader([&](CSelectReaderDialog* d) {
            QCOMPARE(d->ReaderList()->currentText(), QString("Bob"));
            Button(d, 1)->click();
        });
        windows = Frame()->MdiArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 3);
        QVERIFY(windows[0]->isMaximized());
        windows[0]->showNormal();
        QCOMPARE(windows[0]->geometry().topLeft(), QPoint(25, 25));
        QCOMPARE(windows[2]->geometry(), QRect(30, 40, 520, 260));

        // The Window menu lists the open windows.
        Frame()->MdiArea()->setActiveSubWindow(windows[2]);
        QMenu* windowMenu = nullptr;
        for (QAction* a : Frame()->menuBar()->actions())
            if (a->text() == "&Window") windowMenu = a->menu();
        QVERIFY(windowMenu);
        emit windowMenu->aboutToShow();
        QStringList listed;
        for (QAction* a : windowMenu->actions())
            if (a->property("windowList").toBool() && !a->isSeparator()) listed << a->text();
        QCOMPARE(listed.size(), 3);
        QCOMPARE(listed[2], QString("&3 Bob's Reading Plan"));

        // Open Reader Environment keeps the open one while the reader chooses; Cancel leaves it open.
        WithSelectReader([&](CSelectReaderDialog* d) {
            QVERIFY(app_->Environment().IsOpen());
            Button(d, 2)->click();
        });
        QVERIFY(app_->Environment().IsOpen());
        QCOMPARE(Frame()->MdiArea()->subWindowList().size(), 3);
    }

    void exitWritesTheReaderFileAndRestartPreselects() {
        Start();
        MakeReader("John", "Smith", "Bob");
        MakeReader("Ann", "Lee", "Ann");
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(1);
            Button(d, 1)->click();
        });
        QVERIFY(app_->Environment().IsOpen());
        Frame()->OnCommand(Cmd::AppExit);
        QVERIFY(!Frame() || !Frame()->isVisible());
        app_.reset();

        std::string last;
        CReaderArray readers;
        ReadReaderFile(base_.path().toStdString(), last, readers);
        QCOMPARE(QString::fromStdString(last), QString("Bob"));
        QCOMPARE(readers.GetCount(), 2);

        // The next start opens the reader open last, until the reader says otherwise.
        Start();
        QVERIFY(app_->Environment().IsOpen());
        QCOMPARE(QString::fromStdString(app_->Environment().CurrentDisplayName()), QString("Bob"));
        QVERIFY(app_->EnvironmentPlan());
        QString preselected;
        bool wasTicked = false;
        WithSelectReader([&](CSelectReaderDialog* d) {
            preselected = d->ReaderList()->currentText();
            auto* box = d->findChild<QCheckBox*>("openAtStart");
            wasTicked = box->isChecked();
            box->setChecked(false);
            SaveScreenshot(d, "selectreader-openatstart");
            Button(d, 1)->click();
        });
        QCOMPARE(preselected, QString("Bob"));
        QVERIFY(wasTicked);
        Exit();
        Start();
        QVERIFY(!app_->Environment().IsOpen());
        WithSelectReader([&](CSelectReaderDialog* d) {
            wasTicked = d->findChild<QCheckBox*>("openAtStart")->isChecked();
            Button(d, 2)->click();
        });
        QVERIFY(!wasTicked);
    }

    void damagedReaderFileIsReportedAndKept() {
        QFile f(base_.filePath("Scrivane.vnrdr"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x05garbage that is not a reader file at all");
        f.close();
        QStringList texts;
        AnswerMessageBox(QMessageBox::Ok, &texts);
        Start();
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].startsWith("Unexpected file format."));
        QVERIFY(texts[0].contains("no readers"));
        QCOMPARE(app_->Environment().Readers().GetCount(), 0);
        Exit();
        QStringList files = QDir(base_.path()).entryList(QDir::Files);
        QVERIFY(files.contains("Scrivane.vnrdr.damaged"));
        QFile kept(base_.filePath("Scrivane.vnrdr.damaged"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll().startsWith("\x05garbage"));
    }

    void progressStripShowsPercentages() {
        CPlanChildFrame frame;
        frame.SetView(new QLabel("view"), nullptr, nullptr);
        auto* box = frame.findChild<QLineEdit*>("1055");
        auto* bar = frame.findChild<QProgressBar*>("1065");
        QVERIFY(box && bar);
        struct {
            uint16_t read, total;
            const char* text;
            int max, value;
        } cases[] = {
            {57, 100, " 56.99%", 100, 57},
            {1, 3, " 33.33%", 3, 1},
            {1, 4, " 25.00%", 4, 1},
            {9999, 10000, " 99.99%", 10000, 9999},
            {10000, 10000, "100.00%", 10000, 10000},
            {12000, 10000, "100.00%", 10000, 10000},
            {1, 10000, "  0.01%", 10000, 1},
            {0, 7, "  0.00%", 7, 0},
            {5, 0, "  0.00%", 100, 0},
        };
        for (auto c : cases) {
            frame.SetPlanProgress(c.read, c.total);
            QCOMPARE(box->text(), QString(c.text));
            QCOMPARE(bar->maximum(), c.max);
            QCOMPARE(bar->value(), c.value);
        }
        frame.SetLifetimeProgress(31102, 31102);
        QCOMPARE(frame.findChild<QLineEdit*>("1053")->text(), QString("100.00%"));
        QCOMPARE(frame.findChild<QLabel*>("1131")->text(), QString("Reading Plan Completed"));
        QCOMPARE(frame.findChild<QLabel*>("1132")->text(), QString("Lifetime Bible Reading"));
    }

    void verseNotesFrameHasItsNavigationBar() {
        CBibleNoteChildFrame frame;
        frame.SetView(new QLabel("view"), nullptr, nullptr);
        QCOMPARE(frame.PreviousButton()->text(), QString("&Previous"));
        QCOMPARE(frame.NextButton()->text(), QString("&Next"));
        QCOMPARE(frame.BookList()->objectName(), QString("1125"));
        QCOMPARE(frame.VerseList()->objectName(), QString("1128"));
    }

    void shownShortcutsRunTheirItems() {
        Start();
        QApplication::setActiveWindow(Frame());
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        bool selectShown = false;
        OnNextModal([&](QWidget* w) {
            selectShown = Select(w) != nullptr;
            Button(w, 2)->click();
        });
        QTest::keyClick(Frame(), Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(selectShown);
    }

    void helpByContextNumber() {
        Start();
        QVERIFY(!CHelpService::PopupText(HelpIdForControl(1045)).isEmpty());
        QVERIFY(CHelpService::PopupText(HelpIdForControl(1133)).isEmpty());
        QCOMPARE(CHelpService::TopicPage(HelpIdForResource(170)), QString(":/help/200aa.html"));
        QCOMPARE(CHelpService::TopicPage(HelpIdForResource(999)), QString(":/help/index.html"));
        QString page;
        WithSelectReader([&](CSelectReaderDialog* d) {
            // F1 on a control without a pop-up opens the dialog's topic.
            Button(d, 1133)->setEnabled(true);
            Button(d, 1133)->setFocus();
            QTest::keyClick(Button(d, 1133), Qt::Key_F1);
            QTextBrowser* help = CHelpService::Instance().Browser();
            if (help) page = help->source().toString();
            Button(d, 2)->click();
        });
        QCOMPARE(page, QString("qrc:/help/200aa.html"));
        QTextBrowser* help = CHelpService::Instance().Browser();
        QVERIFY(help && help->toPlainText().contains("Choosing a reader"));
        SaveScreenshot(help, "help");
        Exit();
        QVERIFY(!CHelpService::Instance().Browser() || !CHelpService::Instance().Browser()->isVisible());
    }

    void recentFilesStayInPlaceEachTimeTheMenuOpens() {
        QFile notes(base_.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("Pray for Ann\r\n");
        notes.close();
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({base_.filePath("notes.txt")}));
        CSplashWindow::HideSplash();
        QCOMPARE(Frame()->CurrentMenu(), 132);
        Frame()->recentFiles = [] { return QStringList{"a.txt", "b.txt"}; };
        QMenu* file = Frame()->menuBar()->actions().front()->menu();
        for (int opening = 0; opening < 2; ++opening) {
            emit file->aboutToShow();
            QStringList texts;
            for (QAction* a : file->actions())
                texts << (a->isSeparator() ? "-" : a->text());
            QCOMPARE(texts.mid(texts.size() - 5), (QStringList{"-", "&1 a.txt", "&2 b.txt", "-", "E&xit"}));
        }
    }

    // One program at a time in a base directory: a second one is told which
    // holds it and does not start; once that one ends, it starts.
    void secondProgramOnTheSameBaseIsRefused() {
        auto first = std::make_unique<CDirectoryLock>();
        QVERIFY(first->Acquire(base_.path().toStdString(), std::chrono::milliseconds(0), "Scrivane"));
        app_ = std::make_unique<CScrivaneApp>();
        QStringList texts;
        OnNextModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            texts << box->text();
            SaveScreenshot(box, "base-in-use");
            box->button(QMessageBox::Ok)->click();
        });
        QVERIFY(!app_->InitInstance({}));
        QCOMPARE(texts.size(), 1);
        QVERIFY2(
            texts[0].contains("Scrivane (process " + QString::number(QCoreApplication::applicationPid())),
            qPrintable(texts[0]));
        app_.reset();
        first.reset();
        Start();
        // While it runs, the readers' files are its own.
        CDirectoryLock other;
        QVERIFY(!other.Acquire(base_.path().toStdString(), std::chrono::milliseconds(0), "x"));
    }

    // A reader whose files another program is changing is not opened; once
    // it has finished, the environment opens and holds them until it closes.
    void readerInUseElsewhereIsNotOpened() {
        Start();
        MakeReader("John", "Smith", "Bob");
        const std::string readerDir = base_.filePath("Bob (John Smith)").toStdString();
        auto cli = std::make_unique<CDirectoryLock>();
        QVERIFY(cli->Acquire(readerDir, std::chrono::milliseconds(0), "scrivane-cli"));
        QStringList texts;
        WithSelectReader([&](CSelectReaderDialog* d) {
            OnNextModal([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                texts << box->text();
                SaveScreenshot(box, "reader-in-use");
                box->button(QMessageBox::Ok)->click();
            });
            d->ReaderList()->setCurrentIndex(0);
            Button(d, 1)->click();
        });
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains("being changed by scrivane-cli"), qPrintable(texts[0]));
        QVERIFY(!app_->Environment().IsOpen());
        QVERIFY(Frame()->MdiArea()->subWindowList().isEmpty());

        cli.reset();
        WithSelectReader([&](CSelectReaderDialog* d) {
            d->ReaderList()->setCurrentIndex(0);
            Button(d, 1)->click();
        });
        QVERIFY(app_->Environment().IsOpen());
        CDirectoryLock other;
        QVERIFY(!other.Acquire(readerDir, std::chrono::milliseconds(0), "x"));
        Frame()->OnCommand(Cmd::CloseReaderEnvironment);
        QVERIFY(other.Acquire(readerDir, std::chrono::milliseconds(0), "x"));
    }

    void commandLineFileOpensOrEndsStartUp() {
        app_ = std::make_unique<CScrivaneApp>();
        QStringList texts;
        AnswerMessageBox(QMessageBox::Ok, &texts);
        QVERIFY(!app_->InitInstance({base_.filePath("plan.unknown")}));
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains("does not know how to open"));
        app_.reset();

        QFile notes(base_.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("Pray for Ann\r\n");
        notes.close();
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({base_.filePath("notes.txt")}));
        CSplashWindow::HideSplash();
        QCOMPARE(Frame()->MdiArea()->subWindowList().size(), 1);
        QCOMPARE(app_->RecentFiles(), QStringList{base_.filePath("notes.txt")});

        // An environment opened beside that window closes all of its own: none
        // may outlive it, and the reader keeps its own window's place.
        QMdiSubWindow* beside = Frame()->MdiArea()->subWindowList().front();
        beside->setGeometry(QRect(300, 10, 200, 150));
        MakeReader("John", "Smith", "Bob", true, true);
        QCOMPARE(Frame()->MdiArea()->subWindowList().size(), 4);
        Frame()->OnCommand(Cmd::CloseReaderEnvironment);
        QCOMPARE(Frame()->MdiArea()->subWindowList(), QList<QMdiSubWindow*>{beside});
        QCOMPARE(app_->Environment().Readers().At(0).GetPlacement(kGeneralNotesSlot).left, 25);
    }

    void uiServicesAnswerWithQtDialogs() {
        QCOMPARE(CQtUiServices::NameFilters("Scrivane Reading Plan  (*.vnpln)|*.vnpln|All Files (*.*)|*.*||"),
                 (QStringList{"Scrivane Reading Plan  (*.vnpln)", "All Files (*.*)"}));
        QCOMPARE(CQtUiServices::NameFilters("Texts|*.txt;*.doc||"), QStringList{"Texts (*.txt *.doc)"});
        QCOMPARE(CQtUiServices::NameFilters(""), QStringList{});
        QCOMPARE(CQtUiServices::WithDefaultExtension("/a/plan", ".vnpln"), std::string("/a/plan.vnpln"));
        QCOMPARE(CQtUiServices::WithDefaultExtension("/a/plan.txt", ".vnpln"), std::string("/a/plan.txt"));

        struct {
            MbButtons buttons;
            MbIcon icon;
            int defaultButton;
            QMessageBox::StandardButton expectedDefault, press;
            QMessageBox::Icon expectedIcon;
            int answer;
        } cases[] = {
            {MbButtons::yesNo, MbIcon::question, 1, QMessageBox::No, QMessageBox::Yes, QMessageBox::Question,
             IDYES},
            {MbButtons::okCancel, MbIcon::question, 0, QMessageBox::Ok, QMessageBox::Cancel,
             QMessageBox::Question, IDCANCEL},
            {MbButtons::ok, MbIcon::exclamation, 0, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Warning,
             IDOK},
            {MbButtons::yesNoCancel, MbIcon::stop, 2, QMessageBox::Cancel, QMessageBox::No,
             QMessageBox::Critical, IDNO},
        };
        CQtUiServices ui;
        for (auto c : cases) {
            QString title, text;
            QMessageBox::StandardButton shownDefault = QMessageBox::NoButton;
            QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
            OnNextModal([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                title = box->windowTitle();
                text = box->text();
                shownDefault = box->standardButton(box->defaultButton());
                shownIcon = box->icon();
                box->button(c.press)->click();
            });
            QCOMPARE(ui.MessageBox({"Line one\nLine two", c.buttons, c.icon, c.defaultButton}), c.answer);
            QCOMPARE(title, QString("Scrivane"));
            QCOMPARE(text, QString("Line one\nLine two"));
            QCOMPARE(shownDefault, c.expectedDefault);
            QCOMPARE(shownIcon, c.expectedIcon);
        }
    }

    void aboutDialog() {
        Start();
        QString version;
        OnNextModal([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("About Scrivane"));
            version = w->findChild<QLabel*>("version")->text();
            SaveScreenshot(w, "about");
            Button(w, 1)->click();
        });
        Frame()->OnCommand(Cmd::AppAbout);
        QCOMPARE(version, QString("Version 1.00"));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
