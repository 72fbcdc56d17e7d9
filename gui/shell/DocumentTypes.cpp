#include "DocumentTypes.h"

#include "BibleNoteChildFrame.h"
#include "ChildFrame.h"
#include "PlanChildFrame.h"
#include "framework/Document.h"
#include "reader/ReaderEnvironment.h"

// Each type's document and view are made by one line here; a type whose
// classes are not in the program yet shows a stand-in that stores nothing.
std::vector<std::unique_ptr<CDocTemplate>> MakeDocumentTypes(IUiServices& ui, CReaderEnvironment& env) {
    (void)ui;
    (void)env;
    std::vector<std::unique_ptr<CDocTemplate>> types;
    types.push_back(std::make_unique<CDocTemplate>(
        129, kReadingPlanStrings, [] { return MakePlaceholderDocument("Bible Reading Plan"); },
        [] { return new CPlanChildFrame; },
        [](CDocument&, CMdiChildFrame&) {
            return MakePlaceholderView("The reading plan will be shown here.");
        }));
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
