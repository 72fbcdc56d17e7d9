// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelpers.h"
#include "Screenshots.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/HelpService.h"
#include "framework/MdiChildFrame.h"
#include "framework/ScriptedUiServices.h"
#include "framework/TextConvert.h"
#include "notes/BibleNoteDoc.h"
#include "notes/GeneralNoteDoc.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateEditorDialog.h"
#include "plan/TemplateEditorModel.h"
#include "plan/TemplateFile.h"
#include "planview/DayButton.h"
#include "planview/EnterExtraReadingDialog.h"
#include "planview/SelectDateDialog.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"
#include "shell/BibleNoteChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/PlanChildFrame.h"
#include "shell/ReaderDialog.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList cutFileDialogTexts;

// Chooses path in the file dialog that comes up next; then runs next, if
// given, on the modal window that follows it.
void AnswerFileDialog(const QString& path, std::function<void(QWidget*)> next = {}) {
    OnNextModal([=](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        QVERIFY(dialog);
        // Wide enough for the name, size and date columns: "362...tes" and
        // "7 Dec ...:36:18" were cut. Noted, not verified here, so that the dialog still closes.
        if (dialog->width() < 800) cutFileDialogTexts << "narrow";
        if (auto* view = dialog->findChild<QTreeView*>("treeView")) {
            for (int i = 0; i < 100 && view->model()->rowCount(view->rootIndex()) == 0; ++i)
                QTest::qWait(20);
            for (int column : {0, 1, 3})
                for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                    QString text = view->model()->index(row, column, view->rootIndex()).data().toString();
                    if (view->fontMetrics().horizontalAdvance(text) + 8 > view->header()->sectionSize(column))
                        cutFileDialogTexts << text;
                }
        }
        SaveScreenshot(dialog, "file-dialog");
        ChooseInFileDialog(dialog, path);
        static_cast<QDialog*>(dialog)->accept();
        if (next) OnNextModal(next);
    });
}

// A message box's text, answered with OK.
std::function<void(QWidget*)> ReadMessage(QString* text) {
    return [text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        *text = box->text();
        box->button(QMessageBox::Ok)->click();
    };
}

