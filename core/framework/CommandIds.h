// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Command ids of the menus, the toolbar and the shortcut tables.
namespace Cmd {
// Application and environment
inline constexpr int NewReadingPlanTemplate = 32772;
inline constexpr int OpenReaderEnvironment = 32793;
inline constexpr int CloseReaderEnvironment = 32795;
inline constexpr int AppExit = 32823;             // Exit in the document menus
inline constexpr int CloseDocumentWindow = 32856; // Ctrl+F4, taken and ignored by every document

// Reading plan
inline constexpr int SaveReadingPlan = 32787;
inline constexpr int SaveVerseNotes = 32788;
inline constexpr int NewPlan = 32825;
inline constexpr int EnterReading = 32826;
inline constexpr int NextReading = 32827;
inline constexpr int SynchronizeDates = 32828;
inline constexpr int ResetPlan = 32831;
inline constexpr int FirstReading = 32836;
inline constexpr int LastReading = 32837;
inline constexpr int ResetLifetimeReadings = 32842;
inline constexpr int FirstUnfinishedReading = 32843;
inline constexpr int PreviousReading = 32844;
inline constexpr int ByDate = 32845;
inline constexpr int ByVerse = 32846;
inline constexpr int FinishedReading = 32847;
inline constexpr int PlanProperties = 32859;

// Plan gallery and reading lists: a block of their own, clear of the framework's.
inline constexpr int NewPlanFromGallery = 0x8600;
inline constexpr int ImportReadingList = 0x8601;

// The passage window (ids of our own, clear of the ranges above)
inline constexpr int ReadAssignment = 0x8800;
inline constexpr int PassageZoomIn = 0x8801;
inline constexpr int PassageZoomOut = 0x8802;
// The coverage map's zoom
inline constexpr int MapZoomIn = 0x8803;
inline constexpr int MapZoomOut = 0x8804;
inline constexpr int MapFit = 0x8805;

// The framework's standard commands
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePageSetup = 57605;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintDirect = 57608;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileMru1 = 57616;
inline constexpr int FileMru4 = 57619;
inline constexpr int EditClear = 57632;
inline constexpr int EditClearAll = 57633;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditFind = 57636;
inline constexpr int EditPaste = 57637;
inline constexpr int EditRepeat = 57640; // Find Next
inline constexpr int EditReplace = 57641;
inline constexpr int EditSelectAll = 57642;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int WindowArrange = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExitFramework = 57665;
inline constexpr int HelpIndex = 57666;
inline constexpr int HelpFinder = 57667; // Help Topics
inline constexpr int HelpUsing = 57668;
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;
inline constexpr int DefaultHelp = 57671;
inline constexpr int NextPane = 57680;
inline constexpr int PreviousPane = 57681;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

// Bible Coverage and plans of the unread chapters: a block of our own.
inline constexpr int ViewBibleCoverage = 0x8700;
inline constexpr int NewPlanFromUnreadChapters = 0x8701;
inline constexpr int SaveCoverageAsPng = 0x8702;
inline constexpr int SaveCoverageAsSvg = 0x8703;
// The Reading History window.
inline constexpr int ViewReadingHistory = 0x8704;
inline constexpr int SaveHistoryAsPng = 0x8705;
inline constexpr int SaveHistoryAsSvg = 0x8706;
// Reading Plan > Sync with Other Computers.
inline constexpr int SyncWithOtherComputers = 0x8707;

// View > Theme: a block of our own.
inline constexpr int ThemeDesktop = 0x8B00;
inline constexpr int ThemeLight = 0x8B01;
inline constexpr int ThemeDark = 0x8B02;
inline constexpr int ThemeHighContrast = 0x8B03;
// View > Zoom In, Zoom Out and Actual Size of the plan and notes windows.
inline constexpr int ViewZoomIn = 0x8B04;
inline constexpr int ViewZoomOut = 0x8B05;
inline constexpr int ViewActualSize = 0x8B06;
} // namespace Cmd

// Help context numbers: a control's pop-up and a dialog's or window's topic.
inline constexpr int HelpIdForControl(int controlId) {
    return 0x10000 + controlId;
}
inline constexpr int HelpIdForResource(int resourceId) {
    return 0x20000 + resourceId;
}
