// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include "framework/CommandIds.h"

#include <unordered_map>

namespace {

using N = MenuNode;
const N kSep{};

N ViewMenu() {
    return {"&View",
            0,
            {{"&Toolbar", Cmd::ViewToolbar},
             {"&Status Bar", Cmd::ViewStatusBar},
             {"T&heme",
              0,
              {{"Follow the &Desktop", Cmd::ThemeDesktop},
               {"&Light", Cmd::ThemeLight},
               {"Dar&k", Cmd::ThemeDark},
               {"&High Contrast", Cmd::ThemeHighContrast}}},
             kSep,
             {"Bible &Coverage", Cmd::ViewBibleCoverage},
             {"&Reading History", Cmd::ViewReadingHistory}}};
}

// The View menu of a window whose text the reader sizes.
N ViewMenuWithZoom() {
    N view = ViewMenu();
    view.children.insert(view.children.end(), {kSep,
                                               {"Zoom &In\tCtrl++", Cmd::ViewZoomIn},
                                               {"Zoom &Out\tCtrl+-", Cmd::ViewZoomOut},
                                               {"&Actual Size\tCtrl+0", Cmd::ViewActualSize}});
    return view;
}

N HelpMenu() {
    return {"&Help", 0, {{"&Help Topics", Cmd::HelpFinder}, kSep, {"&About Scrivane...", Cmd::AppAbout}}};
}

N WindowMenu() {
    return {"&Window",
            0,
            {{"&Cascade", Cmd::WindowCascade},
             {"&Tile", Cmd::WindowTile},
             {"&Arrange Icons", Cmd::WindowArrange}}};
}

N EditMenuOfNotes() {
    return {"&Edit",
            0,
            {{"&Undo\tCtrl+Z", Cmd::EditUndo},
             kSep,
             {"Cu&t\tCtrl+X", Cmd::EditCut},
             {"&Copy\tCtrl+C", Cmd::EditCopy},
             {"&Paste\tCtrl+V", Cmd::EditPaste},
             {"Select &All\tCtrl+A", Cmd::EditSelectAll},
             kSep,
             {"&Find...\tCtrl+F", Cmd::EditFind},
             {"Find &Next\tF3", Cmd::EditRepeat},
             {"R&eplace...\tCtrl+H", Cmd::EditReplace}}};
}

// The first five items of the document menus' File popup.
std::vector<N> FileHead() {
    return {{"&New Reading Plan Template...", Cmd::NewReadingPlanTemplate},
            kSep,
            {"&Open Reader Environment...\tCtrl+O", Cmd::OpenReaderEnvironment},
            {"&Close Reader Environment", Cmd::CloseReaderEnvironment},
            {"&Import Reading List...", Cmd::ImportReadingList},
            kSep};
}

N DocumentFileMenu(const char* saveText, int saveId) {
    std::vector<N> items = FileHead();
    std::vector<N> tail = {{saveText, saveId},
                           kSep,
                           {"&Print...\tCtrl+P", Cmd::FilePrint},
                           {"Print Pre&view", Cmd::FilePrintPreview},
                           {"P&rint Setup...", Cmd::FilePrintSetup},
                           kSep,
                           {"E&xit", Cmd::AppExit}};
    items.insert(items.end(), tail.begin(), tail.end());
    return {"&File", 0, items};
}

std::vector<N> Menu128() {
    return {{"&File",
             0,
             {{"&New Reading Plan Template...\tCtrl+N", Cmd::NewReadingPlanTemplate},
              kSep,
              {"&Open Reader Environment...\tCtrl+O", Cmd::OpenReaderEnvironment},
              {"&Import Reading List...", Cmd::ImportReadingList},
              kSep,
              {"P&rint Setup...", Cmd::FilePrintSetup},
              kSep,
              {"E&xit", Cmd::AppExitFramework}}},
            ViewMenu(),
            HelpMenu()};
}

std::vector<N> Menu129() {
    N goTo{"Go &To Reading",
           0,
           {{"First &Unfinished Reading", Cmd::FirstUnfinishedReading},
            kSep,
            {"&First Reading", Cmd::FirstReading},
            {"&Previous Reading", Cmd::PreviousReading},
            {"&Next Reading", Cmd::NextReading},
            {"&Last Reading", Cmd::LastReading},
            kSep,
            {"By &Date", Cmd::ByDate},
            {"By &Verse", Cmd::ByVerse}}};
    N plan{"&Reading Plan",
           0,
           {{"&New Plan", Cmd::NewPlan},
            {"New Plan from &Gallery...", Cmd::NewPlanFromGallery},
            {"New Plan from &Unread Chapters...", Cmd::NewPlanFromUnreadChapters},
            kSep,
            {"&Plan Properties", Cmd::PlanProperties},
            kSep,
            {"&Finished Reading\tCtrl+D", Cmd::FinishedReading},
            {"Rea&d Assignment\tCtrl+R", Cmd::ReadAssignment},
            {"&Enter Reading", Cmd::EnterReading},
            kSep,
            goTo,
            kSep,
            {"&Synchronize Dates", Cmd::SynchronizeDates},
            {"&Reset Plan", Cmd::ResetPlan},
            {"Reset &Lifetime Readings", Cmd::ResetLifetimeReadings}}};
    return {DocumentFileMenu("&Save Reading Plan\tCtrl+S", Cmd::SaveReadingPlan),
            {"&Edit",
             0,
             {{"&Undo\tCtrl+Z", Cmd::EditUndo},
              {"&Redo\tCtrl+Y", Cmd::EditRedo},
              kSep,
              {"&Copy\tCtrl+C", Cmd::EditCopy}}},
            ViewMenuWithZoom(),
            plan,
            WindowMenu(),
            HelpMenu()};
}

std::vector<N> Menu131() {
    return {DocumentFileMenu("&Save Verse Notes\tCtrl+S", Cmd::SaveVerseNotes), EditMenuOfNotes(),
            ViewMenuWithZoom(), WindowMenu(), HelpMenu()};
}

std::vector<N> Menu132() {
    std::vector<N> items = FileHead();
    std::vector<N> tail = {{"Open &General Notes...", Cmd::FileOpen},
                           {"&Save General Notes...\tCtrl+S", Cmd::FileSave},
                           {"Save General Notes &As...", Cmd::FileSaveAs},
                           kSep,
                           {"&Print...\tCtrl+P", Cmd::FilePrint},
                           {"Print Pre&view", Cmd::FilePrintPreview},
                           {"P&rint Setup...", Cmd::FilePrintSetup},
                           kSep,
                           {"Recent File", Cmd::FileMru1},
                           kSep,
                           {"E&xit", Cmd::AppExit}};
    items.insert(items.end(), tail.begin(), tail.end());
    return {{"&File", 0, items}, EditMenuOfNotes(), ViewMenuWithZoom(), WindowMenu(), HelpMenu()};
}

// The Bible Coverage window.
std::vector<N> MenuCoverage() {
    std::vector<N> items = FileHead();
    std::vector<N> tail = {{"&Print...\tCtrl+P", Cmd::FilePrint},
                           {"Print Pre&view", Cmd::FilePrintPreview},
                           {"P&rint Setup...", Cmd::FilePrintSetup},
                           kSep,
                           {"Save Map as PN&G...", Cmd::SaveCoverageAsPng},
                           {"Save &Map as SVG...", Cmd::SaveCoverageAsSvg},
                           kSep,
                           {"E&xit", Cmd::AppExit}};
    items.insert(items.end(), tail.begin(), tail.end());
    N plan{"&Reading Plan",
           0,
           {{"&Enter Reading", Cmd::EnterReading},
            {"New Plan from &Unread Chapters...", Cmd::NewPlanFromUnreadChapters}}};
    N view = ViewMenu();
    view.children.insert(view.children.end(), {kSep,
                                               {"Zoom &In\tCtrl++", Cmd::MapZoomIn},
                                               {"Zoom &Out\tCtrl+-", Cmd::MapZoomOut},
                                               {"&Fit to Window\tCtrl+0", Cmd::MapFit}});
    return {{"&File", 0, items}, view, plan, WindowMenu(), HelpMenu()};
}

// The Reading History window.
std::vector<N> MenuHistory() {
    std::vector<N> items = FileHead();
    std::vector<N> tail = {{"&Print...\tCtrl+P", Cmd::FilePrint},
                           {"Print Pre&view", Cmd::FilePrintPreview},
                           {"P&rint Setup...", Cmd::FilePrintSetup},
                           kSep,
                           {"Save History as PN&G...", Cmd::SaveHistoryAsPng},
                           {"Save &History as SVG...", Cmd::SaveHistoryAsSvg},
                           kSep,
                           {"E&xit", Cmd::AppExit}};
    items.insert(items.end(), tail.begin(), tail.end());
    N edit{"&Edit", 0, {{"&Copy\tCtrl+C", Cmd::EditCopy}}};
    return {{"&File", 0, items}, edit, ViewMenuWithZoom(), WindowMenu(), HelpMenu()};
}

} // namespace

