// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include "foundation/Translatable.h"
#include "framework/CommandIds.h"

#include <unordered_map>

namespace {

using N = MenuNode;
const N kSep{};

N ViewMenu() {
    return {TR_NOOP("Menu", "&View"),
            0,
            {{TR_NOOP("Menu", "&Toolbar"), Cmd::ViewToolbar},
             {TR_NOOP("Menu", "&Status Bar"), Cmd::ViewStatusBar},
             {TR_NOOP("Menu", "T&heme"),
              0,
              {{TR_NOOP("Menu", "Follow the &Desktop"), Cmd::ThemeDesktop},
               {TR_NOOP("Menu", "&Light"), Cmd::ThemeLight},
               {TR_NOOP("Menu", "Dar&k"), Cmd::ThemeDark},
               {TR_NOOP("Menu", "&High Contrast"), Cmd::ThemeHighContrast}}},
             kSep,
             {TR_NOOP("Menu", "Bible &Coverage"), Cmd::ViewBibleCoverage},
             {TR_NOOP("Menu", "&Reading History"), Cmd::ViewReadingHistory}}};
}

// The View menu of a window whose text the reader sizes.
N ViewMenuWithZoom() {
    N view = ViewMenu();
    view.children.insert(view.children.end(),
                         {kSep,
                          {TR_NOOP("Menu", "Zoom &In\tCtrl++"), Cmd::ViewZoomIn},
                          {TR_NOOP("Menu", "Zoom &Out\tCtrl+-"), Cmd::ViewZoomOut},
                          {TR_NOOP("Menu", "&Actual Size\tCtrl+0"), Cmd::ViewActualSize}});
    return view;
}

N HelpMenu() {
    return {TR_NOOP("Menu", "&Help"),
            0,
            {{TR_NOOP("Menu", "&Help Topics"), Cmd::HelpFinder},
             kSep,
             {TR_NOOP("Menu", "&About Scrivane..."), Cmd::AppAbout}}};
}

N WindowMenu() {
    return {TR_NOOP("Menu", "&Window"),
            0,
            {{TR_NOOP("Menu", "&Cascade"), Cmd::WindowCascade},
             {TR_NOOP("Menu", "&Tile"), Cmd::WindowTile},
             {TR_NOOP("Menu", "&Arrange Icons"), Cmd::WindowArrange}}};
}

N EditMenuOfNotes() {
    return {TR_NOOP("Menu", "&Edit"),
            0,
            {{TR_NOOP("Menu", "&Undo\tCtrl+Z"), Cmd::EditUndo},
             kSep,
             {TR_NOOP("Menu", "Cu&t\tCtrl+X"), Cmd::EditCut},
             {TR_NOOP("Menu", "&Copy\tCtrl+C"), Cmd::EditCopy},
             {TR_NOOP("Menu", "&Paste\tCtrl+V"), Cmd::EditPaste},
             {TR_NOOP("Menu", "Select &All\tCtrl+A"), Cmd::EditSelectAll},
             kSep,
             {TR_NOOP("Menu", "&Find...\tCtrl+F"), Cmd::EditFind},
             {TR_NOOP("Menu", "Find &Next\tF3"), Cmd::EditRepeat},
             {TR_NOOP("Menu", "R&eplace...\tCtrl+H"), Cmd::EditReplace}}};
}

// The first five items of the document menus' File popup.
std::vector<N> FileHead() {
    return {{TR_NOOP("Menu", "&New Reading Plan Template..."), Cmd::NewReadingPlanTemplate},
            kSep,
            {TR_NOOP("Menu", "&Open Reader Environment...\tCtrl+O"), Cmd::OpenReaderEnvironment},
            {TR_NOOP("Menu", "&Close Reader Environment"), Cmd::CloseReaderEnvironment},
            {TR_NOOP("Menu", "&Import Reading List..."), Cmd::ImportReadingList},
            kSep};
}

N DocumentFileMenu(const char* saveText, int saveId) {
    std::vector<N> items = FileHead();
    std::vector<N> tail = {{saveText, saveId},
                           kSep,
                           {TR_NOOP("Menu", "&Print...\tCtrl+P"), Cmd::FilePrint},
                           {TR_NOOP("Menu", "Print Pre&view"), Cmd::FilePrintPreview},
                           {TR_NOOP("Menu", "P&rint Setup..."), Cmd::FilePrintSetup},
                           kSep,
                           {TR_NOOP("Menu", "E&xit"), Cmd::AppExit}};
    items.insert(items.end(), tail.begin(), tail.end());
    return {TR_NOOP("Menu", "&File"), 0, items};
}

std::vector<N> Menu128() {
    return {{TR_NOOP("Menu", "&File"),
             0,
             {{TR_NOOP("Menu", "&New Reading Plan Template...\tCtrl+N"), Cmd::NewReadingPlanTemplate},
              kSep,
              {TR_NOOP("Menu", "&Open Reader Environment...\tCtrl+O"), Cmd::OpenReaderEnvironment},
              {TR_NOOP("Menu", "&Import Reading List..."), Cmd::ImportReadingList},
              kSep,
              {TR_NOOP("Menu", "P&rint Setup..."), Cmd::FilePrintSetup},
              kSep,
              {TR_NOOP("Menu", "E&xit"), Cmd::AppExitFramework}}},
            ViewMenu(),
            HelpMenu()};
}

std::vector<N> Menu129() {
    N goTo{TR_NOOP("Menu", "Go &To Reading"),
           0,
           {{TR_NOOP("Menu", "First &Unfinished Reading"), Cmd::FirstUnfinishedReading},
            kSep,
            {TR_NOOP("Menu", "&First Reading"), Cmd::FirstReading},
            {TR_NOOP("Menu", "&Previous Reading"), Cmd::PreviousReading},
            {TR_NOOP("Menu", "&Next Reading"), Cmd::NextReading},
            {TR_NOOP("Menu", "&Last Reading"), Cmd::LastReading},
            kSep,
            {TR_NOOP("Menu", "By &Date"), Cmd::ByDate},
            {TR_NOOP("Menu", "By &Verse"), Cmd::ByVerse}}};
    N plan{TR_NOOP("Menu", "&Reading Plan"),
           0,
           {{TR_NOOP("Menu", "&New Plan"), Cmd::NewPlan},
            {TR_NOOP("Menu", "New Plan from &Gallery..."), Cmd::NewPlanFromGallery},
            {TR_NOOP("Menu", "New Plan from &Unread Chapters..."), Cmd::NewPlanFromUnreadChapters},
            kSep,
            {TR_NOOP("Menu", "&Plan Properties"), Cmd::PlanProperties},
            kSep,
            {TR_NOOP("Menu", "&Finished Reading\tCtrl+D"), Cmd::FinishedReading},
            {TR_NOOP("Menu", "Rea&d Assignment\tCtrl+R"), Cmd::ReadAssignment},
            {TR_NOOP("Menu", "&Enter Reading"), Cmd::EnterReading},
            kSep,
            goTo,
            kSep,
            {TR_NOOP("Menu", "&Synchronize Dates"), Cmd::SynchronizeDates},
            {TR_NOOP("Menu", "&Reset Plan"), Cmd::ResetPlan},
            {TR_NOOP("Menu", "Reset &Lifetime Readings"), Cmd::ResetLifetimeReadings},
            kSep,
            {TR_NOOP("Menu", "S&ync with Other Computers..."), Cmd::SyncWithOtherComputers}}};
    return {DocumentFileMenu(TR_NOOP("Menu", "&Save Reading Plan\tCtrl+S"), Cmd::SaveReadingPlan),
            {TR_NOOP("Menu", "&Edit"),
             0,
             {{TR_NOOP("Menu", "&Undo\tCtrl+Z"), Cmd::EditUndo},
              {TR_NOOP("Menu", "&Redo\tCtrl+Y"), Cmd::EditRedo},
              kSep,
              {TR_NOOP("Menu", "&Copy\tCtrl+C"), Cmd::EditCopy}}},
            ViewMenuWithZoom(),
            plan,
            WindowMenu(),
            HelpMenu()};
}

std::vector<N> Menu131() {
    return {DocumentFileMenu(TR_NOOP("Menu", "&Save Verse Notes\tCtrl+S"), Cmd::SaveVerseNotes),
            EditMenuOfNotes(), ViewMenuWithZoom(), WindowMenu(), HelpMenu()};
}

std::vector<N> Menu132() {
    std::vector<N> items = FileHead();
    std::vector<N> tail = {{TR_NOOP("Menu", "Open &General Notes..."), Cmd::FileOpen},
                           {TR_NOOP("Menu", "&Save General Notes...\tCtrl+S"), Cmd::FileSave},
                           {TR_NOOP("Menu", "Save General Notes &As..."), Cmd::FileSaveAs},
                           kSep,
                           {TR_NOOP("Menu", "&Print...\tCtrl+P"), Cmd::FilePrint},
                           {TR_NOOP("Menu", "Print Pre&view"), Cmd::FilePrintPreview},
                           {TR_NOOP("Menu", "P&rint Setup..."), Cmd::FilePrintSetup},
                           kSep,
                           {TR_NOOP("Menu", "Recent File"), Cmd::FileMru1},
                           kSep,
                           {TR_NOOP("Menu", "E&xit"), Cmd::AppExit}};
    items.insert(items.end(), tail.begin(), tail.end());
    return {{TR_NOOP("Menu", "&File"), 0, items},
            EditMenuOfNotes(),
            ViewMenuWithZoom(),
            WindowMenu(),
            HelpMenu()};
}

// The Bible Coverage window.
std::vector<N> MenuCoverage() {
    std::vector<N> items = FileHead();
    std::vector<N> tail = {{TR_NOOP("Menu", "&Print...\tCtrl+P"), Cmd::FilePrint},
                           {TR_NOOP("Menu", "Print Pre&view"), Cmd::FilePrintPreview},
                           {TR_NOOP("Menu", "P&rint Setup..."), Cmd::FilePrintSetup},
                           kSep,
                           {TR_NOOP("Menu", "Save Map as PN&G..."), Cmd::SaveCoverageAsPng},
                           {TR_NOOP("Menu", "Save &Map as SVG..."), Cmd::SaveCoverageAsSvg},
                           kSep,
                           {TR_NOOP("Menu", "E&xit"), Cmd::AppExit}};
    items.insert(items.end(), tail.begin(), tail.end());
    N plan{TR_NOOP("Menu", "&Reading Plan"),
           0,
           {{TR_NOOP("Menu", "&Enter Reading"), Cmd::EnterReading},
            {TR_NOOP("Menu", "New Plan from &Unread Chapters..."), Cmd::NewPlanFromUnreadChapters}}};
    N view = ViewMenu();
    view.children.insert(view.children.end(), {kSep,
                                               {TR_NOOP("Menu", "Zoom &In\tCtrl++"), Cmd::MapZoomIn},
                                               {TR_NOOP("Menu", "Zoom &Out\tCtrl+-"), Cmd::MapZoomOut},
                                               {TR_NOOP("Menu", "&Fit to Window\tCtrl+0"), Cmd::MapFit}});
    return {{TR_NOOP("Menu", "&File"), 0, items}, view, plan, WindowMenu(), HelpMenu()};
}

// The Reading History window.
std::vector<N> MenuHistory() {
    std::vector<N> items = FileHead();
    std::vector<N> tail = {{TR_NOOP("Menu", "&Print...\tCtrl+P"), Cmd::FilePrint},
                           {TR_NOOP("Menu", "Print Pre&view"), Cmd::FilePrintPreview},
                           {TR_NOOP("Menu", "P&rint Setup..."), Cmd::FilePrintSetup},
                           kSep,
                           {TR_NOOP("Menu", "Save History as PN&G..."), Cmd::SaveHistoryAsPng},
                           {TR_NOOP("Menu", "Save &History as SVG..."), Cmd::SaveHistoryAsSvg},
                           kSep,
                           {TR_NOOP("Menu", "E&xit"), Cmd::AppExit}};
    items.insert(items.end(), tail.begin(), tail.end());
    N edit{TR_NOOP("Menu", "&Edit"), 0, {{TR_NOOP("Menu", "&Copy\tCtrl+C"), Cmd::EditCopy}}};
    return {{TR_NOOP("Menu", "&File"), 0, items}, edit, ViewMenuWithZoom(), WindowMenu(), HelpMenu()};
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
        {Cmd::NewReadingPlanTemplate,
         TR_NOOP("Command", "Create or change a reading plan template\nNew Reading Plan Template")},
        {Cmd::OpenReaderEnvironment,
         TR_NOOP("Command", "Choose a reader and open the reader's plan and notes\nOpen Reader Environment")},
        {Cmd::CloseReaderEnvironment,
         TR_NOOP("Command", "Close the open reader environment\nClose Reader Environment")},
        {Cmd::AppExit, TR_NOOP("Command", "Quit the program\nExit")},
        {Cmd::AppExitFramework, TR_NOOP("Command", "Quit the program\nExit")},
        {Cmd::SaveReadingPlan, TR_NOOP("Command", "Save the reading plan\nSave Reading Plan")},
        {Cmd::SaveVerseNotes, TR_NOOP("Command", "Save the verse notes\nSave Verse Notes")},
        {Cmd::NewPlan, TR_NOOP("Command", "Make a new plan from a template\nNew Plan")},
        {Cmd::NewPlanFromGallery,
         TR_NOOP("Command", "Make a new plan from a ready template\nNew Plan from Gallery")},
        {Cmd::ImportReadingList,
         TR_NOOP("Command", "Make a day-by-day reading list into a plan file\nImport Reading List")},
        {Cmd::ViewBibleCoverage,
         TR_NOOP("Command", "Show how often each chapter of the Bible has been read\nBible Coverage")},
        {Cmd::NewPlanFromUnreadChapters,
         TR_NOOP("Command", "Make a new plan of the chapters never read\nNew Plan from Unread Chapters")},
        {Cmd::SaveCoverageAsPng,
         TR_NOOP("Command", "Save the coverage map as a PNG picture\nSave Map as PNG")},
        {Cmd::SaveCoverageAsSvg,
         TR_NOOP("Command", "Save the coverage map as an SVG drawing\nSave Map as SVG")},
        {Cmd::ViewReadingHistory,
         TR_NOOP("Command", "Show the days you read on, your streaks and totals\nReading History")},
        {Cmd::SaveHistoryAsPng,
         TR_NOOP("Command", "Save the reading history as a PNG picture\nSave History as PNG")},
        {Cmd::SaveHistoryAsSvg,
         TR_NOOP("Command", "Save the reading history as an SVG drawing\nSave History as SVG")},
        {Cmd::EnterReading, TR_NOOP("Command", "Record a reading outside the plan\nEnter Reading")},
        {Cmd::NextReading, TR_NOOP("Command", "Go to the next reading\nNext Reading")},
        {Cmd::SyncWithOtherComputers,
         TR_NOOP("Command",
                 "Keep this reader the same on your other computers, through a folder they share\nSync "
                 "with Other Computers")},
        {Cmd::SynchronizeDates,
         TR_NOOP("Command", "Move the unfinished readings onto new dates\nSynchronize Dates")},
        {Cmd::ResetPlan, TR_NOOP("Command", "Mark the whole plan as unread\nReset Plan")},
        {Cmd::FirstReading, TR_NOOP("Command", "Go to the first reading\nFirst Reading")},
        {Cmd::LastReading, TR_NOOP("Command", "Go to the last reading\nLast Reading")},
        {Cmd::ResetLifetimeReadings,
         TR_NOOP("Command", "Forget every reading ever recorded\nReset Lifetime Readings")},
        {Cmd::FirstUnfinishedReading,
         TR_NOOP("Command", "Go to the first reading not yet finished\nFirst Unfinished Reading")},
        {Cmd::PreviousReading, TR_NOOP("Command", "Go to the previous reading\nPrevious Reading")},
        {Cmd::ByDate, TR_NOOP("Command", "Go to the reading of a date\nBy Date")},
        {Cmd::ByVerse, TR_NOOP("Command", "Go to the reading that holds a verse\nBy Verse")},
        {Cmd::FinishedReading,
         TR_NOOP("Command", "Mark the current reading as read (Ctrl+D)\nFinished Reading (Ctrl+D)")},
        {Cmd::PlanProperties, TR_NOOP("Command", "Show how the plan was made\nPlan Properties")},
        {Cmd::ReadAssignment, TR_NOOP("Command", "Show the text of the current assignment\nRead Assignment")},
        {Cmd::PassageZoomIn, TR_NOOP("Command", "Show the passage larger\nZoom In")},
        {Cmd::MapZoomIn, TR_NOOP("Command", "Show the map larger\nZoom In")},
        {Cmd::MapZoomOut,
         TR_NOOP("Command", "Show the map smaller, as far as its text stays readable\nZoom Out")},
        {Cmd::MapFit, TR_NOOP("Command", "Show the map as large as the window\nFit to Window")},
        {Cmd::PassageZoomOut, TR_NOOP("Command", "Show the passage smaller\nZoom Out")},
        {Cmd::FileOpen, TR_NOOP("Command", "Open a general notes file\nOpen")},
        {Cmd::FileSave, TR_NOOP("Command", "Save the general notes\nSave")},
        {Cmd::FileSaveAs, TR_NOOP("Command", "Save the general notes under a new name\nSave As")},
        {Cmd::FilePrintSetup, TR_NOOP("Command", "Change the printer and printing options\nPrint Setup")},
        {Cmd::FilePrint, TR_NOOP("Command", "Print the active document\nPrint")},
        {Cmd::FilePrintPreview, TR_NOOP("Command", "Show the pages as they will be printed\nPrint Preview")},
        {Cmd::EditCopy, TR_NOOP("Command", "Copy the selection to the clipboard\nCopy")},
        {Cmd::EditCut, TR_NOOP("Command", "Cut the selection to the clipboard\nCut")},
        {Cmd::EditPaste, TR_NOOP("Command", "Insert the clipboard's text\nPaste")},
        {Cmd::EditUndo, TR_NOOP("Command", "Undo the last change\nUndo")},
        {Cmd::EditRedo, TR_NOOP("Command", "Make the change undone last again\nRedo")},
        {Cmd::EditSelectAll, TR_NOOP("Command", "Select the whole text\nSelect All")},
        {Cmd::EditFind, TR_NOOP("Command", "Find a text\nFind")},
        {Cmd::EditRepeat, TR_NOOP("Command", "Find the text again\nFind Next")},
        {Cmd::EditReplace, TR_NOOP("Command", "Replace a text with another\nReplace")},
        {Cmd::WindowCascade, TR_NOOP("Command", "Arrange the windows so that they overlap\nCascade Windows")},
        {Cmd::WindowTile, TR_NOOP("Command", "Arrange the windows side by side\nTile Windows")},
        {Cmd::WindowArrange,
         TR_NOOP("Command", "Line up the minimized windows at the bottom\nArrange Icons")},
        {Cmd::AppAbout, TR_NOOP("Command", "Show the program's version\nAbout")},
        {Cmd::HelpFinder, TR_NOOP("Command", "List the help topics\nHelp Topics")},
        {Cmd::ContextHelp,
         TR_NOOP("Command", "Show help on the next button, menu item or window you click\nHelp")},
        {Cmd::Help, TR_NOOP("Command", "Show help on the active window\nHelp")},
        {Cmd::ViewToolbar, TR_NOOP("Command", "Show or hide the toolbar\nToggle Toolbar")},
        {Cmd::ViewStatusBar, TR_NOOP("Command", "Show or hide the status bar\nToggle Status Bar")},
        {Cmd::ViewZoomIn, TR_NOOP("Command", "Show the text larger\nZoom In")},
        {Cmd::ViewZoomOut, TR_NOOP("Command", "Show the text smaller\nZoom Out")},
        {Cmd::ViewActualSize, TR_NOOP("Command", "Show the text at its usual size\nActual Size")},
        {Cmd::ThemeDesktop,
         TR_NOOP("Command", "Show the windows in the desktop's colours\nFollow the Desktop")},
        {Cmd::ThemeLight, TR_NOOP("Command", "Show the windows dark on light\nLight")},
        {Cmd::ThemeDark, TR_NOOP("Command", "Show the windows light on dark\nDark")},
        {Cmd::ThemeHighContrast,
         TR_NOOP("Command", "Show the windows in the strongest contrast\nHigh Contrast")},
        {Cmd::FileMru1, TR_NOOP("Command", "Open this general notes file")},
        {Cmd::FileMru1 + 1, TR_NOOP("Command", "Open this general notes file")},
        {Cmd::FileMru1 + 2, TR_NOOP("Command", "Open this general notes file")},
        {Cmd::FileMru4, TR_NOOP("Command", "Open this general notes file")},
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
