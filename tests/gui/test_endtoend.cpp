// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelpers.h"
#include "Screenshots.h"
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/MdiChildFrame.h"
#include "framework/QuitOnSignal.h"
#include "framework/ScriptedUiServices.h"
#include "plan/FormatPercent.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "planview/ReadingPlanView.h"
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

CJJulian Day(int y, int m, int d) {
    return CJJulian::Day(int16_t(y), int16_t(m), int16_t(d));
}

// Two sections read side by side by verses on weekdays: the Gospels, and Acts to Revelation.
CPlanTemplate SampleTemplate() {
    CPlanTemplate t = CPlanTemplate::EditorDefaults();
    t.sectionCount = 2;
    t.divideBy = 1;
    t.planYears = 0;
    t.planDays = 40;
    t.readOnWeekday = {0, 1, 1, 1, 1, 1, 0};
    for (size_t b = 0; b < t.bookSection.size(); ++b)
        t.bookSection[b] = b < 39 ? 0 : b < 43 ? 1 : 2;
    return t;
}

std::string Bytes(const std::string& path) {
    return FileExists(path) ? ReadWholeFile(path) : std::string();
}

} // namespace

// A reader's whole day with the program: open the environment, make a plan
// from a template file, read, re-date, close, and come back.
class TestEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir base_;
    QTemporaryDir config_;
    QTemporaryDir reference_;

