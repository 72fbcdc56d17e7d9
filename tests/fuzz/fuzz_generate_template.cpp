// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzPlanDoc.h"
#include "plan/TemplateFile.h"
#include "scripture/Bible.h"

#include <cstdint>
#include <exception>
#include <string>

// Any template that reads makes a plan whose every range lies in the canon.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPlanDoc f;
    CPlanTemplate t;
    try {
        t = ReadTemplateArchive(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception&) {
        return 0;
    }
    f.doc.SetStartDate(CJJulian::Day(2026, 12, 7));
    f.doc.GenerateFromTemplate(t, nullptr);
    const uint16_t verses = TheBible().GetTotalVerseCount();
    for (const CPlanElement& e : f.doc.Elements())
        for (const VerseRange& r : e.Ranges())
            if (r.start > r.end || r.end >= verses) __builtin_trap();
    return 0;
}
