// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "resources/CommandTable.h"

#include <vector>

// The plan window's menu bar with the daily rhythm's items: File > Export Plan
// to Calendar… after Save Reading Plan, and Reading Plan > Reminder… at the end.
std::vector<MenuNode> WithDailyRhythm(std::vector<MenuNode> menus);
// The status bar text and tooltip of a daily rhythm command, as CommandPrompt
// gives them; null for any other command.
const char* RhythmCommandPrompt(int id);
