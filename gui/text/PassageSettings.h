// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/ReaderSettings.h"

#include <QString>
#include <string>

// The passage's settings belong to one reader: they live in the user's
// settings in the reader's group (ReaderSettingsGroup), never in the
// reader's files.
inline constexpr const char* kPassageModuleKey = "Passage/Module";
inline constexpr const char* kPassageZoomKey = "Passage/Zoom";

// The translation the reader chose last; empty when none.
inline QString RememberedModule(const std::string& fileStem) {
    QString group = ReaderSettingsGroup(fileStem);
    if (group.isEmpty()) return {};
    return UserSettings().value(group + "/" + kPassageModuleKey).toString();
}
