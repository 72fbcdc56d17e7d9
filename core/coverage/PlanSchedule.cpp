// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanSchedule.h"

#include "plan/ReadingPlanDoc.h"

std::string PlanSchedule::DayText() const {
    if (!readingToday && day < days)
        return "No reading today; day " + std::to_string(day + 1) + " of " + std::to_string(days) + " next";
    return "Day " + std::to_string(day) + " of " + std::to_string(days);
}

std::string PlanSchedule::StatusText() const {
    if (const uint32_t n = Behind()) return std::to_string(n) + " behind";
    if (const uint32_t n = Ahead()) return std::to_string(n) + " ahead";
    return "on schedule";
}

PlanSchedule ComputeSchedule(const CReadingPlanDoc& doc, const CJJulian& today) {
    PlanSchedule s;
    const auto& elements = doc.Elements();
    s.days = static_cast<uint32_t>(elements.size());
    // Whole days: a date's time of day has no part in being due.
    const int32_t now = today.GetDayNumber();
    for (uint16_t i = 0; i < elements.size(); ++i) {
        const int32_t due = elements[i].GetScheduledDate().GetDayNumber();
        s.dueBefore += due < now;
        s.dueThrough += due <= now;
        s.readingToday = s.readingToday || due == now;
    }
    s.finished = doc.CountFinishedElements();
    s.day = s.dueThrough;
    return s;
}
