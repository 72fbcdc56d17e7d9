// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"
#include "scripture/ShownForms.h"

#include <cstdint>
#include <string>

class CReadingPlanDoc;

// Where a reader stands with the plan on a given day: the first assignment
// not yet finished, and whether it is due or how far behind the reader is.
struct TodayStatus {
    enum class Kind { none, due, overdue, done };
    Kind kind = Kind::none;
    uint16_t index = 0;        // the first unfinished assignment (due, overdue)
    CJJulian dueDate;          // its scheduled date
    int readingDaysBehind = 0; // overdue: reading days from the due date up to today
    std::string readings;      // its ranges as the plan window names them, "; " between them
};

// The plan's reading days counted from `from` up to, not including, `to`.
// A plan without reading days counts every day.
int CountReadingDays(const CReadingPlanDoc& doc, const CJJulian& from, const CJJulian& to);

// The readings of assignment i, as one line.
std::string AssignmentReadings(const CReadingPlanDoc& doc, uint16_t i,
                               const CShownForms& forms = EnglishForms());

TodayStatus ComputeTodayStatus(const CReadingPlanDoc& doc, const CJJulian& today,
                               const CShownForms& forms = EnglishForms());
// An unfinished reading due today or earlier: what a reminder and the tray's Finished Reading are about.
bool IsDueByToday(const TodayStatus& status, const CJJulian& today);

// "due", "overdue N", "done", "none".
std::string StatusWord(const TodayStatus& status);
// The date as YYYY-MM-DD, which sorts and parses in scripts.
std::string IsoDate(const CJJulian& date);
