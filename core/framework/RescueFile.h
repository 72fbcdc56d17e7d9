// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

class IUiServices;

// The last chance for changes whose file could not be written when their
// document closed: they are written beside it (path + ".unsaved"), or into the
// home or temporary directory, and the user is told where. False when no place
// would take them; the user is told that too.
bool RescueUnsavedBytes(IUiServices& ui, const std::string& path, std::string_view bytes);

// A document file that failed to load: the user is told why (message) and
// what follows (afterwards, e.g. "the notes start empty"), and the file is
// moved aside (NAME.damaged), so that nothing written later replaces it.
// Returns false when the file could not be moved; the caller must then not
// write over it.
bool ReportAndKeepAside(IUiServices& ui, const std::string& message, const std::string& path,
                        const std::string& afterwards);
