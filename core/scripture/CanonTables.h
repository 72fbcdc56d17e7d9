// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

inline constexpr int kBookNameWidth = 18;
inline constexpr const char* kEndMarker = "XXX";

extern const char kBookNames[67][kBookNameWidth];
extern const uint8_t kBookCategories[66];
extern const uint8_t kChapterCounts[66];
extern const uint16_t kVerseTable[1189];
// Psalms without a title verse 0.
extern const uint8_t kUntitledPsalms[34];
