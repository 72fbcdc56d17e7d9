// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program to its main window on screen (offscreen platform),
// against a bare Qt main window as the floor.
#include "shell/MainFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SplashWindow.h"
#include "text/PassageFrame.h"
#include "text/PassageView.h"

#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/MdiChildFrame.h"
#include "notes/BibleNoteDoc.h"
#include "notes/GeneralNoteDoc.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "planview/ReadingPlanView.h"
#include "scripture/Bible.h"

#include "BenchSupport.h"
#include "QtBenchMain.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

namespace {

void App() {
    Q_ASSERT(qApp);
}

// A floor is bare Qt: the style as Qt makes it, not the program's, which an
// earlier benchmark's start-up may have put in place.
void BareQtStyle() {
    App();
    if (qobject_cast<QProxyStyle*>(QApplication::style()))
        QApplication::setStyle(QStyleFactory::create("Fusion"));
}

struct Sandbox {
    QTemporaryDir base, config;
    Sandbox() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        QDir::setCurrent(base.path());
    }
};

void BareMainWindow(benchmark::State& state) {
    BareQtStyle();
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
    BareQtStyle();
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

// One key: the command routed and everything it shows drawn. Apart, so that a profiler can be
// told to look at it alone.
[[gnu::noinline]] void PressNextReading(CMainFrame* frame, CPassageView* passage, int& readsWaitedFor) {
    frame->OnCommand(Cmd::NextReading);
    if (passage && passage->IsReading()) ++readsWaitedFor;
    // What changed is painted, as the window would after a key.
    QApplication::processEvents();
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
    QMdiSubWindow* planWindow = nullptr;
    for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
        if (auto* child = qobject_cast<CMdiChildFrame*>(w))
            if (auto* v = dynamic_cast<CReadingPlanView*>(child->View())) {
                view = v;
                planWindow = w;
                frame->MdiArea()->setActiveSubWindow(w);
            }
    if (!view || !view->Document().NewPlanFromFile(templatePath)) {
        state.SkipWithError("no plan window");
        return;
    }
    CPassageView* passage = nullptr;
    if (state.range(0) == 1) {
        frame->OnCommand(Cmd::ReadAssignment);
        if (CPassageFrame* p = CPassageFrame::Find(*view)) passage = p->Passage();
        if (!passage) {
            state.SkipWithError("no passage window");
            return;
        }
        frame->MdiArea()->setActiveSubWindow(planWindow);
    }
    // Between two keys a person leaves the window the time to read ahead.
    auto betweenKeys = [&] {
        if (!view->Navigator().CanNext()) frame->OnCommand(Cmd::FirstReading);
        while (passage && (passage->IsReading() || passage->IsReadingAhead()))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QApplication::processEvents();
    };
    betweenKeys();
    int readsWaitedFor = 0;
    for (auto _ : state) {
        PressNextReading(frame, passage, readsWaitedFor);
        state.PauseTiming();
        betweenKeys();
        state.ResumeTiming();
    }
    state.counters["assignments"] = view->Document().GetElementCount();
    // Pages that were not read ahead in time.
    if (passage) state.counters["waited"] = readsWaitedFor;
    frame->close();
    app.reset();
    SetTodayOverride(std::nullopt);
}
BENCHMARK(PlanWindowNextReading)->ArgName("passage")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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
    BareQtStyle();
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

// Opening a reader's environment: the largest plan, a note on every verse and
// a page of general notes, read from their files into their three windows.
// The files are written once beforehand; each closing is left out of the time.
struct FullEnvironment {
    Sandbox sandbox;
    std::unique_ptr<CScrivaneApp> app;
    std::string planPath, historyPath, notesPath, generalPath;
    struct Window {
        QString title;
        QRect geometry;
    };
    std::vector<Window> windows;

    bool Make() {
        SetTodayOverride(CJJulian::Day(2026, 12, 7));
        const std::string templatePath = (sandbox.base.path() + "/Largest.vntpl").toStdString();
        CPlanTemplate largest = LargestTemplate();
        SaveTemplateFile(templatePath, largest);
        app = std::make_unique<CScrivaneApp>();
        app->InitInstance({});
        CSplashWindow::HideSplash();
        app->MainFrame()->resize(1280, 900);
        app->Environment().CreateReader({"Bea", "", "Bea"}, {});
        app->Environment().LastReader() = "Bea";
        if (!app->OpenLastReaderEnvironment()) return false;
        CReadingPlanDoc* plan = app->EnvironmentPlan();
        if (!plan || !plan->NewPlanFromFile(templatePath)) return false;
        for (CDocument* d : app->DocumentType(131)->Documents())
            if (auto* notes = dynamic_cast<CBibleNoteDoc*>(d))
                for (uint16_t v = 0; v < TheBible().GetTotalVerseCount(); ++v)
                    notes->SetNote(v, "A note on verse " + std::to_string(v) + ", kept for later reading.");
        for (CDocument* d : app->DocumentType(132)->Documents())
            if (auto* general = dynamic_cast<CGeneralNoteDoc*>(d)) {
                std::string text;
                for (int line = 0; line < 200; ++line)
                    text += "A line of the reader's general notes, number " + std::to_string(line) + ".\n";
                general->SetText(text);
                general->SetModifiedFlag(true);
            }
        const CReaderContext context = app->Environment().Context();
        const std::string stem = JoinStem(context.baseDirectory, context.fileStem);
        // The floor's windows are given the titles and places ours have.
        for (QMdiSubWindow* frame : app->MainFrame()->findChildren<QMdiSubWindow*>())
            windows.push_back({frame->windowTitle(), frame->geometry()});
        if (windows.size() != 3) return false;
        planPath = stem + ".vnpln";
        historyPath = stem + ".vnpro";
        notesPath = stem + ".vnnot";
        generalPath = context.generalNotesPath;
        app->CloseReaderEnvironment();
        QApplication::processEvents();
        return true;
    }
    ~FullEnvironment() {
        if (app) app->MainFrame()->close();
        app.reset();
        SetTodayOverride(std::nullopt);
    }
};

void EnvironmentOpen(benchmark::State& state) {
    App();
    FullEnvironment env;
    if (!env.Make()) {
        state.SkipWithError("could not make the environment");
        return;
    }
    for (auto _ : state) {
        if (!env.app->OpenLastReaderEnvironment()) state.SkipWithError("open failed");
        QApplication::processEvents();
        state.PauseTiming();
        env.app->CloseReaderEnvironment();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(EnvironmentOpen)->Unit(benchmark::kMillisecond);

QByteArray ReadAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The floor: a bare Qt main window with the same furniture reads the same four
// files whole and opens three windows, titled and placed as ours, of the same widgets: a plan
// page with its two bars and figures, a verse note with its three lists, two
// buttons and verse line, and the general notes.
void BareEnvironmentOpen(benchmark::State& state) {
    App();
    FullEnvironment env;
    if (!env.Make()) {
        state.SkipWithError("could not make the environment");
        return;
    }
    BareQtStyle();
    QMainWindow w;
    auto* mdi = new QMdiArea;
    w.setCentralWidget(mdi);
    for (int m = 0; m < 3; ++m) {
        QMenu* menu = w.menuBar()->addMenu("&Menu");
        for (int i = 0; i < 4; ++i)
            menu->addAction("Item");
    }
    QToolBar* toolbar = w.addToolBar("Toolbar");
    for (int i = 0; i < 11; ++i)
        toolbar->addAction("B");
    w.statusBar()->addWidget(new QLabel("For Help, press F1"), 1);
    w.resize(1280, 900);
    w.show();
    QApplication::processEvents();
    QStringList books;
    for (uint16_t b = 1; b <= 66; ++b)
        books << QString::fromStdString(TheBible().GetBookName(b));
    for (auto _ : state) {
        const QByteArray plan = ReadAll(env.planPath), history = ReadAll(env.historyPath);
        const QByteArray notes = ReadAll(env.notesPath), general = ReadAll(env.generalPath);
        benchmark::DoNotOptimize(plan.size() + history.size());

        auto* planPage = new QWidget;
        auto* planLayout = new QVBoxLayout(planPage);
        planLayout->addWidget(new BarePager, 1);
        for (int row = 0; row < 2; ++row) {
            auto* bar = new QProgressBar;
            bar->setRange(0, 31218);
            bar->setValue(row * 1000);
            auto* figure = new QLineEdit("3.20%");
            figure->setReadOnly(true);
            planLayout->addWidget(new QLabel("Reading Plan Completed"));
            planLayout->addWidget(bar);
            planLayout->addWidget(figure);
        }
        auto* notePage = new QWidget;
        auto* noteLayout = new QVBoxLayout(notePage);
        auto* bookList = new QComboBox;
        bookList->addItems(books);
        auto* chapters = new QComboBox;
        auto* verses = new QComboBox;
        for (int i = 1; i <= 50; ++i)
            chapters->addItem(QString::number(i));
        for (int i = 1; i <= 31; ++i)
            verses->addItem(QString::number(i));
        noteLayout->addWidget(bookList);
        noteLayout->addWidget(chapters);
        noteLayout->addWidget(verses);
        noteLayout->addWidget(new QPushButton("Previous"));
        noteLayout->addWidget(new QPushButton("Next"));
        noteLayout->addWidget(new QLabel("In the beginning God created the heaven and the earth."));
        auto* note = new QPlainTextEdit;
        note->setPlainText(QString::fromUtf8(notes.mid(16, 44)));
        noteLayout->addWidget(note, 1);
        auto* generalPage = new QPlainTextEdit;
        generalPage->setPlainText(QString::fromUtf8(general));
        QWidget* const pages[] = {generalPage, notePage, planPage};
        for (size_t i = 0; i < std::size(pages); ++i) {
            QMdiSubWindow* sub = mdi->addSubWindow(pages[i]);
            sub->setWindowTitle(env.windows[i].title);
            sub->setGeometry(env.windows[i].geometry);
            sub->show();
        }
        QApplication::processEvents();
        state.PauseTiming();
        mdi->closeAllSubWindows();
        for (QMdiSubWindow* sub : mdi->subWindowList())
            delete sub;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BareEnvironmentOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks(argc, argv);
}
