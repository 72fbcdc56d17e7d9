// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelpers.h"
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/MdiChildFrame.h"
#include "notes/BibleNoteDoc.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "planview/ReadingPlanView.h"
#include "shell/MainFrame.h"
#include "shell/PlanChildFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SplashWindow.h"
#include "text/PassageSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <sys/stat.h>
#include <thread>

namespace {

// What tells a rewritten file from an untouched one: a save replaces the
// file (a new inode) and stamps it.
struct Stamp {
    ino_t inode;
    int64_t modifiedNs;
    bool operator==(const Stamp&) const = default;
};

std::map<QString, Stamp> StampsBelow(const QString& dir) {
    std::map<QString, Stamp> stamps;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {};
        if (::stat(path.toLocal8Bit().constData(), &st) == 0)
            stamps[path] = {st.st_ino, int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    }
    return stamps;
}

// Counts the paint events each watched widget gets.
class PaintCounter : public QObject {
public:
    std::map<QObject*, int> paints;
    void Watch(QWidget* w) {
        paints[w] = 0;
        w->installEventFilter(this);
    }
    int Total() const {
        int n = 0;
        for (const auto& [w, count] : paints)
            n += count;
        return n;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints[o];
        return false;
    }
};

} // namespace

// Closing an environment writes the files whose documents changed, and no
// other; paging through the plan redraws the plan's text, and nothing else.
class TestQuietClose : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> base_;
    QTemporaryDir config_;

    // The program with Ruth's environment open on a new forty-day plan.
    struct Opened {
        std::unique_ptr<CScrivaneApp> app;
        CMainFrame* frame = nullptr;
        CPlanChildFrame* planFrame = nullptr;
        CBibleNoteDoc* notes = nullptr;
    };

    void OpenEnvironment(Opened& o) {
        OnNextModal([](QWidget* w) { w->findChild<QPushButton*>("1")->click(); });
        o.frame->OnCommand(Cmd::OpenReaderEnvironment);
        QVERIFY(o.app->Environment().IsOpen());
        for (QMdiSubWindow* w : o.frame->MdiArea()->subWindowList()) {
            auto* child = qobject_cast<CMdiChildFrame*>(w);
            if (!child) continue;
            if (auto* plan = qobject_cast<CPlanChildFrame*>(w)) {
                o.planFrame = plan;
                o.frame->MdiArea()->setActiveSubWindow(w);
            }
            if (auto* d = dynamic_cast<CBibleNoteDoc*>(child->Document())) o.notes = d;
        }
        QVERIFY(o.planFrame && o.notes);
    }

    void StartWithPlan(Opened& o) {
        SetTodayOverride(CJJulian::Day(2026, 12, 7));
        const std::string templatePath = base_->filePath("Forty days.vntpl").toStdString();
        CPlanTemplate t = CPlanTemplate::EditorDefaults();
        t.planYears = 0;
        t.planDays = 40;
        SaveTemplateFile(templatePath, t);

        o.app = std::make_unique<CScrivaneApp>();
        QVERIFY(o.app->InitInstance({}));
        CSplashWindow::HideSplash();
        o.frame = o.app->MainFrame();
        QVERIFY(o.app->Environment().CreateReader({"Ruth", "Moab", "Ruth"}, {}) >= 0);
        o.app->Environment().LastReader() = "Ruth";
        OpenEnvironment(o);
        if (QTest::currentTestFailed()) return;
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d);
            ChooseInFileDialog(d, QString::fromStdString(templatePath));
            QMetaObject::invokeMethod(d, "accept");
        });
        o.frame->OnCommand(Cmd::NewPlan);
    }

private slots:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        // Each case starts with no reader and no files.
        base_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(base_->path());
    }
    void cleanup() {
        SetTodayOverride(std::nullopt);
        QDir::setCurrent(QDir::tempPath());
        base_.reset();
    }

    void closingUnchangedDocumentsWritesNothing() {
        Opened o;
        StartWithPlan(o);
        if (QTest::currentTestFailed()) return;
        auto& app = o.app;
        CMainFrame* frame = o.frame;
        CBibleNoteDoc* notes = o.notes;
        auto open = [&] { OpenEnvironment(o); };

        // First visit: a plan, a reading and a verse note, so every file exists.
        frame->OnCommand(Cmd::FinishedReading);
        notes->SetNote(0, "In the beginning");
        frame->OnCommand(Cmd::CloseReaderEnvironment);
        QVERIFY(!app->Environment().IsOpen());

        const std::string stem =
            JoinStem(app->Environment().BaseDirectory(), app->Environment().Readers().At(0).GetFileStem());
        const QString readerDir = QFileInfo(QString::fromStdString(stem)).absolutePath();
        const auto before = StampsBelow(readerDir);
        QVERIFY2(before.size() >= 3, "the plan, history and notes files were written");
        // A later write would carry a later time stamp even on a coarse clock.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));

        // Second visit: looked at, paged through, closed. Opening it again
        // leaves the user's settings file alone too.
        UserSettings().sync();
        const auto settingsBefore = StampsBelow(config_.path());
        QVERIFY(!settingsBefore.empty());
        open();
        QApplication::processEvents();
        UserSettings().sync();
        QVERIFY(StampsBelow(config_.path()) == settingsBefore);
        for (int i = 0; i < 5; ++i)
            frame->OnCommand(Cmd::NextReading);
        frame->OnCommand(Cmd::CloseReaderEnvironment);
        QVERIFY(StampsBelow(readerDir) == before);
        frame->close();
        app.reset();
    }

    // A key of a paging burst redraws the plan's text. The bars, their figures
    // and the schedule beside them are as they were, and are not repainted,
    // nor is the window laid out anew.
    void pagingRepaintsOnlyThePlanText() {
        Opened o;
        StartWithPlan(o);
        if (QTest::currentTestFailed()) return;
        o.frame->resize(1000, 700);
        o.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.frame));
        o.frame->OnCommand(Cmd::FinishedReading);
        QApplication::processEvents();
        QCOMPARE(o.planFrame->ScheduleDay()->text(), QString("Day 1 of 40"));

        PaintCounter strip, text;
        for (QWidget* w : o.planFrame->ProgressStrip()->findChildren<QWidget*>())
            strip.Watch(w);
        strip.Watch(o.planFrame->ProgressStrip());
        text.Watch(o.planFrame->ViewWidget());
        for (int i = 0; i < 5; ++i) {
            o.frame->OnCommand(Cmd::NextReading);
            QApplication::processEvents();
        }
        QVERIFY(text.Total() >= 5);
        QCOMPARE(strip.Total(), 0);

        // A reading that changes the figures repaints them.
        o.frame->OnCommand(Cmd::FinishedReading);
        QApplication::processEvents();
        QVERIFY(strip.Total() > 0);
        o.frame->OnCommand(Cmd::CloseReaderEnvironment);
        o.frame->close();
        o.app.reset();
    }
};

QTEST_MAIN(TestQuietClose)
#include "test_quiet_close.moc"
