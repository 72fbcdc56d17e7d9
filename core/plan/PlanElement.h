// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/JJulian.h"

#include <cstdint>
#include <utility>
#include <vector>

class CArchive;

// An inclusive pair of absolute verse indices.
struct VerseRange {
    uint16_t start = 0;
    uint16_t end = 0;
    bool operator==(const VerseRange&) const = default;
};

// Ranges kept in the order they were added, stored as a DWORD count and then
// start/end WORD pairs.
class CRangeList {
public:
    uint16_t GetRangeCount() const { return static_cast<uint16_t>(ranges_.size()); }
    uint16_t GetRangeStart(uint16_t i) const { return i < ranges_.size() ? ranges_[i].start : 0; }
    uint16_t GetRangeEnd(uint16_t i) const { return i < ranges_.size() ? ranges_[i].end : 0; }
    void AddVerse(uint16_t v) { ranges_.push_back({v, v}); }
    // Appends (smaller, larger).
    void AddRange(uint16_t a, uint16_t b) { ranges_.push_back(a <= b ? VerseRange{a, b} : VerseRange{b, a}); }
    void ClearRanges() { ranges_.clear(); }
    const std::vector<VerseRange>& Ranges() const { return ranges_; }
    bool operator==(const CRangeList&) const = default;

protected:
    void SerializeRanges(CArchive& ar);

private:
    std::vector<VerseRange> ranges_;
};

// One assignment of the current plan: the day the generator gave it, the day
// it is due, and the verse ranges to read.
class CPlanElement : public CRangeList {
public:
    CJJulian GetOriginalDate() const { return originalDate; }
    CJJulian GetScheduledDate() const { return scheduledDate; }
    void SetOriginalDate(const CJJulian& d) { originalDate = d; }
    void SetScheduledDate(const CJJulian& d) { scheduledDate = d; }
    void Serialize(CArchive& ar);
    bool operator==(const CPlanElement&) const = default;

private:
    CJJulian originalDate;
    CJJulian scheduledDate;
};

// One entry of the reading log in the history file.
class CLogElement : public CRangeList {
public:
    void SetDate(const CJJulian& d) { date = d; }
    void Serialize(CArchive& ar);
    bool operator==(const CLogElement&) const = default;

private:
    CJJulian date;
};
