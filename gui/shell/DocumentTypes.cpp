#include "DocumentTypes.h"

#include "BibleNoteChildFrame.h"
#include "ChildFrame.h"
#include "PlanChildFrame.h"
#include "framework/Document.h"
#include "plan/ReadingPlanDoc.h"
#include "planview/ReadingPlanView.h"
#include "reader/ReaderEnvironment.h"

namespace {

ViewParts MakeReadingPlanView(CDocument& doc, CMdiChildFrame& frame) {
    auto* view = new CReadingPlanView(static_cast<CReadingPlanDoc&>(doc));
    auto* planFrame = static_cast<CPlanChildFrame*>(&frame);
    view->planProgress = [planFrame](uint16_t read, uint16_t total) {
        planFrame->SetPlanProgress(read, total);
    };
    view->lifetimeProgress = [planFrame](uint16_t read, uint16_t total) {
        planFrame->SetLifetimeProgress(read, total);
    };
    view->OnInitialUpdate();
    return {view, view};
}

} // namespace

// Each type's document and view are made by one line here; a type whose
// classes are not in the program yet shows a stand-in that stores nothing.
std::vector<std::unique_ptr<CDocTemplate>> MakeDocumentTypes(IUiServices& ui, CReaderEnvironment& env) {
    std::vector<std::unique_ptr<CDocTemplate>> types;
    types.push_back(std::make_unique<CDocTemplate>(
        129, kReadingPlanStrings, [&] { return std::make_unique<CReadingPlanDoc>(ui, env.Context()); },
        [] { return new CPlanChildFrame; }, MakeReadingPlanView));
    types.push_back(std::make_unique<CDocTemplate>(
        132, kGeneralNotesStrings, [] { return MakePlaceholderDocument("General Notes"); },
        [] { return new CChildFrame; },
        [](CDocument&, CMdiChildFrame&) {
            return MakePlaceholderView("The general notes will be shown here.");
        }));
    types.push_back(std::make_unique<CDocTemplate>(
        131, kVerseNotesStrings, [] { return MakePlaceholderDocument("Bible Verse Notes"); },
        [] { return new CBibleNoteChildFrame; },
        [](CDocument&, CMdiChildFrame&) {
            return MakePlaceholderView("The verse notes will be shown here.");
        }));
    return types;
}
