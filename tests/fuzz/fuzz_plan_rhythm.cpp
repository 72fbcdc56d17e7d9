// SPDX-License-Identifier: GPL-3.0-or-later
// A plan file as the command line's "today", the reminder and the calendar export see it: any
// dates and ranges a file can hold must give an answer at once and a calendar libical can read.
#include "FuzzPlanDoc.h"
#include "calendar/PlanCalendar.h"
#include "foundation/Archive.h"
#include "rhythm/Reminder.h"
#include "rhythm/TodayStatus.h"

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <libical/ical.h>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPlanDoc f;
    try {
        CArchive ar(std::string(reinterpret_cast<const char*>(data), size));
        f.doc.Serialize(ar);
    } catch (const std::exception&) {
        return 0;
    }
    for (const CJJulian& day : {CJJulian::Day(2026, 12, 7), CJJulian(INT32_MIN, 0), CJJulian(INT32_MAX, 0)}) {
        const TodayStatus s = ComputeTodayStatus(f.doc, day);
        (void)StatusWord(s);
        (void)IsoDate(s.dueDate);
        (void)TodayTooltip(f.doc, day);
        (void)ReminderDue({true, 0}, f.doc, day, std::nullopt);
    }
    if (f.doc.GetElementCount() > 256) return 0; // the export's cost grows with the plan, not its risk
    PlanCalendarOptions options;
    options.readerStem = "\\Fuzz";
    options.stamp = 1796000000;
    const std::string text = PlanCalendarText(f.doc, options);
    icalcomponent* cal = icalparser_parse_string(text.c_str());
    if (!cal || icalcomponent_count_components(cal, ICAL_VEVENT_COMPONENT) != f.doc.GetElementCount())
        std::abort();
    icalcomponent_free(cal);
    return 0;
}
