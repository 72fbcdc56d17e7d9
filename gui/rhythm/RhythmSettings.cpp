// SPDX-License-Identifier: GPL-3.0-or-later
#include "RhythmSettings.h"

#include <QSettings>

ReaderRhythmSettings LoadRhythmSettings(QSettings& settings, const std::string& fileStem) {
    ReaderRhythmSettings r;
    settings.beginGroup(ReaderSettingsGroup(fileStem));
    r.reminder.enabled = settings.value("Reminder/Enabled", false).toBool();
    if (auto m = ParseReminderTime(settings.value("Reminder/Time", "08:00").toString().toStdString()))
        r.reminder.minuteOfDay = *m;
    bool ok = false;
    const int day = settings.value("Reminder/LastShown").toInt(&ok);
    if (ok) r.reminderLastShownDay = day;
    r.calendarPath = settings.value("Calendar/ExportPath").toString();
    settings.endGroup();
    return r;
}

void SaveReminderSettings(QSettings& settings, const std::string& fileStem,
                          const ReminderSettings& reminder) {
    settings.beginGroup(ReaderSettingsGroup(fileStem));
    settings.setValue("Reminder/Enabled", reminder.enabled);
    settings.setValue("Reminder/Time", QString::fromStdString(FormatReminderTime(reminder.minuteOfDay)));
    settings.endGroup();
}

void SaveReminderShown(QSettings& settings, const std::string& fileStem, int32_t dayNumber) {
    settings.setValue(ReaderSettingsGroup(fileStem) + "/Reminder/LastShown", dayNumber);
}

void SaveCalendarPath(QSettings& settings, const std::string& fileStem, const QString& path) {
    const QString key = ReaderSettingsGroup(fileStem) + "/Calendar/ExportPath";
    if (path.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, path);
}