const std::vector<MenuNode>& MenuResource(int resourceId) {
    static const std::vector<N> m128 = Menu128(), m129 = Menu129(), m131 = Menu131(), m132 = Menu132();
    static const std::vector<N> coverage = MenuCoverage(), history = MenuHistory();
    switch (resourceId) {
    case kHistoryMenu:
        return history;
    case kCoverageMenu:
        return coverage;
    case 129:
    case kPassageMenu:
        return m129;
    case 131:
        return m131;
    case 132:
        return m132;
    default:
        return m128;
    }
}

const std::vector<Accelerator>& AcceleratorTable(int tableId) {
    // Keys a menu shows are bound by its items; these are the others. Page Down
    // and Page Up belong to the plan window only, so that the editors of the
    // notes windows keep them for scrolling.
    static const std::vector<Accelerator> common = {
        {"Ctrl+N", Cmd::FileNew},         {"Ctrl+O", Cmd::FileOpen},
        {"Ctrl+P", Cmd::FilePrint},       {"Ctrl+S", Cmd::FileSave},
        {"Ctrl+X", Cmd::EditCut},         {"Shift+Del", Cmd::EditCut},
        {"Ctrl+Ins", Cmd::EditCopy},      {"Ctrl+V", Cmd::EditPaste},
        {"Shift+Ins", Cmd::EditPaste},    {"Ctrl+Z", Cmd::EditUndo},
        {"Alt+Backspace", Cmd::EditUndo}, {"F1", Cmd::Help},
        {"Shift+F1", Cmd::ContextHelp},   {"F6", Cmd::NextPane},
        {"Shift+F6", Cmd::PreviousPane},  {"Ctrl+F4", Cmd::CloseDocumentWindow}};
    // The plan's windows page through its days and redo.
    auto paging = [](const char* next, const char* previous) {
        std::vector<Accelerator> t = common;
        t.insert(
            t.end(),
            {{next, Cmd::NextReading}, {previous, Cmd::PreviousReading}, {"Ctrl+Shift+Z", Cmd::EditRedo}});
        return t;
    };
    static const std::vector<Accelerator> plan = paging("PgDown", "PgUp");
    // In the passage window Page Up and Down scroll the text; with Alt they change the day.
    static const std::vector<Accelerator> passage = paging("Alt+PgDown", "Alt+PgUp");
    return tableId == 129 ? plan : tableId == kPassageMenu ? passage : common;
}

