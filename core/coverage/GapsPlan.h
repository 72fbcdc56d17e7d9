// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Coverage.h"
#include "foundation/JJulian.h"
#include "foundation/Translatable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a plan of the unread chapters is made over.
struct GapsPlanRequest {
    uint32_t days = 365;
    std::array<int32_t, 7> readOnWeekday{1, 1, 1, 1, 1, 1, 1}; // [0] is Sunday
    CJJulian startDate;                                        // the day New Plan will run
};

inline constexpr const char* kGapsPlanTitle = TR_NOOP("Core", "Unread Chapters");
inline constexpr const char* kNothingUnread =
    TR_NOOP("Core", "Every chapter of the Bible has been read at least once.");
inline constexpr const char* kNoGapsReadingDay = TR_NOOP("Core", "Choose at least one weekday to read on.");

// The unread chapters handed out over the reading days: as many days as
// there are reading days (or chapters, when fewer), each day's chapter count
// differing from any other's by at most one, in canon order.
std::vector<std::vector<const ChapterCoverage*>>
SpreadChapters(const std::vector<const ChapterCoverage*>& chapters, uint32_t readingDays);

// A text import with explicit readings: every chapter none of whose verses
// has been read, once each, spread over the reading days of the request.
// Empty when there is nothing unread or no reading day.
std::string MakeGapsPlanText(const CCoverage& coverage, const GapsPlanRequest& request);

// Parses "0111110" (Sunday first): false unless seven characters 0 or 1.
bool ParseWeekdays(const std::string& text, std::array<int32_t, 7>& out);
