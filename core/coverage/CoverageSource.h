// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

class CReadingPlanDoc;

// Reads a reader's plan and history files into a document for looking only:
// nothing is written, a missing file leaves the empty state, and a damaged
// file is left where it is (the message comes back instead). The document
// must have been set up without a file stem, so that it never saves.
struct CoverageLoad {
    bool planFound = false;
    bool historyFound = false;
    std::string error; // empty when both files that exist could be read
};
CoverageLoad LoadForReading(CReadingPlanDoc& doc, const std::string& baseDirectory, const std::string& stem);