bool InsideArea(QMdiSubWindow* w) {
    QRect area(QPoint(0, 0), w->parentWidget()->size());
    QSize minimum = w->minimumSize().expandedTo(w->minimumSizeHint());
    return area.contains(w->geometry()) && w->width() >= minimum.width() && w->height() >= minimum.height();
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

    QTemporaryDir base_;
    QTemporaryDir config_;
    std::unique_ptr<CScrivaneApp> app_;

    CScrivaneApp& Start(const QStringList& args = {}) {
        app_ = std::make_unique<CScrivaneApp>();
        bool ok = app_->InitInstance(args);
        [&] { QVERIFY(ok); }();
        CSplashWindow::HideSplash();
        return *app_;
    }
    CMainFrame* Frame() { return app_->MainFrame(); }
    CReaderEnvironment& Env() { return app_->Environment(); }
    // Anna's record, chosen in the Select Reader list.
    void MakeReader() {
        int i = Env().CreateReader({"Anna", "Smith", "Anna"}, ReaderOptions{});
        QVERIFY(i >= 0);
        Env().LastReader() = Env().Readers().At(i).GetDisplayName();
    }
    QString ReaderFile(const QString& name) { return base_.path() + "/Anna (Anna Smith)/" + name; }
    void OpenEnvironment() {
        OnNextModal([](QWidget* w) {
            auto* d = qobject_cast<CSelectReaderDialog*>(w);
            QVERIFY(d);
            d->findChild<QPushButton*>("1")->click();
        });
        Frame()->OnCommand(Cmd::OpenReaderEnvironment);
        QVERIFY(Env().IsOpen());
    }
    std::vector<CDocument*> Docs(int type) { return app_->DocumentType(type)->Documents(); }
    CMdiChildFrame* FrameOf(int type, CDocument* doc) { return app_->DocumentType(type)->FrameOf(doc); }
    CMdiChildFrame* EnvironmentFrame(int type) {
        for (CDocument* d : Docs(type)) {
            CMdiChildFrame* f = FrameOf(type, d);
            if (f && !f->Closable()) return f;
        }
        return nullptr;
    }
    void Activate(QMdiSubWindow* w) {
        Frame()->MdiArea()->setActiveSubWindow(w);
        QCoreApplication::processEvents();
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
        if (!app_) return;
        Frame()->close();
        app_.reset();
    }

    // Run again with QT_SCALE_FACTOR=2, where 800 × 600 is larger than the (offscreen) screen.
    void mainWindowFitsItsScreen() {
        Start();
        const QRect screen = Frame()->screen()->availableGeometry();
        QVERIFY2(Frame()->width() <= screen.width() && Frame()->height() <= screen.height(),
                 qPrintable(QString("%1x%2 on %3x%4")
                                .arg(Frame()->width())
                                .arg(Frame()->height())
                                .arg(screen.width())
                                .arg(screen.height())));
    }

    void oneDocumentPerFileWhateverTheRoute() {
        Start();
        MakeReader();
        QDir().mkpath(ReaderFile(""));
        SaveFileAtomic(FromQ(ReaderFile("Anna.txt")), "old notes");
        OpenEnvironment();
        static_cast<CBibleNoteDoc*>(Docs(131).front())->SetNote(7, "kept by the environment");
        Frame()->OnCommand(Cmd::CloseReaderEnvironment);
        const std::string vnnot = FromQ(ReaderFile("Anna.vnnot"));
        QVERIFY(FileExists(vnnot));

        // The verse notes file opened by name is a window of its own, closable, named by its file.
        CDocument* loose = app_->OpenDocumentFile(vnnot);
        QVERIFY(loose);
        CMdiChildFrame* looseFrame = FrameOf(131, loose);
        QVERIFY(looseFrame->Closable());
        QVERIFY(looseFrame->windowFlags() & Qt::WindowCloseButtonHint);
        static_cast<CBibleNoteDoc*>(loose)->SetNote(9, "typed in the loose window");

        // Opening the environment closes it first, saving it: one window, both notes.
        OpenEnvironment();
        QCOMPARE(Docs(131).size(), size_t(1));
        auto* notes = static_cast<CBibleNoteDoc*>(Docs(131).front());
        QCOMPARE(notes->GetNote(7), std::string("kept by the environment"));
        QCOMPARE(notes->GetNote(9), std::string("typed in the loose window"));
        // Any later route to the file finds the environment's window.
        QCOMPARE(app_->OpenDocumentFile(vnnot), static_cast<CDocument*>(notes));
        QCOMPARE(app_->OpenDocumentFile(FromQ(base_.path() + "/./Anna (Anna Smith)/Anna.vnnot")),
                 static_cast<CDocument*>(notes));
        QCOMPARE(Docs(131).size(), size_t(1));
        QVERIFY(!EnvironmentFrame(131)->Closable());

        // The environment's notes move to Other.txt; the old file opens beside them, as no reader's.
        auto* general = static_cast<CGeneralNoteDoc*>(Docs(132).front());
        Activate(FrameOf(132, general));
        AnswerFileDialog(ReaderFile("Other.txt"));
        Frame()->OnCommand(Cmd::FileSaveAs);
        QCOMPARE(Env().Context().generalNotesPath, FromQ(ReaderFile("Other.txt")));
        auto* old = static_cast<CGeneralNoteDoc*>(app_->OpenDocumentFile(FromQ(ReaderFile("Anna.txt"))));
        QVERIFY(old && old != general);
        QCOMPARE(Env().Context().generalNotesPath, FromQ(ReaderFile("Other.txt")));
        QCOMPARE(old->GetTitle(), std::string("General Notes: Anna.txt"));

        // Save As never takes a file another window holds, nor a reader file.
        struct Refusal {
            QString target;
            QString says;
        };
        const Refusal refusals[] = {{ReaderFile("Other.txt"), "open in another window"},
                                    {ReaderFile("Anna.vnnot"), "reader files"},
                                    {ReaderFile("Anna.vnpln"), "reader files"}};
        const std::string vnnotBytes = ReadWholeFile(vnnot);
        for (const Refusal& r : refusals) {
            Activate(FrameOf(132, old));
            QString said;
            AnswerFileDialog(r.target, ReadMessage(&said));
            Frame()->OnCommand(Cmd::FileSaveAs);
            QVERIFY2(said.contains(r.says), qPrintable(said));
            QCOMPARE(old->GetPathName(), FromQ(ReaderFile("Anna.txt")));
        }
        QCOMPARE(ReadWholeFile(vnnot), vnnotBytes);

        // Ctrl+F4 closes the loose window, saving it; the environment's windows ignore it.
        Activate(FrameOf(132, general));
        Frame()->OnCommand(Cmd::CloseDocumentWindow);
        QCoreApplication::processEvents();
        QCOMPARE(Docs(132).size(), size_t(2));
        old->SetText("edited beside the environment");
        old->SetModifiedFlag(true);
        Activate(FrameOf(132, old));
        QCOMPARE(Frame()->windowTitle(), QString("Scrivane - General Notes: Anna.txt"));
        Frame()->OnCommand(Cmd::CloseDocumentWindow);
        QTRY_COMPARE(Docs(132).size(), size_t(1));
        QCOMPARE(ReadWholeFile(FromQ(ReaderFile("Anna.txt"))), std::string("edited beside the environment"));

        // After the environment closes, a window beside it names no reader.
        SaveFileAtomic(FromQ(base_.path() + "/Loose.txt"), "loose");
        CDocument* besides = app_->OpenDocumentFile(FromQ(base_.path() + "/Loose.txt"));
        QVERIFY(besides);
        Frame()->OnCommand(Cmd::CloseReaderEnvironment);
        QCOMPARE(Docs(132).size(), size_t(1));
        QVERIFY(!FrameOf(132, besides)->windowTitle().contains("Anna"));
        QVERIFY(FrameOf(132, besides)->Closable());
        QVERIFY2(cutFileDialogTexts.isEmpty(), qPrintable(cutFileDialogTexts.join(", ")));
    }

    void editReaderKeepsTheFocusOnTheList() {
        Start();
        MakeReader();
        bool focusOnList = false;
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CSelectReaderDialog*>(w);
            QVERIFY(d);
            OnNextModal([](QWidget* edit) {
                auto* e = qobject_cast<CReaderDialog*>(edit);
                QVERIFY(e);
                e->Nickname()->setText("Annie");
                OnNextModal(
                    [](QWidget* box) { qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click(); });
                e->findChild<QPushButton*>("1")->click();
            });
            auto* edit = d->findChild<QPushButton*>("1133");
            edit->setFocus();
            edit->click();
            auto* list = d->findChild<QComboBox*>("1045");
            focusOnList = d->focusWidget() == list;
            QCOMPARE(list->currentText(), QString("Annie"));
            // Enter opens the environment.
            QTest::keyClick(list, Qt::Key_Return);
            if (d->isVisible()) d->findChild<QPushButton*>("2")->click();
        });
        Frame()->OnCommand(Cmd::OpenReaderEnvironment);
        QVERIFY(focusOnList);
        QVERIFY(Env().IsOpen());
        QCOMPARE(Env().CurrentDisplayName(), std::string("Annie"));
    }

    void keyboardPaths() {
        // The template editor's book tree: the Menu key and Shift+F10 do what a right click does.
        {
            CScriptedUiServices ui;
            CTemplateEditorDialog editor(ui, 0);
            editor.show();
            CTemplateEditorModel& m = editor.Model();
            m.AddSection();
            m.SelectSection(2);
            QTreeWidget* tree = editor.CategoryTree();
            struct Case {
                int book;
                QKeyCombination key;
            };
            for (const Case& c : {Case{1, QKeyCombination(Qt::Key_Menu)},
                                  Case{40, QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}}) {
                QTreeWidgetItem* item = editor.ItemOfNode(m.BookNode(c.book));
                tree->scrollToItem(item);
                tree->setCurrentItem(item);
                tree->setFocus();
                QVERIFY(m.BookValue(c.book) != 2);
                QTest::keyClick(tree, c.key.key(), c.key.keyboardModifiers());
                QCOMPARE(m.BookValue(c.book), 2);
            }
        }
        // Select Date: the keyboard starts on the chosen day, the arrows move, Enter chooses.
        {
            CSelectDateDialog dates;
            dates.earliestDate = CJJulian::Day(2026, 12, 3);
            dates.latestDate = CJJulian::Day(2027, 1, 20);
            dates.SetStartDate(CJJulian::Day(2026, 12, 10));
            int result = -1;
            OnNextModal([&](QWidget* w) {
                QCOMPARE(w, static_cast<QWidget*>(&dates));
                auto* cell = qobject_cast<CDayButton*>(dates.focusWidget());
                QVERIFY(cell);
                QCOMPARE(cell->GetDay(), 10);
                QTest::keyClick(cell, Qt::Key_Right);
                QCOMPARE(dates.SelectedDay(), 11);
                QTest::keyClick(dates.focusWidget(), Qt::Key_Down);
                QCOMPARE(dates.SelectedDay(), 18);
                // Days before the earliest cannot be reached.
                for (int i = 0; i < 4; ++i)
                    QTest::keyClick(dates.focusWidget(), Qt::Key_Up);
                QCOMPARE(dates.SelectedDay(), 4);
                QTest::keyClick(dates.focusWidget(), Qt::Key_Left);
                QCOMPARE(dates.SelectedDay(), 3);
                QTest::keyClick(dates.focusWidget(), Qt::Key_Left);
                QCOMPARE(dates.SelectedDay(), 3);
                SaveScreenshot(&dates, "select-date-keyboard");
                QTest::keyClick(dates.focusWidget(), Qt::Key_Return);
            });
            result = dates.exec();
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(dates.GetChosenDate(), CJJulian::Day(2026, 12, 3));
        }
        // Enter Extra Reading starts in its reference box, not on OK; Enter there with
        // nothing typed records nothing.
        {
            CEnterExtraReadingDialog extra;
            extra.Init(1);
            QWidget* focus = nullptr;
            bool openAfterEnter = false;
            OnNextModal([&](QWidget* w) {
                focus = w->focusWidget();
                QTest::keyClick(focus, Qt::Key_Return);
                openAfterEnter = w->isVisible();
                qobject_cast<QDialog*>(w)->reject();
            });
            extra.exec();
            QCOMPARE(focus, static_cast<QWidget*>(extra.ReferenceBox()));
            QVERIFY(openAfterEnter);
            QVERIFY(!extra.ReferenceProblem().isEmpty());
        }
        // Escape closes the help window.
        CHelpService::Instance().ShowTopic(0x20000 + 170);
        QPointer<QTextBrowser> help = CHelpService::Instance().Browser();
        QVERIFY(help && help->isVisible());
        QTest::keyClick(help, Qt::Key_Escape);
        QTRY_VERIFY(!help || !help->isVisible());
    }

    void helpOnTheProgressStripShowsTheControlsPopUp() {
        Start();
        MakeReader();
        OpenEnvironment();
        CMdiChildFrame* plan = EnvironmentFrame(129);
        QVERIFY(plan);
        // Active, the main window's shortcuts see the keys first.
        Frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
        Activate(plan);
        for (int id : {1053, 1055, 1065, 1066, 1131, 1132}) {
            auto* control = plan->findChild<QWidget*>(QString::number(id));
            QVERIFY(control);
            // A click gives any of them the focus, the captions too.
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, control->height() / 2));
            QCOMPARE(QApplication::focusWidget(), control);
            QTest::keyClick(control, Qt::Key_F1);
            QCOMPARE(CHelpService::Instance().LastPopup(), 0x10000 + id);
            QVERIFY(!CHelpService::Instance().Browser() || !CHelpService::Instance().Browser()->isVisible());
        }
    }

    void enterReadingForTheLifetimeOnlyUpdatesTheBars() {
        Start();
        MakeReader();
        OpenEnvironment();
        CMdiChildFrame* plan = EnvironmentFrame(129);
        Activate(plan);
        auto* percent = plan->findChild<QLineEdit*>("1053");
        auto* bar = plan->findChild<QProgressBar*>("1066");
        QCOMPARE(percent->text(), QString("  0.00%"));
        OnNextModal([](QWidget* w) {
            auto* d = qobject_cast<CEnterExtraReadingDialog*>(w);
            QVERIFY(d);
            d->ChangeEnd(CVerse(66, 22, 21));
            d->LifetimeOnlyButton()->click();
            d->findChild<QPushButton*>("1")->click();
        });
        Frame()->OnCommand(Cmd::EnterReading);
        QCOMPARE(percent->text(), QString("100.00%"));
        QCOMPARE(bar->value(), bar->maximum());
    }

    void typingPs23IntoEnterExtraReadingMarksThePsalm() {
        Start();
        MakeReader();
        OpenEnvironment();
        auto* plan = static_cast<CReadingPlanDoc*>(Docs(129).front());
        Activate(EnvironmentFrame(129));
        QString refused;
        bool openAfterRefusal = false;
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CEnterExtraReadingDialog*>(w);
            QVERIFY(d);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->ReferenceBox()));
            d->LifetimeOnlyButton()->click();
            d->ReferenceBox()->setFocus();
            // A psalm the Bible does not have is refused, and the dialog stays open.
            QTest::keyClicks(d->ReferenceBox(), "Ps 151");
            QTest::keyClick(d->ReferenceBox(), Qt::Key_Return);
            openAfterRefusal = d->isVisible();
            refused = d->ReferenceProblem();
            SaveScreenshot(d, "enter-extra-reading-refused");
            d->ReferenceBox()->clear();
            QTest::keyClicks(d->ReferenceBox(), "Ps 23");
            QTest::keyClick(d->ReferenceBox(), Qt::Key_Return);
        });
        Frame()->OnCommand(Cmd::EnterReading);
        QVERIFY(openAfterRefusal);
        QCOMPARE(refused, QString("Psalms has 150 chapters"));
        // Psalm 23, its title (verse 0) to verse 6, and nothing else.
        CBible& bible = TheBible();
        const uint16_t first = bible.GetVerseIndex(19, 23, 0), last = bible.GetVerseIndex(19, 23, 6);
        const auto& counts = plan->LifetimeCounts();
        QVERIFY(counts.size() >= bible.GetTotalVerseCount());
        for (size_t v = 0; v < counts.size(); ++v)
            QVERIFY2((counts[v] != 0) == (v >= first && v <= last), qPrintable(QString::number(v)));
    }

    void newPlanWithoutReadingsSaysWhyAndKeepsThePlan() {
        Start();
        MakeReader();
        OpenEnvironment();
        auto* plan = static_cast<CReadingPlanDoc*>(Docs(129).front());
        CPlanTemplate t = CPlanTemplate::EditorDefaults();
        SaveTemplateFile(FromQ(base_.path() + "/good.vntpl"), t);
        QVERIFY(plan->NewPlanFromFile(FromQ(base_.path() + "/good.vntpl")));
        const auto elements = plan->Elements();
        QVERIFY(!elements.empty());
        t.readOnWeekday = {0, 0, 0, 0, 0, 0, 0};
        SaveTemplateFile(FromQ(base_.path() + "/noday.vntpl"), t);

        Activate(EnvironmentFrame(129));
        QString said;
        OnNextModal([&](QWidget* w) {
            // The plan is unfinished: New Plan asks first.
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
            AnswerFileDialog(base_.path() + "/noday.vntpl", ReadMessage(&said));
        });
        Frame()->OnCommand(Cmd::NewPlan);
        QVERIFY2(said.contains("no reading day"), qPrintable(said));
        QVERIFY(plan->Elements() == elements);
        QVERIFY2(cutFileDialogTexts.isEmpty(), qPrintable(cutFileDialogTexts.join(", ")));
    }

    void windowsStayInsideTheClientArea() {
        Start();
        Frame()->resize(800, 600);
        MakeReader();
        OpenEnvironment();
        QMdiArea* area = Frame()->MdiArea();
        QList<QMdiSubWindow*> windows = area->subWindowList();
        QCOMPARE(windows.size(), qsizetype(3));

        for (QSize size : {QSize(640, 480), QSize(800, 600)}) {
            Frame()->resize(size);
            QCoreApplication::processEvents();
            for (int tile : {1, 0}) {
                Frame()->OnCommand(tile ? Cmd::WindowTile : Cmd::WindowCascade);
                QCoreApplication::processEvents();
                for (QMdiSubWindow* w : windows)
                    QVERIFY2(InsideArea(w), qPrintable(w->windowTitle()));
                // Cascading leaves the plan window room for its text, not only its bars.
                CMdiChildFrame* plan = EnvironmentFrame(129);
                if (!tile) QVERIFY(plan->height() > plan->minimumSizeHint().height() + 100);
                SaveScreenshot(Frame(),
                               QString(tile ? "window-tile-%1" : "window-cascade-%1").arg(size.width()));
            }
        }

        // Placements from the reader file far outside the area are brought back in.
        CMdiChildFrame* verses = EnvironmentFrame(131);
        for (auto [x, y] : {std::pair{-900, -700}, std::pair{3000, 2000}}) {
            WindowPlacement p;
            p.length = 44;
            p.showCmd = 1;
            p.left = x;
            p.top = y;
            p.right = x + 500;
            p.bottom = y + 300;
            verses->SetPlacement(p);
            QVERIFY2(InsideArea(verses), qPrintable(QString("%1,%2").arg(x).arg(y)));
        }

        // Maximized in a large main window, restored in a small one.
        Frame()->resize(1200, 900);
        QCoreApplication::processEvents();
        verses->showNormal();
        verses->setGeometry(0, 0, area->viewport()->width(), area->viewport()->height());
        verses->showMaximized();
        Frame()->resize(640, 480);
        QCoreApplication::processEvents();
        verses->showNormal();
        QTRY_VERIFY(InsideArea(verses));

        // One main window title, of the active document, also while maximized.
        Activate(verses);
        verses->showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(Frame()->windowTitle(), "Scrivane - " + verses->windowTitle());
        CMdiChildFrame* plan = EnvironmentFrame(129);
        Activate(plan);
        QCOMPARE(Frame()->windowTitle(), "Scrivane - " + plan->windowTitle());
        verses->showNormal();
    }

    void verseNotesBarShowsWholeBookNames() {
        Start();
        MakeReader();
        OpenEnvironment();
        auto* verses = static_cast<CBibleNoteChildFrame*>(EnvironmentFrame(131));
        Activate(verses);
        QComboBox* books = verses->BookList();
        QLabel* label = verses->NavigationBar()->findChild<QLabel*>();
        for (int width : {480, 640, 800}) {
            verses->resize(width, 300);
            for (const char* name : {"Song Of Songs", "1Thessalonians", "Psalms"}) {
                int index = books->findText(name);
                QVERIFY2(index >= 0, name);
                books->setCurrentIndex(index);
                QCoreApplication::processEvents();
                const int text = books->fontMetrics().horizontalAdvance(name);
                QVERIFY2(books->width() >= text + 20, qPrintable(QString("%1 at %2").arg(name).arg(width)));
                QVERIFY(label->width() >= label->sizeHint().width());
                QVERIFY(verses->NavigationBar()->rect().contains(verses->NextButton()->geometry()));
                SaveScreenshot(verses, QString("verse-notes-%1-%2").arg(width).arg(index + 1));
            }
        }
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
