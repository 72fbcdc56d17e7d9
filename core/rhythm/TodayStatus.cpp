// SPDX-License-Identifier: GPL-3.0-or-later
#include "TodayStatus.h"

#include "plan/ReadingPlanDoc.h"

#include <cstdint>
#include <cstdio>

int CountReadingDays(const CReadingPlanDoc& doc, const CJJulian& from, const CJJulian& to) {
    int perWeek = 0;
    for (int w = 1; w <= 7; ++w)
        perWeek += doc.GetReadOnWeekday(w) != 0;
    const bool anyDay = perWeek != 0;
    if (!anyDay) perWeek = 7;
    const int64_t days = int64_t(to.GetDayNumber()) - from.GetDayNumber();
    if (days <= 0) return 0;
    // Whole weeks at once: a plan file may hold any date at all, and a loop over the days
    // between year 1 and today would keep a login script waiting.
    int64_t count = days / 7 * perWeek;
    for (int64_t d = to.GetDayNumber() - days % 7; d < to.GetDayNumber(); ++d) {
        const int weekday = int((d + 1) % 7 + 7) % 7 + 1;
        if (!anyDay || doc.GetReadOnWeekday(weekday) != 0) ++count;
    }
    return count > INT32_MAX ? INT32_MAX : int(count);
}

std::string AssignmentReadings(const CReadingPlanDoc& doc, uint16_t i, const CShownForms& forms) {
    std::string text;
    if (!doc.IsValidElementIndex(i)) return text;
    for (const VerseRange& r : doc.Elements()[i].Ranges()) {
        if (!text.empty()) text += "; ";
        text += RangeText(r.start, r.end, forms);
    }
    return text;
}

TodayStatus ComputeTodayStatus(const CReadingPlanDoc& doc, const CJJulian& today, const CShownForms& forms) {
    TodayStatus s;
    const uint16_t count = doc.GetElementCount();
    if (count == 0) return s;
    uint16_t i = 0;
    while (i < count && doc.IsElementFinished(i))
        ++i;
    if (i == count) {
        s.kind = TodayStatus::Kind::done;
        return s;
    }
    s.index = i;
    s.dueDate = doc.Elements()[i].GetScheduledDate();
    s.readings = AssignmentReadings(doc, i, forms);
    if (s.dueDate.GetDayNumber() >= today.GetDayNumber()) {
        s.kind = TodayStatus::Kind::due;
        return s;
    }
    s.kind = TodayStatus::Kind::overdue;
    // A reading moved onto a day off still leaves the reader one reading behind.
    const int days = CountReadingDays(doc, s.dueDate, today);
    s.readingDaysBehind = days > 0 ? days : 1;
    return s;
}

bool IsDueByToday(const TodayStatus& status, const CJJulian& today) {
    return status.kind == TodayStatus::Kind::overdue ||
           (status.kind == TodayStatus::Kind::due && status.dueDate.GetDayNumber() <= today.GetDayNumber());
}

std::string StatusWord(const TodayStatus& status) {
    switch (status.kind) {
    case TodayStatus::Kind::due:
        return "due";
    case TodayStatus::Kind::overdue:
        return "overdue " + std::to_string(status.readingDaysBehind);
    case TodayStatus::Kind::done:
        return "done";
    case TodayStatus::Kind::none:
        break;
    }
    return "none";
}

std::string IsoDate(const CJJulian& date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", date.GetYear() % 10000, date.GetMonth(), date.GetDay());
    return buf;
}
