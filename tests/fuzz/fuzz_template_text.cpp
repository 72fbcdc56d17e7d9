// SPDX-License-Identifier: GPL-3.0-or-later
// The template editor's reader of the text form never fails, keeps every
// field in the range it allows, and what it reads writes and reads back
// unchanged.
#include "plan/TemplateText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CPlanTemplate t = ReadTemplateText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (t.sectionCount < 1 || t.sectionCount > 6 || t.divideBy < 0 || t.divideBy > 2) std::abort();
    if (t.repeatBooks < 0 || t.repeatBooks > 1 || t.planYears < 0 || t.planYears > 9) std::abort();
    if (t.planMonths < 0 || t.planDays < 0 || t.bookSection.size() != 66) std::abort();
    for (int32_t s : t.bookSection)
        if (s < 0 || s > 6) std::abort();
    CPlanTemplate written = t;
    std::string text = WriteTemplateText(written, "Fuzz");
    if (!(ReadTemplateText(text) == written)) std::abort();
    return 0;
}
