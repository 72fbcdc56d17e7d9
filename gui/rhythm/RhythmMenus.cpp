// SPDX-License-Identifier: GPL-3.0-or-later
#include "RhythmMenus.h"

#include "RhythmCommandIds.h"
#include "framework/CommandIds.h"

#include <algorithm>

std::vector<MenuNode> WithDailyRhythm(std::vector<MenuNode> menus) {
    for (MenuNode& popup : menus) {
        if (popup.text == "&File") {
            auto save = std::find_if(popup.children.begin(), popup.children.end(),
                                     [](const MenuNode& n) { return n.id == Cmd::SaveReadingPlan; });
            if (save != popup.children.end())
                popup.children.insert(
                    save + 1, MenuNode("Expor&t Plan to Calendar...", RhythmCmd::ExportPlanToCalendar));
        } else if (popup.text == "&Reading Plan") {
            popup.children.push_back(MenuNode());
            popup.children.push_back(MenuNode("Re&minder...", RhythmCmd::Reminder));
        }
    }
    return menus;
}

const char* RhythmCommandPrompt(int id) {
    switch (id) {
    case RhythmCmd::ExportPlanToCalendar:
        return "Write the plan as a calendar file that follows the plan\nExport Plan to Calendar";
    case RhythmCmd::Reminder:
        return "Choose when to be reminded of the day's reading\nReminder";
    default:
        return nullptr;
    }
}
