// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's text-import parser on any bytes: it ends, and every range it
// makes lies inside the canon with its start not after its end.
#include "plan/TemplateText.h"
#include "scripture/Bible.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextImport r = ParseTextImport(std::string_view(reinterpret_cast<const char*>(data), size));
    const uint16_t total = TheBible().GetTotalVerseCount();
    if (r.sectionEntries.size() > kMaxSectionEntries) std::abort();
    if (r.hasSectionTable && !r.assignments.empty()) std::abort();
    for (const CPlanElement& e : r.assignments)
        for (const VerseRange& range : e.Ranges())
            if (range.start > range.end || range.end >= total) std::abort();
    return 0;
}
