// SPDX-License-Identifier: GPL-3.0-or-later
#include "GenesisTemplate.h"
#include "ModalHelpers.h"
#include "Screenshots.h"
#include "foundation/Archive.h"
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/MdiChildFrame.h"
#include "framework/ScriptedUiServices.h"
#include "notes/Autosave.h"
#include "notes/BibleNoteMap.h"
#include "notes/BibleNoteView.h"
#include "notes/GeneralNoteDoc.h"
#include "notes/GeneralNoteView.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "planview/EnterExtraReadingDialog.h"
#include "planview/ReadingPlanView.h"
#include "reader/ReaderEnvironment.h"
#include "reader/ReaderFile.h"
#include "scripture/Bible.h"
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

CJJulian Day(int y, int m, int d) {
    return CJJulian::Day(int16_t(y), int16_t(m), int16_t(d));
}

// The bytes the document would write now, beside those on disk.
struct PlanBytes {
    std::string plan, history;
    bool operator==(const PlanBytes&) const = default;
};
PlanBytes InMemory(CReadingPlanDoc& doc) {
    const bool planDirty = doc.GetPlanDirty(), historyDirty = doc.GetHistoryDirty();
    CArchive plan, history;
    doc.Serialize(plan);
    doc.SerializeHistory(history);
    doc.SetPlanDirty(planDirty);
    doc.SetHistoryDirty(historyDirty);
    return {plan.Bytes(), history.Bytes()};
}
PlanBytes OnDisk(CReadingPlanDoc& doc) {
    return {ReadWholeFile(doc.PlanFilePath()), ReadWholeFile(doc.HistoryFilePath())};
}

// The verse notes as a fresh load finds them on disk.
std::string NoteOnDisk(const std::string& notesPath, uint16_t verse) {
    if (!FileExists(notesPath)) return {};
    CArchive ar(ReadWholeFile(notesPath), notesPath);
    CBibleNoteMap map;
    map.Serialize(ar);
    return std::string(map.GetNote(verse));
}

// A reader "Ruth" with a plan of Genesis, made through the core as another program would.
void PrepareReader(const QString& base, const std::string& templatePath) {
    CScriptedUiServices ui;
    CReaderEnvironment env(ui);
    env.SetBaseDirectory(base.toStdString());
    const int i = env.CreateReader({"Ruth", "", "Ruth"}, {});
    QVERIFY(i >= 0);
    env.LastReader() = "Ruth";
    SaveReaderFile(env.BaseDirectory(), env.LastReader(), env.Readers());
    QVERIFY(env.SelectReader(i));
    CReadingPlanDoc doc(ui, env.Context());
    QVERIFY(doc.OnNewDocument());
    QVERIFY(doc.NewPlanFromFile(templatePath));
    QVERIFY(doc.SaveDirtyFiles());
}

CMdiChildFrame* FrameShowing(CMainFrame* frame, const std::function<bool(CView*)>& is) {
    for (QMdiSubWindow* w : frame->MdiArea()->subWindowList()) {
        auto* child = qobject_cast<CMdiChildFrame*>(w);
        if (child && is(child->View())) {
            frame->MdiArea()->setActiveSubWindow(w);
            return child;
        }
    }
    return nullptr;
}

void OpenEnvironment(CMainFrame* frame) {
    OnNextModal([](QWidget* w) {
        auto* d = qobject_cast<CSelectReaderDialog*>(w);
        QVERIFY(d);
        d->findChild<QPushButton*>("1")->click();
    });
    frame->OnCommand(Cmd::OpenReaderEnvironment);
}

void AnswerMessageBox(QMessageBox::StandardButton button, bool tick = false) {
    OnNextModal([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        if (tick) {
            QVERIFY(box->checkBox());
            box->checkBox()->setChecked(true);
        }
        box->button(button)->click();
    });
}

// The child of the crash test: opens Ruth's environment, finishes today's
// reading, types a verse note, says so in a file, and waits to be killed.
int RunCrashChild() {
    const QString base = qEnvironmentVariable("SCRIVANE_TEST_CRASH_CHILD");
    QDir::setCurrent(base);
    SetTodayOverride(Day(2027, 1, 4));
    CScrivaneApp app;
    if (!app.InitInstance({})) return 3;
    CSplashWindow::HideSplash();
    OpenEnvironment(app.MainFrame());
    CMdiChildFrame* plan =
        FrameShowing(app.MainFrame(), [](CView* v) { return dynamic_cast<CReadingPlanView*>(v) != nullptr; });
    if (!plan) return 4;
    app.MainFrame()->OnCommand(Cmd::FinishedReading);
    CMdiChildFrame* notes =
        FrameShowing(app.MainFrame(), [](CView* v) { return dynamic_cast<CBibleNoteView*>(v) != nullptr; });
    if (!notes) return 5;
    auto* view = dynamic_cast<CBibleNoteView*>(notes->View());
    view->Editor()->setFocus();
    QTest::keyClicks(view->Editor(), "Kept though killed");
    QFile ready(base + "/ready");
    if (!ready.open(QIODevice::WriteOnly)) return 6;
    ready.close();
    return QApplication::exec();
}

} // namespace

