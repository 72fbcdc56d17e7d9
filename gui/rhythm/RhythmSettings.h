#pragma once
#include "rhythm/Reminder.h"

#include <QString>
#include <optional>
#include <string>

class QSettings;

// What the daily rhythm keeps per reader, in the per-user settings under a
// group named by the base directory and the reader's file stem: two base
// directories (a copy, another user's) never share a reader's settings, such
// as the calendar file it keeps up to date. Nothing of it goes into the
// reader's files.
struct ReaderRhythmSettings {
    ReminderSettings reminder;
    std::optional<int32_t> reminderLastShownDay;
    QString calendarPath; // empty: no export
};

// The base directory whose readers the groups name; set once at start-up.
// Without one, groups are named by the stem alone.
void SetReaderSettingsBase(const std::string& baseDirectory);
QString ReaderSettingsGroup(const std::string& fileStem);
// Settings an earlier version kept under the reader's stem alone are moved under this base
// directory's key, so that an upgrade keeps the reminder, the calendar file and the translation.
void AdoptUnkeyedReaderSettings(QSettings& settings, const std::string& fileStem);
ReaderRhythmSettings LoadRhythmSettings(QSettings& settings, const std::string& fileStem);
void SaveReminderSettings(QSettings& settings, const std::string& fileStem, const ReminderSettings& reminder);
void SaveReminderShown(QSettings& settings, const std::string& fileStem, int32_t dayNumber);
void SaveCalendarPath(QSettings& settings, const std::string& fileStem, const QString& path);
