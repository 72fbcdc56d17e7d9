// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/RescueFile.h"

#include <string>

class IUiServices;
struct CReaderContext;

// Before a document writes over a file that once failed to load and could
// not be moved then: tries again. False (with the save message shown) when
// the file is still in the way.
bool MoveDamagedFileBeforeWriting(IUiServices& ui, const std::string& path);

// Makes the reader's directory again when it went away while the environment
// was open and path lies in it, so that the notes can still be written.
void RemakeReaderDirectory(const CReaderContext& context, const std::string& path);
