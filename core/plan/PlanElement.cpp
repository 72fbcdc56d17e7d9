#include "PlanElement.h"

#include "foundation/Archive.h"

void CRangeList::SerializeRanges(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteDWord(static_cast<uint32_t>(ranges_.size()));
        for (const VerseRange& r : ranges_) {
            ar.WriteWord(r.start);
            ar.WriteWord(r.end);
        }
    } else {
        ranges_.clear();
        uint32_t n = ar.ReadDWord();
        ar.Require(uint64_t(n) * 4); // never allocate for ranges the file does not hold
        ranges_.resize(n);
        for (VerseRange& r : ranges_) {
            r.start = ar.ReadWord();
            r.end = ar.ReadWord();
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
