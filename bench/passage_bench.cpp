// SPDX-License-Identifier: GPL-3.0-or-later
// The passage window from the Read Assignment command to its text on screen
// (offscreen platform). The text source is open already, as the verse notes
// window opens it with the environment.
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/MdiChildFrame.h"
#include "framework/ScriptedUiServices.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"
#include "planview/ReadingPlanView.h"
#include "reader/ReaderEnvironment.h"
#include "shell/DocumentTypes.h"
#include "shell/MainFrame.h"
#include "text/BibleTextSource.h"
#include "text/PassageFrame.h"

#include "BenchSupport.h"
#include "QtBenchMain.h"
#include <QApplication>
#include <QMdiArea>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A year's plan by chapters, the Old Testament beside the New: about four
// chapters a day. With psalm set, the assignment read is Psalm 119 alone.
void ReadAssignmentShown(benchmark::State& state) {
    QTemporaryDir base, config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    CScriptedUiServices ui;
    CReaderEnvironment env(ui);
    env.SetBaseDirectory(base.path().toStdString());
    env.SelectReader(env.CreateReader({"James", "Hart", "James"}, {}));
    auto types = MakeDocumentTypes(ui, env);
    CDocTemplate* planType = nullptr;
    for (auto& t : types)
        if (t->ResourceId() == 129) planType = t.get();
    CMainFrame main;
    main.resize(1100, 700);
    main.show();
    auto& doc = static_cast<CReadingPlanDoc&>(*planType->OpenDocumentFile("", main.MdiArea(), true));
    CMdiChildFrame* planFrame = planType->FrameOf(&doc);
    planFrame->setGeometry(0, 0, 420, 300);
    auto* view = dynamic_cast<CReadingPlanView*>(planFrame->View());
    if (state.range(0) == 0) {
        CPlanTemplate t = CPlanTemplate::EditorDefaults();
        t.planYears = 1;
        t.sectionCount = 2;
        for (size_t b = 0; b < t.bookSection.size(); ++b)
            t.bookSection[b] = b < 39 ? 1 : 2;
        doc.GenerateFromTemplate(t, nullptr);
    } else {
        // The Psalms, one a day: assignment 118 is Psalm 119.
        CPlanTemplate t = CPlanTemplate::EditorDefaults();
        t.planDays = 150;
        std::fill(t.bookSection.begin(), t.bookSection.end(), 0);
        t.bookSection[18] = 1;
        doc.GenerateFromTemplate(t, nullptr);
    }
    view->Navigator().GoToFirstUnfinished();
    if (state.range(0) == 1) view->Navigator().SetIndex(118);
    doc.UpdateAllViews(nullptr);
    TheBibleText().GetVerse(0);
    QApplication::processEvents();
    size_t verses = 0;
    for (auto _ : state) {
        main.MdiArea()->setActiveSubWindow(planFrame);
        main.OnCommand(Cmd::ReadAssignment);
        CPassageFrame* frame = CPassageFrame::Find(*view);
        if (!frame) {
            state.SkipWithError("no passage window");
            break;
        }
        frame->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        verses = 0;
        const CPlanElement shown = view->Navigator().Current();
        for (const VerseRange& r : shown.Ranges())
            verses += static_cast<size_t>(r.end - r.start) + 1;
        delete frame;
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["verses"] = static_cast<double>(verses);
    planType->CloseDocument(&doc);
}
BENCHMARK(ReadAssignmentShown)->Arg(0)->Arg(1)->ArgName("psalm119")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks(argc, argv);
}
