// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// For a program that only looks at a reader's file named by its full path
// ("BASE/Bob (John Smith)/Bob.vnpln"): where to read it while an Edit Reader
// in its base directory (the directory above the reader's) is decided but
// not finished, so that the reader's new names show what they will hold.
// The path itself otherwise. Nothing is changed.
std::string PathForLooking(const std::string& path);
// The same for a file stem given as a path without extension.
std::string StemForLooking(const std::string& stemPath);
