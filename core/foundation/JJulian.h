// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class CArchive;

// A day as a Julian day number plus the time of day in milliseconds. Dates
// that stand for a whole day carry 01:00:00.000.
class CJJulian {
public:
    CJJulian() = default;
    CJJulian(int32_t dayNumber, int32_t timeOfDay) : dayNumber(dayNumber), timeOfDay(timeOfDay) {}

    static constexpr int32_t kMillisecondsPerDay = 86400000;
    static constexpr int32_t kOneOClock = 3600000;

    // A whole day: the calendar date at 01:00:00.000.
    static CJJulian Day(int16_t year, int16_t month, int16_t day);

    void SetDate(int16_t year, int16_t month, int16_t day);
    void SetTime(int16_t hour, int16_t minute, int16_t second, int16_t millisecond);
    void SetDateTime(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute, int16_t second,
                     int16_t millisecond);
    void SetToNow();

    int16_t GetYear() const;
    int16_t GetMonth() const;
    int16_t GetDay() const;
    int GetWeekday() const;
    std::string GetWeekdayName() const;
    std::string GetDateText() const;
    void AppendDateText(std::string& out) const;
    // The most bytes WriteDateText writes.
    static constexpr size_t kDateTextRoom = 64;
    // The date text written at p, which has room for kDateTextRoom bytes; the end is returned.
    char* WriteDateText(char* p) const;

    CJJulian AddDays(int16_t n) const;
    CJJulian AddMonths(int n) const;
    CJJulian NextDay() const { return AddDays(1); }
    CJJulian PreviousMonth() const { return AddMonths(-1); }

    int32_t GetDayNumber() const { return dayNumber; }
    int32_t GetTimeOfDay() const { return timeOfDay; }

    bool operator==(const CJJulian& o) const = default;
    bool operator<(const CJJulian& o) const {
        return dayNumber != o.dayNumber ? dayNumber < o.dayNumber : timeOfDay < o.timeOfDay;
    }
    bool operator>(const CJJulian& o) const { return o < *this; }
    bool operator>=(const CJJulian& o) const { return !(*this < o); }
    bool operator<=(const CJJulian& o) const { return !(o < *this); }

    void Serialize(CArchive& ar);

private:
    struct Civil {
        int16_t year, month, day;
    };
    Civil Convert() const;

    int32_t dayNumber = 0;
    int32_t timeOfDay = 0;
};
