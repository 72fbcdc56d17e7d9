// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanTemplate.h"

#include "scripture/Bible.h"

#include <algorithm>
#include <cstdint>

CPlanTemplate CPlanTemplate::EditorDefaults() {
    CPlanTemplate t;
    t.bookSection.assign(TheBible().GetBookCount(), 1);
    return t;
}

int32_t CPlanTemplate::PlanLengthDays() const {
    int64_t days = 365 * int64_t(planYears) + 30 * int64_t(planMonths) + int64_t(planDays);
    return static_cast<int32_t>(std::clamp<int64_t>(days, INT32_MIN, INT32_MAX));
}
