#pragma once
#include <QSettings>
#include <QString>
#include <string>

// The passage's settings belong to one reader: they live in the user's
// settings under a group named by the reader's file stem, never in the
// reader's files.
inline QString ReaderSettingsGroup(const std::string& fileStem) {
    QString stem = QString::fromUtf8(fileStem.data(), static_cast<qsizetype>(fileStem.size()));
    while (stem.startsWith('\\'))
        stem.remove(0, 1);
    // QSettings separates groups with '/'; the stem's own backslashes say the same.
    return stem.replace('\\', '/');
}

inline QSettings UserSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane");
}

inline constexpr const char* kPassageModuleKey = "Passage/Module";
inline constexpr const char* kPassageZoomKey = "Passage/Zoom";

// The translation the reader chose last; empty when none.
inline QString RememberedModule(const std::string& fileStem) {
    QString group = ReaderSettingsGroup(fileStem);
    if (group.isEmpty()) return {};
    return UserSettings().value(group + "/" + kPassageModuleKey).toString();
}
