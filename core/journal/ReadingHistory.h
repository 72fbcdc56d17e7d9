// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Journal.h"
#include "foundation/JJulian.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a reader read and when, as the journal tells it: the readings that
// stand (one undone is left out, one redone counts again), the reading days
// and the streaks of them.
class CReadingHistory {
public:
    struct Reading {
        std::string time; // YYYY-MM-DDTHH:MM:SS
        std::string kind;
        VerseRanges ranges;
        uint32_t verses = 0;
    };
    struct Day {
        int32_t dayNumber = 0;
        uint32_t verses = 0;
        uint32_t readings = 0;
    };
    struct Streaks {
        int current = 0;
        int longest = 0;
    };
    struct Totals {
        uint32_t verses = 0;
        uint32_t readings = 0;
        uint32_t days = 0;
    };

    explicit CReadingHistory(const std::vector<CJournalEntry>& entries);

    // In the order they were made.
    const std::vector<Reading>& Readings() const { return readings_; }
    // Every day with a reading, earliest first.
    const std::vector<Day>& Days() const { return days_; }
    // Days in a row with a reading, counting only the weekdays the plan reads on
    // (readOn[weekday - 1], Sunday first; none set: every day): a day off the plan neither
    // breaks a streak nor ends it, and today does not break it before it is over.
    Streaks StreaksOn(const std::array<int32_t, 7>& readOn, const CJJulian& today) const;
    // The day number of the last reading of any verse from start to end; 0 for never.
    int32_t LastRead(uint16_t start, uint16_t end) const;
    // "Last read Tue 01/05/2027"; empty for never, or not since the journal began.
    std::string LastReadText(uint16_t start, uint16_t end) const;

    // What was read from day first to day last, both included.
    Totals Between(int32_t first, int32_t last) const;
    // The readings made on a day, in their order.
    std::vector<const Reading*> ReadingsOn(int32_t day) const;
    // How deep a day with this many verses is shaded: 0 for none, up to 4 for a long day.
    static int ShadeOf(uint32_t verses);

    // "YYYY-MM-DD…" as a day number; 0 when it is not a date.
    static int32_t DayOf(const std::string& time);

private:
    std::vector<Reading> readings_;
    std::vector<Day> days_;
    std::vector<int32_t> lastRead_;
};
