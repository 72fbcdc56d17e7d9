// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The recipe of a reading plan, as the template files hold it, the editor
// shows it and the generator reads it. Weekdays are numbered 1 = Sunday …
// 7 = Saturday; readOnWeekday[0] is Sunday. bookSection has one entry per
// book of the canon: the section 1 … 6 that reads it, 0 = not in the plan.
struct CPlanTemplate {
    std::string templateTitle;
    std::string templateFormat;
    std::string templateDescription;
    int32_t includeApocrypha = 0;
    int32_t repeatBooks = 0;
    int32_t sectionCount = 1;
    int32_t divideBy = 0; // 0 chapters, otherwise verses
    int32_t planYears = 1;
    int32_t planMonths = 0;
    int32_t planDays = 0;
    std::array<int32_t, 7> readOnWeekday{1, 1, 1, 1, 1, 1, 1};
    std::vector<int32_t> bookSection;

    // The editor's defaults: one year, every day, chapters, every book in section 1.
    static CPlanTemplate EditorDefaults();

    // 365 × years + 30 × months + days; values read from a damaged file must
    // not overflow, so the sum is held within the 32-bit range.
    int32_t PlanLengthDays() const;
    bool operator==(const CPlanTemplate&) const = default;
};
