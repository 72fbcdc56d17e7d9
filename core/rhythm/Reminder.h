// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"
#include "scripture/ShownForms.h"

#include <optional>
#include <string>

class CReadingPlanDoc;

// "Remind me at HH:MM on reading days": kept per reader in the settings.
struct ReminderSettings {
    bool enabled = false;
    int minuteOfDay = 8 * 60; // 0 … 1439
};

// The text of "HH:MM" and back; empty for anything else.
std::string FormatReminderTime(int minuteOfDay);
std::optional<int> ParseReminderTime(const std::string& text);

// What a reminder says.
struct ReminderNotice {
    std::string summary;
    std::string body;
};

// Whether the reminder should be shown now. It fires once a day (lastShownDay
// is the day number it was last shown on), at or after the chosen time, on a
// reading day of the plan, when an unfinished assignment is due today or
// earlier. now carries the local date and time of day. Its texts are in the forms' language.
std::optional<ReminderNotice> ReminderDue(const ReminderSettings& settings, const CReadingPlanDoc& doc,
                                          const CJJulian& now, std::optional<int32_t> lastShownDay,
                                          const CShownForms& forms = EnglishForms());

// The tray icon's tooltip: today's reading, or where the plan stands.
std::string TodayTooltip(const CReadingPlanDoc& doc, const CJJulian& today,
                         const CShownForms& forms = EnglishForms());