const char* CommandPrompt(int id) {
    static const std::unordered_map<int, const char*> prompts = {
        {Cmd::NewReadingPlanTemplate, "Create or change a reading plan template\nNew Reading Plan Template"},
        {Cmd::OpenReaderEnvironment,
         "Choose a reader and open the reader's plan and notes\nOpen Reader Environment"},
        {Cmd::CloseReaderEnvironment, "Close the open reader environment\nClose Reader Environment"},
        {Cmd::AppExit, "Quit the program\nExit"},
        {Cmd::AppExitFramework, "Quit the program\nExit"},
        {Cmd::SaveReadingPlan, "Save the reading plan\nSave Reading Plan"},
        {Cmd::SaveVerseNotes, "Save the verse notes\nSave Verse Notes"},
        {Cmd::NewPlan, "Make a new plan from a template\nNew Plan"},
        {Cmd::NewPlanFromGallery, "Make a new plan from a ready template\nNew Plan from Gallery"},
        {Cmd::ImportReadingList, "Make a day-by-day reading list into a plan file\nImport Reading List"},
        {Cmd::ViewBibleCoverage, "Show how often each chapter of the Bible has been read\nBible Coverage"},
        {Cmd::NewPlanFromUnreadChapters,
         "Make a new plan of the chapters never read\nNew Plan from Unread Chapters"},
        {Cmd::SaveCoverageAsPng, "Save the coverage map as a PNG picture\nSave Map as PNG"},
        {Cmd::SaveCoverageAsSvg, "Save the coverage map as an SVG drawing\nSave Map as SVG"},
        {Cmd::ViewReadingHistory, "Show the days you read on, your streaks and totals\nReading History"},
        {Cmd::SaveHistoryAsPng, "Save the reading history as a PNG picture\nSave History as PNG"},
        {Cmd::SaveHistoryAsSvg, "Save the reading history as an SVG drawing\nSave History as SVG"},
        {Cmd::EnterReading, "Record a reading outside the plan\nEnter Reading"},
        {Cmd::NextReading, "Go to the next reading\nNext Reading"},
        {Cmd::SynchronizeDates, "Move the unfinished readings onto new dates\nSynchronize Dates"},
        {Cmd::ResetPlan, "Mark the whole plan as unread\nReset Plan"},
        {Cmd::FirstReading, "Go to the first reading\nFirst Reading"},
        {Cmd::LastReading, "Go to the last reading\nLast Reading"},
        {Cmd::ResetLifetimeReadings, "Forget every reading ever recorded\nReset Lifetime Readings"},
        {Cmd::FirstUnfinishedReading, "Go to the first reading not yet finished\nFirst Unfinished Reading"},
        {Cmd::PreviousReading, "Go to the previous reading\nPrevious Reading"},
        {Cmd::ByDate, "Go to the reading of a date\nBy Date"},
        {Cmd::ByVerse, "Go to the reading that holds a verse\nBy Verse"},
        {Cmd::FinishedReading, "Mark the current reading as read (Ctrl+D)\nFinished Reading (Ctrl+D)"},
        {Cmd::PlanProperties, "Show how the plan was made\nPlan Properties"},
        {Cmd::ReadAssignment, "Show the text of the current assignment\nRead Assignment"},
        {Cmd::PassageZoomIn, "Show the passage larger\nZoom In"},
        {Cmd::MapZoomIn, "Show the map larger\nZoom In"},
        {Cmd::MapZoomOut, "Show the map smaller, as far as its text stays readable\nZoom Out"},
        {Cmd::MapFit, "Show the map as large as the window\nFit to Window"},
        {Cmd::PassageZoomOut, "Show the passage smaller\nZoom Out"},
        {Cmd::FileOpen, "Open a general notes file\nOpen"},
        {Cmd::FileSave, "Save the general notes\nSave"},
        {Cmd::FileSaveAs, "Save the general notes under a new name\nSave As"},
        {Cmd::FilePrintSetup, "Change the printer and printing options\nPrint Setup"},
        {Cmd::FilePrint, "Print the active document\nPrint"},
        {Cmd::FilePrintPreview, "Show the pages as they will be printed\nPrint Preview"},
        {Cmd::EditCopy, "Copy the selection to the clipboard\nCopy"},
        {Cmd::EditCut, "Cut the selection to the clipboard\nCut"},
        {Cmd::EditPaste, "Insert the clipboard's text\nPaste"},
        {Cmd::EditUndo, "Undo the last change\nUndo"},
        {Cmd::EditRedo, "Make the change undone last again\nRedo"},
        {Cmd::EditSelectAll, "Select the whole text\nSelect All"},
        {Cmd::EditFind, "Find a text\nFind"},
        {Cmd::EditRepeat, "Find the text again\nFind Next"},
        {Cmd::EditReplace, "Replace a text with another\nReplace"},
        {Cmd::WindowCascade, "Arrange the windows so that they overlap\nCascade Windows"},
        {Cmd::WindowTile, "Arrange the windows side by side\nTile Windows"},
        {Cmd::WindowArrange, "Line up the minimized windows at the bottom\nArrange Icons"},
        {Cmd::AppAbout, "Show the program's version\nAbout"},
        {Cmd::HelpFinder, "List the help topics\nHelp Topics"},
        {Cmd::ContextHelp, "Show help on the next button, menu item or window you click\nHelp"},
        {Cmd::Help, "Show help on the active window\nHelp"},
        {Cmd::ViewToolbar, "Show or hide the toolbar\nToggle Toolbar"},
        {Cmd::ViewStatusBar, "Show or hide the status bar\nToggle Status Bar"},
        {Cmd::ViewZoomIn, "Show the text larger\nZoom In"},
        {Cmd::ViewZoomOut, "Show the text smaller\nZoom Out"},
        {Cmd::ViewActualSize, "Show the text at its usual size\nActual Size"},
        {Cmd::ThemeDesktop, "Show the windows in the desktop's colours\nFollow the Desktop"},
        {Cmd::ThemeLight, "Show the windows dark on light\nLight"},
        {Cmd::ThemeDark, "Show the windows light on dark\nDark"},
        {Cmd::ThemeHighContrast, "Show the windows in the strongest contrast\nHigh Contrast"},
        {Cmd::FileMru1, "Open this general notes file"},
        {Cmd::FileMru1 + 1, "Open this general notes file"},
        {Cmd::FileMru1 + 2, "Open this general notes file"},
        {Cmd::FileMru4, "Open this general notes file"},
    };
    auto it = prompts.find(id);
    return it == prompts.end() ? "" : it->second;
}

const std::vector<int>& ToolbarButtons() {
    static const std::vector<int> buttons = {Cmd::OpenReaderEnvironment,
                                             0,
                                             Cmd::FilePrint,
                                             0,
                                             Cmd::EditCut,
                                             Cmd::EditCopy,
                                             Cmd::EditPaste,
                                             0,
                                             Cmd::FirstReading,
                                             Cmd::PreviousReading,
                                             Cmd::NextReading,
                                             Cmd::LastReading,
                                             Cmd::ReadAssignment,
                                             Cmd::FinishedReading,
                                             0,
                                             Cmd::AppAbout,
                                             Cmd::ContextHelp};
    return buttons;
}
