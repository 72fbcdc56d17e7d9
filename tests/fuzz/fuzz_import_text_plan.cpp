// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzPlanDoc.h"

#include <cstdint>
#include <string_view>

// Any text import makes some plan, in bounded time and memory.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPlanDoc f;
    f.doc.SetStartDate(CJJulian::Day(2026, 12, 7));
    f.doc.ImportTextPlan(std::string_view(reinterpret_cast<const char*>(data), size), nullptr);
    if (f.doc.GetElementCount() > kMaxAssignments) __builtin_trap();
    f.Exercise();
    return 0;
}