// What the reader does is on disk the moment it is done, and can be taken back.
class TestSaveAtOnce : public QObject {
    Q_OBJECT

    QTemporaryDir base_;
    QTemporaryDir config_;
    std::unique_ptr<CScrivaneApp> app_;

    CMainFrame* Frame() { return app_->MainFrame(); }
    void Start() {
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({}));
        CSplashWindow::HideSplash();
        Frame()->resize(900, 650);
        Frame()->show();
    }
    // Shortcuts and focus changes reach an active window only, which a closed dialog leaves none of here.
    void Activate() {
        QApplication::setActiveWindow(Frame());
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
    }
    CReadingPlanView* PlanView() {
        CMdiChildFrame* f =
            FrameShowing(Frame(), [](CView* v) { return dynamic_cast<CReadingPlanView*>(v) != nullptr; });
        return f ? dynamic_cast<CReadingPlanView*>(f->View()) : nullptr;
    }

private slots:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        QDir::setCurrent(QDir::tempPath());
        QDir(base_.path()).removeRecursively();
        QDir().mkpath(base_.path());
        QDir::setCurrent(base_.path());
        SetTodayOverride(Day(2027, 1, 4));
    }
    void cleanup() {
        if (app_) {
            Frame()->close();
            app_.reset();
        }
        SetTodayOverride(std::nullopt);
    }

    void everyPlanChangeIsOnDiskAtOnceAndUndoes() {
        const std::string templatePath = WriteGenesisTemplate(base_.path());
        PrepareReader(base_.path(), templatePath);
        Start();
        OpenEnvironment(Frame());
        CReadingPlanView* view = PlanView();
        QVERIFY(view);
        CReadingPlanDoc& doc = view->Document();
        std::vector<PlanBytes> saved = {OnDisk(doc)};
        auto expectSaved = [&](const char* what) {
            // At most the autosave delay of the event loop, though a plan change needs none.
            QTest::qWait(50);
            const PlanBytes disk = OnDisk(doc);
            QVERIFY2(disk == InMemory(doc), what);
            QVERIFY2(!(disk == saved.back()), what);
            saved.push_back(disk);
        };

        Frame()->OnCommand(Cmd::FinishedReading);
        expectSaved("Finished Reading");
        QCOMPARE(Frame()->statusBar()->currentMessage(), QString("Genesis 1 finished"));

        // Double-clicking the same reading again: a second lifetime reading, said in words.
        view->Navigator().SetIndex(0);
        view->update();
        const int lineHeight = view->fontMetrics().height();
        QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(20, 5 * lineHeight + lineHeight / 2));
        expectSaved("double-click");
        QCOMPARE(
            Frame()->statusBar()->currentMessage(),
            QString::fromUtf8("Genesis 1 counted once more in your lifetime reading (it was already read in "
                              "this plan) \u2014 Ctrl+Z to undo"));
        QCOMPARE(doc.GetLifetimeCount(0), uint16_t(1));
        SaveScreenshot(Frame(), "status-after-reread");

        for (int mode : {1, 0}) {
            OnNextModal([mode](QWidget* w) {
                auto* d = qobject_cast<CEnterExtraReadingDialog*>(w);
                QVERIFY(d);
                d->ChangeStart(CVerse(19, 23, 0));
                d->ChangeEnd(CVerse(19, 23, 6));
                (mode == 1 ? d->PlanTooButton() : d->LifetimeOnlyButton())->setChecked(true);
                d->accept();
            });
            Frame()->OnCommand(Cmd::EnterReading);
            expectSaved(mode == 1 ? "Enter Reading, plan too" : "Enter Reading, lifetime only");
        }

        SetTodayOverride(Day(2027, 1, 20));
        Frame()->OnCommand(Cmd::SynchronizeDates);
        expectSaved("Synchronize Dates");

        AnswerMessageBox(QMessageBox::Ok, true);
        Frame()->OnCommand(Cmd::ResetPlan);
        expectSaved("Reset Plan from today");
        // The plan starts again today, and the window shows its first assignment at once.
        QCOMPARE(view->Navigator().GetIndex(), 0);
        QVERIFY(doc.GetElement(0).GetScheduledDate() == Day(2027, 1, 20));

        AnswerMessageBox(QMessageBox::Ok);
        Frame()->OnCommand(Cmd::ResetLifetimeReadings);
        expectSaved("Reset Lifetime Readings");

        // The plan is not finished: New Plan asks first.
        OnNextModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            OnNextModal([&](QWidget* w) {
                auto* d = qobject_cast<QFileDialog*>(w);
                QVERIFY(d);
                ChooseInFileDialog(d, QString::fromStdString(templatePath));
                QMetaObject::invokeMethod(d, "accept");
            });
            box->button(QMessageBox::Yes)->click();
        });
        Frame()->OnCommand(Cmd::NewPlan);
        expectSaved("New Plan");

        // The Edit menu names the step, and Undo takes the files back to their bytes step by step.
        Frame()->UpdateCommandUi();
        QAction* undo = Frame()->FindAction(Cmd::EditUndo);
        QVERIFY(undo);
        QCOMPARE(undo->text(), QString("&Undo New Plan"));
        QCOMPARE(undo->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(Frame()->FindAction(Cmd::EditRedo)->shortcut(), QKeySequence("Ctrl+Y"));
        for (QAction* a : Frame()->menuBar()->actions())
            if (a->text() == "&Edit") {
                QMenu* edit = a->menu();
                edit->popup(Frame()->mapToGlobal(QPoint(40, 20)));
                QApplication::processEvents();
                SaveScreenshot(edit, "edit-menu-undo");
                edit->hide();
            }
        view->Navigator().SetIndex(7);
        Activate();
        for (size_t i = saved.size() - 1; i-- > 0;) {
            QTest::keyClick(Frame(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(OnDisk(doc), saved[i]);
        }
        // Back on the assignment the first change was made on.
        QCOMPARE(view->Navigator().GetIndex(), 0);
        Frame()->UpdateCommandUi();
        QVERIFY(!undo->isEnabled());
        for (size_t i = 1; i < saved.size(); ++i) {
            QTest::keyClick(Frame(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(OnDisk(doc), saved[i]);
        }
    }

    void notesAreSavedAfterAPauseAndOnLeaving() {
        const std::string templatePath = WriteGenesisTemplate(base_.path());
        PrepareReader(base_.path(), templatePath);
        Start();
        OpenEnvironment(Frame());
        Activate();
        CMdiChildFrame* verses =
            FrameShowing(Frame(), [](CView* v) { return dynamic_cast<CBibleNoteView*>(v) != nullptr; });
        QVERIFY(verses);
        auto* verseView = dynamic_cast<CBibleNoteView*>(verses->View());
        const std::string notesPath =
            JoinStem(base_.path().toStdString(), app_->Environment().Context().fileStem) + ".vnnot";
        const uint16_t verse = verseView->CurrentVerse();
        verseView->Editor()->setFocus();
        QTest::keyClicks(verseView->Editor(), "In the beginning");
        QCOMPARE(NoteOnDisk(notesPath, verse), std::string());
        QTRY_COMPARE_WITH_TIMEOUT(NoteOnDisk(notesPath, verse), std::string("In the beginning"),
                                  CAutosave::kDelayMs + 1000);

        // Typed, then moved to another verse at once: kept without waiting.
        QTest::keyClicks(verseView->Editor(), ", God");
        auto* verseList = verses->findChild<QComboBox*>("1128");
        QVERIFY(verseList);
        verseList->setCurrentIndex(1);
        emit verseList->activated(1);
        QVERIFY(verseView->CurrentVerse() != verse);
        QCOMPARE(NoteOnDisk(notesPath, verse), std::string("In the beginning, God"));

        CMdiChildFrame* general =
            FrameShowing(Frame(), [](CView* v) { return dynamic_cast<CGeneralNoteView*>(v) != nullptr; });
        QVERIFY(general);
        auto* generalView = dynamic_cast<CGeneralNoteView*>(general->View());
        const std::string generalPath = generalView->GetNoteDoc()->GetPathName();
        QVERIFY(!generalPath.empty());
        generalView->Editor()->setFocus();
        QTest::keyClicks(generalView->Editor(), "Pray for Anna");
        QTRY_COMPARE_WITH_TIMEOUT(
            QString::fromStdString(FileExists(generalPath) ? ReadWholeFile(generalPath) : ""),
            QString("Pray for Anna"), CAutosave::kDelayMs + 1000);
        // Typed, then another window: kept when the notes lose the focus.
        QTest::keyClicks(generalView->Editor(), " and Tom");
        verseView->Editor()->setFocus();
        QApplication::processEvents();
        QCOMPARE(QString::fromStdString(ReadWholeFile(generalPath)), QString("Pray for Anna and Tom"));
    }

    void aKillLosesNeitherTheReadingNorTheNote() {
        const std::string templatePath = WriteGenesisTemplate(base_.path());
        PrepareReader(base_.path(), templatePath);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SCRIVANE_TEST_CRASH_CHILD", base_.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(base_.filePath("ready")), 30000);
        QTest::qWait(3000);
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        CScriptedUiServices ui;
        CReaderEnvironment env2(ui);
        env2.SetBaseDirectory(base_.path().toStdString());
        QVERIFY(LoadReaderFile(env2.BaseDirectory(), env2.LastReader(), env2.Readers()).ok);
        QVERIFY(env2.SelectReader(0));
        CReadingPlanDoc doc(ui, env2.Context());
        QVERIFY(doc.OnNewDocument());
        QVERIFY(doc.IsElementFinished(0));
        QVERIFY(!doc.IsElementFinished(1));
        QCOMPARE(NoteOnDisk(JoinStem(env2.BaseDirectory(), env2.Context().fileStem) + ".vnnot", 0),
                 std::string("Kept though killed"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("SCRIVANE_TEST_CRASH_CHILD")) return RunCrashChild();
    TestSaveAtOnce test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_saveatonce.moc"
