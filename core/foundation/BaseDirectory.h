// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Where the reader file and the readers' directories live when no --base is
// given: ${XDG_DATA_HOME:-~/.local/share}/Scrivane, the same for the window
// program, the command line and the menu entry. Empty when no home directory
// is known.
std::string DefaultBaseDirectory();

// The base directory and the directories above it, made when missing. Empty
// on success, otherwise why it cannot be made.
std::string MakeBaseDirectory(const std::string& base);
