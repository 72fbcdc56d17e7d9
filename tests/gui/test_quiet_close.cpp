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
#include "shell/ScrivaneApp.h"
#include "shell/SplashWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
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

} // namespace

// Closing an environment writes the files whose documents changed, and no other.
class TestQuietClose : public QObject {
    Q_OBJECT

    QTemporaryDir base_;
    QTemporaryDir config_;

private slots:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        QDir::setCurrent(base_.path());
    }
    void cleanup() { SetTodayOverride(std::nullopt); }

    void closingUnchangedDocumentsWritesNothing() {
        SetTodayOverride(CJJulian::Day(2026, 12, 7));
        const std::string templatePath = base_.filePath("Forty days.vntpl").toStdString();
        CPlanTemplate t = CPlanTemplate::EditorDefaults();
        t.planYears = 0;
        t.planDays = 40;
        SaveTemplateFile(templatePath, t);

        auto app = std::make_unique<CScrivaneApp>();
        QVERIFY(app->InitInstance({}));
        CSplashWindow::HideSplash();
        CMainFrame* frame = app->MainFrame();
        QVERIFY(app->Environment().CreateReader({"Ruth", "Moab", "Ruth"}, {}) >= 0);
        app->Environment().LastReader() = "Ruth";
        auto open = [&] {
            OnNextModal([](QWidget* w) { w->findChild<QPushButton*>("1")->click(); });
            frame->OnCommand(Cmd::OpenReaderEnvironment);
            QVERIFY(app->Environment().IsOpen());
        };

        // First visit: a plan, a reading and a verse note, so every file exists.
        open();
        CReadingPlanView* view = nullptr;
        CBibleNoteDoc* notes = nullptr;
        for (QMdiSubWindow* w : frame->MdiArea()->subWindowList()) {
            auto* child = qobject_cast<CMdiChildFrame*>(w);
            if (!child) continue;
            if (auto* v = dynamic_cast<CReadingPlanView*>(child->View())) {
                view = v;
                frame->MdiArea()->setActiveSubWindow(w);
            }
            if (auto* d = dynamic_cast<CBibleNoteDoc*>(child->Document())) notes = d;
        }
        QVERIFY(view && notes);
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d);
            d->selectFile(QString::fromStdString(templatePath));
            QMetaObject::invokeMethod(d, "accept");
        });
        frame->OnCommand(Cmd::NewPlan);
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

        // Second visit: looked at, paged through, closed.
        open();
        for (int i = 0; i < 5; ++i)
            frame->OnCommand(Cmd::NextReading);
        frame->OnCommand(Cmd::CloseReaderEnvironment);
        QVERIFY(StampsBelow(readerDir) == before);
        frame->close();
        app.reset();
    }
};

QTEST_MAIN(TestQuietClose)
#include "test_quiet_close.moc"
