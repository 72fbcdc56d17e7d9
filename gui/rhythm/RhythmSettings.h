#pragma once
#include "rhythm/Reminder.h"

#include <QString>
#include <optional>
#include <string>

class QSettings;

// What the daily rhythm keeps per reader, in the per-user settings under a
// group named by the reader's file stem. Nothing of it goes into the reader's files.
struct ReaderRhythmSettings {
    ReminderSettings reminder;
    std::optional<int32_t> reminderLastShownDay;
    QString calendarPath; // empty: no export
};

QString ReaderSettingsGroup(const std::string& fileStem);
ReaderRhythmSettings LoadRhythmSettings(QSettings& settings, const std::string& fileStem);
void SaveReminderSettings(QSettings& settings, const std::string& fileStem, const ReminderSettings& reminder);
void SaveReminderShown(QSettings& settings, const std::string& fileStem, int32_t dayNumber);
void SaveCalendarPath(QSettings& settings, const std::string& fileStem, const QString& path);
