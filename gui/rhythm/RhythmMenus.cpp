// SPDX-License-Identifier: GPL-3.0-or-later
#include "RhythmMenus.h"

#include "RhythmCommandIds.h"
#include "foundation/Translatable.h"
#include "framework/CommandIds.h"

#include <algorithm>

std::vector<MenuNode> WithDailyRhythm(std::vector<MenuNode> menus) {
    for (MenuNode& popup : menus) {
        if (popup.text == "&File") {
            auto save = std::find_if(popup.children.begin(), popup.children.end(),
                                     [](const MenuNode& n) { return n.id == Cmd::SaveReadingPlan; });
            if (save != popup.children.end())
                popup.children.insert(save + 1, MenuNode(TR_NOOP("Menu", "Expor&t Plan to Calendar..."),
                                                         RhythmCmd::ExportPlanToCalendar));
        } else if (popup.text == "&Reading Plan") {
            popup.children.push_back(MenuNode());
            popup.children.push_back(MenuNode(TR_NOOP("Menu", "Re&minder..."), RhythmCmd::Reminder));
        }
    }
    return menus;
}

const char* RhythmCommandPrompt(int id) {
    switch (id) {
    case RhythmCmd::ExportPlanToCalendar:
        return TR_NOOP("Command",
                       "Write the plan as a calendar file that follows the plan\nExport Plan to Calendar");
    case RhythmCmd::Reminder:
        return TR_NOOP("Command", "Choose when to be reminded of the day's reading\nReminder");
    default:
        return nullptr;
    }
}
