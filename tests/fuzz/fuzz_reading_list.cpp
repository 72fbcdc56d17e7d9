// The reading-list reader on any bytes: it ends, every range lies inside the
// canon in order, and the text import written from it reads back as the same
// days with the same readings.
#include "gallery/ReadingList.h"
#include "plan/TemplateText.h"
#include "scripture/Bible.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const ReadingListOptions options{(data[0] & 1) != 0};
    const ReadingList list =
        ParseReadingList(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), options);
    const uint16_t total = TheBible().GetTotalVerseCount();
    for (const ReadingListDay& d : list.days) {
        if (!options.keepEmptyDays && d.ranges.empty()) std::abort();
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
