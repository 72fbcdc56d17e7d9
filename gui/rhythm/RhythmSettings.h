// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/ReaderSettings.h"
#include "rhythm/Reminder.h"

#include <QString>
#include <optional>
#include <string>

class QSettings;

// What the daily rhythm keeps per reader, in the reader's settings group
// (ReaderSettingsGroup): nothing of it goes into the reader's files.
struct ReaderRhythmSettings {
    ReminderSettings reminder;
    std::optional<int32_t> reminderLastShownDay;
    QString calendarPath; // empty: no export
};

ReaderRhythmSettings LoadRhythmSettings(QSettings& settings, const std::string& fileStem);
void SaveReminderSettings(QSettings& settings, const std::string& fileStem, const ReminderSettings& reminder);
void SaveReminderShown(QSettings& settings, const std::string& fileStem, int32_t dayNumber);
void SaveCalendarPath(QSettings& settings, const std::string& fileStem, const QString& path);
