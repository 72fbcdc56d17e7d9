// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingHistory.h"

#include "foundation/Clock.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

bool IsReading(const std::string& kind) {
    return kind == "finish" || kind == "mark" || kind == "extra";
}

// The verses of both lists once each, as sorted ranges.
VerseRanges Union(VerseRanges ranges) {
    std::sort(ranges.begin(), ranges.end());
    VerseRanges out;
    for (const auto& r : ranges) {
        if (!out.empty() && uint32_t(r.first) <= uint32_t(out.back().second) + 1)
            out.back().second = std::max(out.back().second, r.second);
        else
            out.push_back(r);
    }
    return out;
}

} // namespace

int32_t CReadingHistory::DayOf(const std::string& time) {
    if (time.size() < 10) return 0;
    const std::optional<CJJulian> d = ParseIsoDate(time.substr(0, 10));
    return d ? d->GetDayNumber() : 0;
}

CReadingHistory::CReadingHistory(const std::vector<CJournalEntry>& entries) {
    // A reading is known by its device and number; undo and redo name them so.
    std::map<std::pair<std::string, uint64_t>, size_t> byKey;
    std::vector<bool> stands;
    std::vector<Reading> all;
    for (const CJournalEntry& e : entries) {
        if (IsReading(e.kind)) {
            VerseRanges both = e.read;
            both.insert(both.end(), e.lifetime.begin(), e.lifetime.end());
            Reading r{e.time, e.kind, Union(std::move(both)), 0};
            for (const auto& [a, b] : r.ranges)
                r.verses += uint32_t(b - a) + 1;
            if (r.ranges.empty()) continue;
            byKey[{e.device, e.seq}] = all.size();
            all.push_back(std::move(r));
            stands.push_back(true);
        } else if (e.kind == "undo" || e.kind == "redo") {
            if (auto it = byKey.find({e.device, e.undoes}); it != byKey.end())
                stands[it->second] = e.kind == "redo";
        }
    }
    for (size_t i = 0; i < all.size(); ++i)
        if (stands[i]) readings_.push_back(std::move(all[i]));
    std::stable_sort(readings_.begin(), readings_.end(),
                     [](const Reading& a, const Reading& b) { return a.time < b.time; });

    std::map<int32_t, Day> days;
    for (const Reading& r : readings_) {
        const int32_t day = DayOf(r.time);
        if (day == 0) continue;
        Day& d = days[day];
        d.dayNumber = day;
        d.verses += r.verses;
        ++d.readings;
        for (const auto& [a, b] : r.ranges) {
            if (lastRead_.size() <= b) lastRead_.resize(size_t(b) + 1, 0);
            std::fill(lastRead_.begin() + a, lastRead_.begin() + b + 1, day);
        }
    }
    for (const auto& [number, d] : days)
        days_.push_back(d);
}

CReadingHistory::Streaks CReadingHistory::StreaksOn(const std::array<int32_t, 7>& readOn,
                                                    const CJJulian& today) const {
    const bool any = std::any_of(readOn.begin(), readOn.end(), [](int32_t w) { return w != 0; });
    auto planDay = [&](int32_t day) {
        return !any || readOn[size_t(CJJulian(day, 0).GetWeekday() - 1)] != 0;
    };
    Streaks s;
    if (days_.empty()) return s;
    // Longest: runs of reading days with no plan day between them left unread.
    int run = 0;
    int32_t last = 0;
    for (const Day& d : days_) {
        bool broken = last == 0;
        for (int32_t day = last + 1; !broken && day < d.dayNumber; ++day)
            broken = planDay(day);
        run = broken ? 1 : run + 1;
        s.longest = std::max(s.longest, run);
        last = d.dayNumber;
    }
    // Current: the run that reaches today, or yesterday's plan day while today is still open.
    const int32_t now = today.GetDayNumber();
    if (last > now) return s;
    bool open = true;
    for (int32_t day = now; day > last; --day)
        if (planDay(day) && day != now) open = false;
    s.current = open ? run : 0;
    return s;
}

int32_t CReadingHistory::LastRead(uint16_t start, uint16_t end) const {
    int32_t last = 0;
    for (size_t v = start; v <= end && v < lastRead_.size(); ++v)
        last = std::max(last, lastRead_[v]);
    return last;
}

std::string CReadingHistory::LastReadText(uint16_t start, uint16_t end) const {
    const int32_t day = LastRead(start, end);
    if (day == 0) return {};
    std::string text = "Last read ";
    CJJulian(day, 0).AppendDateText(text);
    return text;
}

CReadingHistory::Totals CReadingHistory::Between(int32_t first, int32_t last) const {
    Totals t;
    auto it = std::lower_bound(days_.begin(), days_.end(), first,
                               [](const Day& d, int32_t day) { return d.dayNumber < day; });
    for (; it != days_.end() && it->dayNumber <= last; ++it) {
        t.verses += it->verses;
        t.readings += it->readings;
        ++t.days;
    }
    return t;
}

std::vector<const CReadingHistory::Reading*> CReadingHistory::ReadingsOn(int32_t day) const {
    std::vector<const Reading*> out;
    for (const Reading& r : readings_)
        if (DayOf(r.time) == day) out.push_back(&r);
    return out;
}

int CReadingHistory::ShadeOf(uint32_t verses) {
    // A chapter is some 25 verses: a chapter, a few, a long sitting, a book.
    if (verses == 0) return 0;
    if (verses < 30) return 1;
    if (verses < 90) return 2;
    if (verses < 250) return 3;
    return 4;
}
