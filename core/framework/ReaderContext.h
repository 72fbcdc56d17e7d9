// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// What the documents of an open reader environment need to find their files:
// the base directory and the current reader. The application shell owns one
// and keeps it current; the documents only read it (the general notes
// document also records a new path after Save As).
struct CReaderContext {
    std::string baseDirectory;
    std::string displayName;      // empty while no environment is open
    std::string fileStem;         // "\Bob (John Smith)\Bob"
    std::string generalNotesPath; // full native path
};
