// Start-up of the program to its main window on screen (offscreen platform),
// against a bare Qt main window as the floor.
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SplashWindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
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

} // namespace

// The application object must outlive every window and go before Qt's own statics.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
