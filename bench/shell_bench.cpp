// Start-up of the program to its main window on screen (offscreen platform),
// against a bare Qt main window as the floor.
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SplashWindow.h"

#include "foundation/Clock.h"
#include "framework/CommandIds.h"
#include "framework/MdiChildFrame.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "planview/ReadingPlanView.h"

#include "BenchSupport.h"
#include "QtBenchMain.h"
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <benchmark/benchmark.h>

namespace {

void App() {
    Q_ASSERT(qApp);
}

struct Sandbox {
    QTemporaryDir base, config;
    Sandbox() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        QDir::setCurrent(base.path());
    }
};

void BareMainWindow(benchmark::State& state) {
    App();
    for (auto _ : state) {
        auto* w = new QMainWindow;
        w->resize(800, 600);
        w->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete w;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BareMainWindow)->Unit(benchmark::kMillisecond);

// A plain Qt main window with the same furniture: client area, three menus,
// a toolbar of eleven buttons and a status bar of four panes.
void BareMainWindowWithBars(benchmark::State& state) {
    App();
    for (auto _ : state) {
        auto* w = new QMainWindow;
        w->setCentralWidget(new QMdiArea);
        for (int m = 0; m < 3; ++m) {
            QMenu* menu = w->menuBar()->addMenu("&Menu");
            for (int i = 0; i < 4; ++i)
                menu->addAction("Item");
        }
        QToolBar* bar = w->addToolBar("Toolbar");
        for (int i = 0; i < 11; ++i)
            bar->addAction("B");
        w->statusBar()->addWidget(new QLabel("For Help, press F1"), 1);
        for (const char* pane : {"CAP", "NUM", "SCRL"})
            w->statusBar()->addPermanentWidget(new QLabel(pane));
        w->resize(800, 600);
        w->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete w;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BareMainWindowWithBars)->Unit(benchmark::kMillisecond);

// The main window alone, with its menus, toolbar and status bar, no splash.
void MainFrameAlone(benchmark::State& state) {
    App();
    for (auto _ : state) {
        auto* w = new CMainFrame;
        w->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete w;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(MainFrameAlone)->Unit(benchmark::kMillisecond);

void ScrivaneStartUp(benchmark::State& state) {
    App();
    Sandbox sandbox;
    for (auto _ : state) {
        auto* app = new CScrivaneApp;
        if (!app->InitInstance({})) state.SkipWithError("start-up failed");
        CSplashWindow::HideSplash();
        QApplication::processEvents();
        state.PauseTiming();
        delete app;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ScrivaneStartUp)->Unit(benchmark::kMillisecond);

// Clicks OK in the next modal dialog once it is up.
void AcceptNextModal() {
    auto* timer = new QTimer;
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || !m->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        if (auto* ok = m->findChild<QPushButton*>("1")) ok->click();
    });
    timer->start();
}

// Paging through the plan window: the Next Reading command routed, the plan
// redrawn, the bars and the enabled states brought up to date.
void PlanWindowNextReading(benchmark::State& state) {
    App();
    Sandbox sandbox;
    SetTodayOverride(CJJulian::Day(2026, 12, 7));
    const std::string templatePath = (sandbox.base.path() + "/Largest.vntpl").toStdString();
    CPlanTemplate t = LargestTemplate();
    SaveTemplateFile(templatePath, t);

    auto app = std::make_unique<CScrivaneApp>();
    app->InitInstance({});
    CSplashWindow::HideSplash();
    CMainFrame* frame = app->MainFrame();
    app->Environment().CreateReader({"Bea", "", "Bea"}, {});
    app->Environment().LastReader() = "Bea";
    AcceptNextModal();
    frame->OnCommand(Cmd::OpenReaderEnvironment);
    CReadingPlanView* view = nullptr;
    for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
        if (auto* child = qobject_cast<CMdiChildFrame*>(w))
            if (auto* v = dynamic_cast<CReadingPlanView*>(child->View())) {
                view = v;
                frame->MdiArea()->setActiveSubWindow(w);
            }
    if (!view || !view->Document().NewPlanFromFile(templatePath)) {
        state.SkipWithError("no plan window");
        return;
    }
    QApplication::processEvents();
    for (auto _ : state) {
        frame->OnCommand(Cmd::NextReading);
        QApplication::processEvents();
    }
    state.counters["assignments"] = view->Document().GetElementCount();
    frame->close();
    app.reset();
    SetTodayOverride(std::nullopt);
}
BENCHMARK(PlanWindowNextReading)->Unit(benchmark::kMicrosecond);

// The floor: a bare MDI window that steps an index and redraws four lines of text.
class BarePager : public QWidget {
public:
    int index = 0;
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int row = 0; row < 4; ++row)
            p.drawText(QRect(0, row * 16, 600, 16), Qt::AlignLeft,
                       QString("Reading %1 of the plan, Genesis 1:1 through Genesis 2:3").arg(index + row));
    }
};

void BareWindowNext(benchmark::State& state) {
    App();
    QMainWindow w;
    auto* mdi = new QMdiArea;
    w.setCentralWidget(mdi);
    auto* pager = new BarePager;
    mdi->addSubWindow(pager)->resize(640, 400);
    auto* bar = w.statusBar();
    auto* progress = new QProgressBar;
    bar->addPermanentWidget(progress);
    w.resize(900, 650);
    w.show();
    QApplication::processEvents();
    for (auto _ : state) {
        ++pager->index;
        progress->setValue(50);
        pager->update();
        QApplication::processEvents();
    }
}
BENCHMARK(BareWindowNext)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks(argc, argv);
}
