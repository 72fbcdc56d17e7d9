// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanElement.h"

#include "foundation/Archive.h"

#include <bit>
#include <cstddef>
#include <type_traits>

namespace {

// On a little-endian machine a range in memory has the bytes it has in a
// file, start then end, so a day's ranges are copied in one piece.
constexpr bool kRangesAsStored = std::endian::native == std::endian::little && sizeof(VerseRange) == 4 &&
                                 std::is_trivially_copyable_v<VerseRange> && offsetof(VerseRange, end) == 2;

} // namespace

void CRangeList::SerializeRanges(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteDWord(static_cast<uint32_t>(ranges_.size()));
        if constexpr (kRangesAsStored) {
            ar.Write(ranges_.data(), ranges_.size() * sizeof(VerseRange));
        } else {
            for (const VerseRange& r : ranges_) {
                ar.WriteWord(r.start);
                ar.WriteWord(r.end);
            }
        }
    } else {
        ranges_.clear();
        uint32_t n = ar.ReadDWord();
        ar.Require(uint64_t(n) * 4); // never allocate for ranges the file does not hold
        ranges_.resize(n);
        if constexpr (kRangesAsStored) {
            ar.Read(ranges_.data(), ranges_.size() * sizeof(VerseRange));
        } else {
            for (VerseRange& r : ranges_) {
                r.start = ar.ReadWord();
                r.end = ar.ReadWord();
            }
        }
    }
}

void CPlanElement::Serialize(CArchive& ar) {
    originalDate.Serialize(ar);
    scheduledDate.Serialize(ar);
    SerializeRanges(ar);
}

void CLogElement::Serialize(CArchive& ar) {
    date.Serialize(ar);
    SerializeRanges(ar);
}
