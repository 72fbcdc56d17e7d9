// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reminder.h"

#include "TodayStatus.h"
#include "foundation/Translatable.h"
#include "plan/ReadingPlanDoc.h"

#include <cstdio>

std::string FormatReminderTime(int minuteOfDay) {
    if (minuteOfDay < 0 || minuteOfDay >= 24 * 60) return {};
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
    return buf;
}

std::optional<int> ParseReminderTime(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2 || text.size() - colon != 3)
        return std::nullopt;
    int hour = 0, minute = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == colon) continue;
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        (i < colon ? hour : minute) = (i < colon ? hour : minute) * 10 + (text[i] - '0');
    }
    if (hour > 23 || minute > 59) return std::nullopt;
    return hour * 60 + minute;
}

std::optional<ReminderNotice> ReminderDue(const ReminderSettings& settings, const CReadingPlanDoc& doc,
                                          const CJJulian& now, std::optional<int32_t> lastShownDay,
                                          const CShownForms& forms) {
    if (!settings.enabled) return std::nullopt;
    if (lastShownDay && *lastShownDay == now.GetDayNumber()) return std::nullopt;
    if (now.GetTimeOfDay() < settings.minuteOfDay * 60000) return std::nullopt;
    if (doc.GetReadOnWeekday(now.GetWeekday()) == 0) return std::nullopt;
    const TodayStatus s = ComputeTodayStatus(doc, now, forms);
    if (!IsDueByToday(s, now)) return std::nullopt;
    ReminderNotice notice;
    notice.summary =
        forms.Text(s.kind == TodayStatus::Kind::overdue ? TR_NOOP("Core", "Scrivane: reading overdue")
                                                        : TR_NOOP("Core", "Scrivane: today's reading"));
    notice.body = s.readings;
    if (s.kind == TodayStatus::Kind::overdue)
        notice.body +=
            DatedText(forms,
                      s.readingDaysBehind == 1 ? TR_NOOP("Core", "\n(due %1, %2 reading day behind)")
                                               : TR_NOOP("Core", "\n(due %1, %2 reading days behind)"),
                      s.dueDate, {std::to_string(s.readingDaysBehind)});
    return notice;
}

std::string TodayTooltip(const CReadingPlanDoc& doc, const CJJulian& today, const CShownForms& forms) {
    const TodayStatus s = ComputeTodayStatus(doc, today, forms);
    switch (s.kind) {
    case TodayStatus::Kind::none:
        return forms.Text(TR_NOOP("Core", "Scrivane: no reading plan"));
    case TodayStatus::Kind::done:
        return forms.Text(TR_NOOP("Core", "Scrivane: reading plan completed"));
    case TodayStatus::Kind::due:
        if (s.dueDate.GetDayNumber() == today.GetDayNumber())
            return Substitute(forms.Text(TR_NOOP("Core", "Today's reading: %1")), {s.readings});
        return DatedText(forms, TR_NOOP("Core", "Next reading (%1): %2"), s.dueDate, {s.readings});
    case TodayStatus::Kind::overdue:
        return DatedText(forms, TR_NOOP("Core", "Overdue since %1: %2"), s.dueDate, {s.readings});
    }
    return {};
}
