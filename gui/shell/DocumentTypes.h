// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/DocTemplate.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDocument;
class CReaderEnvironment;
class IUiServices;

// The three document types in the order they are registered: reading plan,
// general notes, verse notes. Each names its document, frame and view.
// addToRecentFiles hears of each path the general notes take.
// filesHeldByOthers gives the files every open document but the one named holds.
std::vector<std::unique_ptr<CDocTemplate>>
MakeDocumentTypes(IUiServices& ui, CReaderEnvironment& env,
                  std::function<void(const std::string&)> addToRecentFiles = {},
                  std::function<std::vector<std::string>(const CDocument*)> filesHeldByOthers = {});

inline constexpr const char* kReadingPlanStrings =
    "Plan\n\nScrivane Reading Plan File\nScrivane Reading Plan  (*.vnpln)\n.vnpln\nScrivane.ReadingPlan\n"
    "Scrivane Reading Plan";
inline constexpr const char* kGeneralNotesStrings =
    "General\n\n\nGeneral Notes  (*.txt)\n.txt\nScrivane.GeneralNotes\nScrivane General Notes";
inline constexpr const char* kVerseNotesStrings =
    "Verse\n\nScrivane Verse Notes File\nScrivane Verse Notes  (*.vnnot)\n.vnnot\nScrivane.VerseNotes\n"
    "Scrivane Verse Notes";