private slots:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        QDir::setCurrent(base_.path());
    }
    void cleanup() { SetTodayOverride(std::nullopt); }

    void planFromTemplateReadSynchronizedAndReopened() {
        const std::string templatePath = base_.filePath("Gospels and Letters.vntpl").toStdString();
        CPlanTemplate t = SampleTemplate();
        SaveTemplateFile(templatePath, t);
        SetTodayOverride(Day(2026, 12, 2)); // a Wednesday

        auto app = std::make_unique<CScrivaneApp>();
        QVERIFY(app->InitInstance({}));
        CSplashWindow::HideSplash();
        CMainFrame* frame = app->MainFrame();
        frame->resize(900, 650);
        QVERIFY(app->Environment().CreateReader({"Anna", "Berg", "Anna"}, {}) >= 0);

        auto openEnvironment = [&] {
            OnNextModal([](QWidget* w) {
                auto* d = qobject_cast<CSelectReaderDialog*>(w);
                QVERIFY(d);
                QCOMPARE(d->ReaderList()->currentText(), QString("Anna"));
                d->findChild<QPushButton*>("1")->click();
            });
            frame->OnCommand(Cmd::OpenReaderEnvironment);
            QVERIFY(app->Environment().IsOpen());
        };
        auto planView = [&]() -> CReadingPlanView* {
            for (QMdiSubWindow* w : frame->MdiArea()->subWindowList()) {
                auto* child = qobject_cast<CMdiChildFrame*>(w);
                if (auto* view = child ? dynamic_cast<CReadingPlanView*>(child->View()) : nullptr) {
                    frame->MdiArea()->setActiveSubWindow(w);
                    return view;
                }
            }
            return nullptr;
        };

        QVERIFY(app->Environment().LastReader().empty());
        app->Environment().LastReader() = "Anna";
        openEnvironment();
        CReadingPlanView* view = planView();
        QVERIFY(view);
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d);
            ChooseInFileDialog(d, QString::fromStdString(templatePath));
            QMetaObject::invokeMethod(d, "accept");
        });
        frame->OnCommand(Cmd::NewPlan);
        CReadingPlanDoc& doc = view->Document();
        QCOMPARE(QString::fromStdString(doc.GetTemplateTitle()), QString("Gospels and Letters"));
        QCOMPARE(doc.GetElementCount(), uint16_t(28)); // 40 days from a Wednesday: 28 weekdays
        // Each Finished Reading moves on to the next day.
        for (int i = 0; i < 3; ++i)
            frame->OnCommand(Cmd::FinishedReading);
        QCOMPARE(view->Navigator().GetIndex(), 3);
        SetTodayOverride(Day(2026, 12, 12)); // a Saturday, behind the plan
        frame->OnCommand(Cmd::SynchronizeDates);
        QCOMPARE(view->Navigator().GetIndex(), 3);
        QCOMPARE(doc.GetElement(3).GetScheduledDate(), Day(2026, 12, 14)); // the coming Monday
        frame->OnCommand(Cmd::CloseReaderEnvironment);

        // The same steps on the engine alone give the same files, byte for byte.
        CScriptedUiServices ui;
        CReaderContext context{reference_.path().toStdString(), "Anna", "\\Anna\\Anna", ""};
        QDir(reference_.path()).mkpath("Anna");
        {
            SetTodayOverride(Day(2026, 12, 2));
            CReadingPlanDoc engine(ui, context);
            engine.OnNewDocument();
            QVERIFY(engine.NewPlanFromFile(templatePath));
            for (uint16_t i = 0; i < 3; ++i)
                engine.FinishElement(i);
            SetTodayOverride(Day(2026, 12, 12));
            engine.SynchronizeDates();
            engine.OnCloseDocument();
        }
        const std::string stem =
            JoinStem(app->Environment().BaseDirectory(), app->Environment().Readers().At(0).GetFileStem());
        const std::string expected = JoinStem(context.baseDirectory, "\\Anna\\Anna");
        QVERIFY(!Bytes(stem + ".vnpln").empty());
        QVERIFY(Bytes(stem + ".vnpln") == Bytes(expected + ".vnpln"));
        QVERIFY(Bytes(stem + ".vnpro") == Bytes(expected + ".vnpro"));

        // Reopened, the window starts at the first unfinished assignment with its progress.
        openEnvironment();
        view = planView();
        QVERIFY(view);
        QCOMPARE(view->Navigator().GetIndex(), 3);
        CReadingPlanDoc& reopened = view->Document();
        QVERIFY(reopened.IsElementFinished(2) && !reopened.IsElementFinished(3));
        const QString percent =
            QString::fromStdString(FormatPercent(static_cast<uint16_t>(reopened.CountPlanVersesRead()),
                                                 static_cast<uint16_t>(reopened.CountPlanVerses())));
        QVERIFY(reopened.CountPlanVersesRead() > 0);
        auto* box = frame->findChild<QLineEdit*>("1055");
        QVERIFY(box);
        QCOMPARE(box->text(), percent);
        QApplication::processEvents();
        frame->UpdateCommandUi();
        QVERIFY(frame->ToolBarAction(Cmd::OpenReaderEnvironment)->isEnabled());
        SaveScreenshot(frame, "environment-with-plan");
        frame->close();
        app.reset();
    }

    // Opening a file that is already open, and losing the main window with
    // windows still open, must neither double a document nor crash.
    void openFilesAreNotOpenedTwiceAndTheFrameCanGoFirst() {
        auto app = std::make_unique<CScrivaneApp>();
        QVERIFY(app->InitInstance({}));
        CSplashWindow::HideSplash();
        QVERIFY(app->Environment().CreateReader({"Gus", "", "Gus"}, {}) >= 0);
        app->Environment().LastReader() = "Gus";
        OnNextModal([](QWidget* w) { w->findChild<QPushButton*>("1")->click(); });
        app->MainFrame()->OnCommand(Cmd::OpenReaderEnvironment);
        QVERIFY(app->Environment().IsOpen());
        const std::string notes = app->Environment().CurrentReader().GetGeneralNotesPath();
        SaveFileAtomic(notes, "text\r\n");
        QCOMPARE(app->MainFrame()->MdiArea()->subWindowList().size(), 3);
        CDocTemplate* general = app->DocumentType(132);
        QVERIFY(general);
        CDocument* first = app->OpenDocumentFile(notes);
        QVERIFY(first);
        CDocument* again = app->OpenDocumentFile(notes);
        QCOMPARE(again, first);
        QCOMPARE(general->Documents().size(), size_t(1));
        QCOMPARE(app->MainFrame()->MdiArea()->subWindowList().size(), 3);
        delete app->MainFrame(); // the windows go with it; nothing may be routed to them any more
        QApplication::processEvents();
        app.reset();
    }

    // A logout's SIGTERM closes the program as Exit does, on the event loop.
    void terminationSignalsCloseLikeExit() {
        for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
            int closed = 0;
            CQuitOnSignal quit([&closed] { ++closed; });
            ::raise(signal);
            QTRY_COMPARE(closed, 1);
        }
    }
};

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
