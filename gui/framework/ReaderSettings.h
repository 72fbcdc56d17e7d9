// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSettings>
#include <QString>
#include <string>

// What the program keeps for one reader beyond the reader's own files (the
// reminder, the calendar file, the passage's translation, …) lives in the
// per-user settings under a group named by the base directory and the
// reader's file stem: two base directories (a copy, another user's) never
// share a reader's settings.

// The per-user settings.
inline QSettings UserSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane");
}

// The base directory whose readers the groups name; set once at start-up.
// Without one, groups are named by the stem alone.
void SetReaderSettingsBase(const std::string& baseDirectory);
QString ReaderSettingsGroup(const std::string& fileStem);
// Settings an earlier version kept under the reader's stem alone are moved under this base
// directory's key, so that an upgrade keeps the reminder, the calendar file and the translation.
void AdoptUnkeyedReaderSettings(QSettings& settings, const std::string& fileStem);
