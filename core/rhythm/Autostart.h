// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// "Start with the desktop session": an XDG autostart entry that starts the
// program minimised with the last reader's environment.

inline constexpr const char* kAutostartFileName = "scrivane.desktop";
inline constexpr const char* kAutostartArgument = "--autostart";

// $XDG_CONFIG_HOME/autostart/scrivane.desktop, or ~/.config/… when it is unset
// or not absolute (as the XDG rules say). Empty when neither is known.
std::string AutostartPath(const char* xdgConfigHome, const char* home);

// The entry: program and base directory as given, both quoted for the Exec key.
std::string AutostartEntry(const std::string& program, const std::string& baseDirectory);

// Writes (the autostart directory made when missing) or removes the entry.
// Errors are CFileException.
void SetAutostart(const std::string& path, bool on, const std::string& entry);
bool AutostartEnabled(const std::string& path);
