// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Why the program cannot open a window on the display it was given, in one
// line; empty when it can (or when the platform is not one this can check).
// Qt would abort with a long message instead, so this is asked first.
std::string NoDisplayReason();
