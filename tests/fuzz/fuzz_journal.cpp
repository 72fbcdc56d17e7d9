// SPDX-License-Identifier: GPL-3.0-or-later
// The journal reader, which reads lines another computer (or anyone) may have written: any line
// either reads as a whole entry or is refused; what reads writes back to a line that reads the same;
// and its hunks, applied to any bytes, either leave them untouched or lead there and back.
#include "journal/Journal.h"
#include "journal/ReadingHistory.h"

#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::optional<CJournalEntry> e = ParseJournalEntry(input);
    if (!e) return 0;
    const std::string line = FormatJournalEntry(*e);
    const std::optional<CJournalEntry> again = ParseJournalEntry(line);
    if (!again || FormatJournalEntry(*again) != line) std::abort();
    const CReadingHistory history({*e, *again});
    for (const CReadingHistory::Day& d : history.Days())
        if (d.readings == 0) std::abort();
    for (const JournalFileChange& f : e->files) {
        std::string bytes(input.substr(0, std::min<size_t>(input.size(), 256)));
        const std::string original = bytes;
        if (!ApplyHunks(bytes, f.hunks, true)) {
            if (bytes != original) std::abort();
            continue;
        }
        if (!ApplyHunks(bytes, f.hunks, false) || bytes != original) std::abort();
    }
    return 0;
}
