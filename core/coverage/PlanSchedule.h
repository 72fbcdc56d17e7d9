// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"
#include "scripture/ShownForms.h"

#include <cstdint>
#include <string>

class CReadingPlanDoc;

// Where the plan stands today: the reading day reached against the plan's
// dates, and the assignments finished against those due. Today's own
// assignment is not behind until today is over, and reading it does not put
// the reader ahead.
struct PlanSchedule {
    uint32_t day = 0;          // reading days whose date has come, today's included
    uint32_t days = 0;         // reading days of the plan
    uint32_t finished = 0;     // assignments finished, wherever they lie
    uint32_t dueBefore = 0;    // assignments dated before today
    uint32_t dueThrough = 0;   // assignments dated today or before
    bool readingToday = false; // an assignment is dated today

    uint32_t Behind() const { return finished < dueBefore ? dueBefore - finished : 0; }
    uint32_t Ahead() const { return finished > dueThrough ? finished - dueThrough : 0; }
    bool HasPlan() const { return days != 0; }
    // "Day 34 of 365"; on a day without a reading before the plan's last, "No reading today; day 35
    // of 365 next", so that a weekday plan on a Sunday does not read as day 0 or as a day missed.
    std::string DayText(const CShownForms& forms = EnglishForms()) const;
    // "3 behind", "on schedule" or "2 ahead".
    std::string StatusText(const CShownForms& forms = EnglishForms()) const;
};

PlanSchedule ComputeSchedule(const CReadingPlanDoc& doc, const CJJulian& today);
