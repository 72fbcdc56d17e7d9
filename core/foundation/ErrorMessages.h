// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/Translatable.h"
#include <exception>
#include <string>

// The text the user is shown when loading or saving a file fails. fileName
// stands for %1 where a message names the file.
std::string LoadErrorMessage(const std::exception& e, const std::string& fileName);
std::string SaveErrorMessage(const std::exception& e, const std::string& fileName);

inline constexpr const char* kUnexpectedFileFormat = TR_NOOP("Core", "Unexpected file format.");
