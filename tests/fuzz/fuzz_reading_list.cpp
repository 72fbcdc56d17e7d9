// SPDX-License-Identifier: GPL-3.0-or-later
// The reading-list reader and the reference reader on any bytes: they end, every range lies inside the
// canon in order, and the text import written from it reads back as the same
// days with the same readings.
#include "gallery/ReadingList.h"
#include "plan/TemplateText.h"
#include "scripture/Bible.h"
#include "scripture/ReferenceParser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const ReadingListOptions options{(data[0] & 1) != 0};
    const ReadingList list =
        ParseReadingList(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), options);
    const uint16_t total = TheBible().GetTotalVerseCount();
    // The same bytes as one typed reference: read inside the canon, in order, or refused with a reason.
    const CReferenceReading typed =
        ReadReference(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    if (typed.Ok() ? typed.first > typed.last || typed.last >= total || typed.firstBook > typed.lastBook
                   : typed.error.empty())
        std::abort();
    for (const ReadingListDay& d : list.days) {
        // Only days that keep the list's calendar are empty when empty days are not asked for.
        if (!options.keepEmptyDays && d.ranges.empty() && !d.keepsCalendar) std::abort();
        for (const VerseRange& r : d.ranges)
            if (r.start > r.end || r.end >= total) std::abort();
    }
    for (const ReadingListProblem& p : list.problems)
        if (p.line == 0 || p.reason.empty()) std::abort();
    const TextImport back = ParseTextImport(WriteReadingListImport(list, "t", "d"));
    if (back.hasSectionTable || back.assignments.size() != list.days.size()) std::abort();
    for (size_t i = 0; i < list.days.size(); ++i)
        if (back.assignments[i].Ranges() != list.days[i].ranges) std::abort();
    return 0;
}
