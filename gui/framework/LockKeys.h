// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <optional>

// Whether Caps Lock, Num Lock and Scroll Lock are on, for the status bar's
// indicators; nothing where the window system does not tell (offscreen).
std::optional<std::array<bool, 3>> LockKeyStates();
