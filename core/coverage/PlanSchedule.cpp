// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanSchedule.h"

#include "foundation/Translatable.h"
#include "plan/ReadingPlanDoc.h"

std::string PlanSchedule::DayText(const CShownForms& forms) const {
    if (!readingToday && day < days)
        return Substitute(forms.Text(TR_NOOP("Core", "No reading today; day %1 of %2 next")),
                          {std::to_string(day + 1), std::to_string(days)});
    return Substitute(forms.Text(TR_NOOP("Core", "Day %1 of %2")),
                      {std::to_string(day), std::to_string(days)});
}

std::string PlanSchedule::StatusText(const CShownForms& forms) const {
    if (const uint32_t n = Behind())
        return Substitute(forms.Text(TR_NOOP("Core", "%1 behind")), {std::to_string(n)});
    if (const uint32_t n = Ahead())
        return Substitute(forms.Text(TR_NOOP("Core", "%1 ahead")), {std::to_string(n)});
    return forms.Text(TR_NOOP("Core", "on schedule"));
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
