// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentTypes.h"

#include "BibleNoteChildFrame.h"
#include "ChildFrame.h"
#include "PlanChildFrame.h"
#include "coverage/PlanSchedule.h"
#include "foundation/Clock.h"
#include "framework/Document.h"
#include "notes/BibleNoteDoc.h"
#include "notes/BibleNoteView.h"
#include "notes/GeneralNoteDoc.h"
#include "notes/GeneralNoteView.h"
#include "plan/ReadingPlanDoc.h"
#include "planview/ReadingPlanView.h"
#include "reader/ReaderEnvironment.h"

namespace {

ViewParts MakeReadingPlanView(CDocument& doc, CMdiChildFrame& frame) {
    auto* view = new CReadingPlanView(static_cast<CReadingPlanDoc&>(doc));
    auto* planFrame = static_cast<CPlanChildFrame*>(&frame);
    auto* planDoc = static_cast<CReadingPlanDoc*>(&doc);
    view->planProgress = [planFrame, planDoc](uint16_t read, uint16_t total) {
        planFrame->SetPlanProgress(read, total);
        planFrame->SetSchedule(ComputeSchedule(*planDoc, Today()));
    };
    planFrame->synchronize = [view] { view->OnSynchronizeDates(); };
    view->lifetimeProgress = [planFrame](uint16_t read, uint16_t total) {
        planFrame->SetLifetimeProgress(read, total);
    };
    view->announce = [planFrame](const QString& change) { planFrame->Announce(change); };
    view->OnInitialUpdate();
    return {view, view};
}

} // namespace

// Each type's document and view are made by one line here; a type whose
// classes are not in the program yet shows a stand-in that stores nothing.
std::vector<std::unique_ptr<CDocTemplate>>
MakeDocumentTypes(IUiServices& ui, CReaderEnvironment& env,
                  std::function<void(const std::string&)> addToRecentFiles,
                  std::function<std::vector<std::string>(const CDocument*)> filesHeldByOthers) {
    std::vector<std::unique_ptr<CDocTemplate>> types;
    types.push_back(std::make_unique<CDocTemplate>(
        129, kReadingPlanStrings,
        [&] {
            auto doc = std::make_unique<CReadingPlanDoc>(ui, env.Context());
            // Every reading is kept the moment it is recorded: a crash or a forced logout loses none.
            doc->SetCommitAtOnce(true);
            return doc;
        },
        [] { return new CPlanChildFrame; }, MakeReadingPlanView));
    types.push_back(std::make_unique<CDocTemplate>(
        132, kGeneralNotesStrings,
        [&ui, &env, addToRecentFiles, filesHeldByOthers] {
            auto doc = std::make_unique<CGeneralNoteDoc>(ui, env.Context());
            doc->addToRecentFiles = addToRecentFiles;
            if (filesHeldByOthers)
                doc->filesHeldElsewhere = [d = doc.get(), filesHeldByOthers] { return filesHeldByOthers(d); };
            return doc;
        },
        [] { return new CChildFrame; },
        [](CDocument& doc, CMdiChildFrame&) {
            auto* view = new CGeneralNoteView(static_cast<CGeneralNoteDoc&>(doc));
            return ViewParts{view, view};
        }));
    types.push_back(std::make_unique<CDocTemplate>(
        131, kVerseNotesStrings, [&ui, &env] { return std::make_unique<CBibleNoteDoc>(ui, env.Context()); },
        [] { return new CBibleNoteChildFrame; },
        [](CDocument& doc, CMdiChildFrame& frame) {
            auto& notesFrame = static_cast<CBibleNoteChildFrame&>(frame);
            VerseBarControls bar{notesFrame.BookList(), notesFrame.ChapterList(), notesFrame.VerseList(),
                                 notesFrame.PreviousButton(), notesFrame.NextButton()};
            auto* view = new CBibleNoteView(static_cast<CBibleNoteDoc&>(doc), bar);
            return ViewParts{view, view};
        }));
    return types;
}
