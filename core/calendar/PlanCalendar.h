// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/Translatable.h"

#include <cstdint>
#include <ctime>
#include <string>

class CReadingPlanDoc;
class CShownForms;

// The plan as an iCalendar (RFC 5545) file: one all-day event per assignment
// on its scheduled date, its readings as summary and description, finished
// ones marked. Each event's UID comes from the plan's identity and the
// assignment's place in it, never from a date, so that a calendar importing
// the file again after Synchronize Dates moves its events instead of adding
// new ones; a new plan gets new UIDs and replaces them.

inline constexpr const char* kFinishedPrefix = TR_NOOP("Core", "Finished: ");

struct PlanCalendarOptions {
    std::string readerStem;   // part of the plan's identity
    std::string calendarName; // shown by calendars that name a subscription
    std::time_t stamp = 0;    // DTSTAMP, UTC; 0 = now
    // The language of the events' texts, books and dates; none for the program's own English.
    const CShownForms* forms = nullptr;
};

// The plan's identity: the reader and the plan's making (template title and
// start date), which re-dating leaves alone.
std::string PlanIdentity(const CReadingPlanDoc& doc, const std::string& readerStem);
std::string AssignmentUid(const CReadingPlanDoc& doc, const std::string& readerStem, uint16_t index);

std::string PlanCalendarText(const CReadingPlanDoc& doc, const PlanCalendarOptions& options);

// Writes the calendar atomically to path. Errors are CFileException; the plan
// itself is never touched.
void ExportPlanCalendar(const CReadingPlanDoc& doc, const PlanCalendarOptions& options,
                        const std::string& path);
