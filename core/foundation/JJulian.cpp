// SPDX-License-Identifier: GPL-3.0-or-later
#include "JJulian.h"

#include "Archive.h"

#include <charconv>
#include <cstring>
#include <ctime>

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// One process-wide entry: the date picker asks year, month and day of one
// date in a row.
struct ConversionCache {
    bool valid = false;
    int32_t dayNumber = 0;
    int16_t year = 0, month = 0, day = 0;
} cache;

const char* const kWeekdayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

} // namespace

CJJulian CJJulian::Day(int16_t year, int16_t month, int16_t day) {
    CJJulian d(0, kOneOClock);
    d.SetDate(year, month, day);
    return d;
}

void CJJulian::SetDate(int16_t year16, int16_t month16, int16_t day16) {
    int year = year16, month = month16, day = day16;
    while (month > 12) {
        month -= 12;
        year += 1;
    }
    while (month < 1) {
        month += 12;
        year -= 1;
    }
    int k = (month + 9) / 12;
    int a = -((7 * (year + k)) / 4);
    int r = month <= 2 ? year - 1 : year;
    int b = -((3 * (r / 100 + 1)) / 4);
    int c = (275 * month) / 9;
    dayNumber = day + a + b + c + 367 * year + 1721029;
}

void CJJulian::SetTime(int16_t hour, int16_t minute, int16_t second, int16_t millisecond) {
    int64_t total = ((int64_t(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
    int64_t multiple = int64_t(kMillisecondsPerDay) * 1000000;
    int32_t days = 1000000;
    for (int k = 6; k >= 0; --k, multiple /= 10, days /= 10) {
        if (total >= 0) {
            while (total >= multiple) {
                total -= multiple;
                dayNumber += days;
            }
        } else {
            while (total < -multiple) {
                total += multiple;
                dayNumber -= days;
            }
        }
    }
    if (total < 0) {
        total += kMillisecondsPerDay;
        dayNumber -= 1;
    }
    timeOfDay = static_cast<int32_t>(total);
}

void CJJulian::SetDateTime(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute,
                           int16_t second, int16_t millisecond) {
    SetDate(year, month, day);
    SetTime(hour, minute, second, millisecond);
}

void CJJulian::SetToNow() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm local{};
    localtime_r(&ts.tv_sec, &local);
    SetDateTime(static_cast<int16_t>(local.tm_year + 1900), static_cast<int16_t>(local.tm_mon + 1),
                static_cast<int16_t>(local.tm_mday), static_cast<int16_t>(local.tm_hour),
                static_cast<int16_t>(local.tm_min), static_cast<int16_t>(local.tm_sec),
                static_cast<int16_t>(ts.tv_nsec / 1000000));
}

CJJulian::Civil CJJulian::Convert() const {
    if (cache.valid && cache.dayNumber == dayNumber) return {cache.year, cache.month, cache.day};
    int64_t J = dayNumber;
    int64_t alpha = FloorDiv(4 * J - 7468865, 146097);
    int64_t B = J + 1 + alpha - FloorDiv(alpha, 4) + 1524;
    int64_t C = FloorDiv(20 * B - 2442, 7305);
    int64_t D = B - FloorDiv(1461 * C, 4);
    int64_t E = FloorDiv(100 * D, 3061);
    int64_t day = D - FloorDiv(3061 * E, 100);
    int64_t month = E <= 13 ? E - 1 : E - 13;
    int64_t year = month >= 3 ? C - 4716 : C - 4715;
    cache = {true, dayNumber, static_cast<int16_t>(year), static_cast<int16_t>(month),
             static_cast<int16_t>(day)};
    return {cache.year, cache.month, cache.day};
}

int16_t CJJulian::GetYear() const {
    return Convert().year;
}
int16_t CJJulian::GetMonth() const {
    return Convert().month;
}
int16_t CJJulian::GetDay() const {
    return Convert().day;
}

int CJJulian::GetWeekday() const {
    // Positive remainder, so day numbers below zero still name a weekday.
    return static_cast<int>(((int64_t(dayNumber) + 1) % 7 + 7) % 7) + 1;
}

std::string CJJulian::GetWeekdayName() const {
    return kWeekdayNames[GetWeekday() - 1];
}

std::string CJJulian::GetDateText() const {
    std::string text;
    AppendDateText(text);
    return text;
}

void CJJulian::AppendDateText(std::string& out) const {
    const size_t at = out.size();
    out.resize(at + kDateTextRoom);
    char* p = WriteDateText(out.data() + at);
    out.resize(static_cast<size_t>(p - out.data()));
}

char* CJJulian::WriteDateText(char* p) const {
    const Civil c = Convert();
    // "Tue 04/10/2001": the month and day in two digits at least, the year in
    // its last four. A plan listing has two dates a line: the usual two- and
    // four-digit numbers are written digit by digit.
    auto number = [](char* p, int v, size_t atLeast, size_t atMost) {
        if (atLeast == 2 && v >= 0 && v < 100) {
            p[0] = static_cast<char>('0' + v / 10);
            p[1] = static_cast<char>('0' + v % 10);
            return p + 2;
        }
        if (atMost == 4 && v >= 1000 && v < 10000) {
            p[0] = static_cast<char>('0' + v / 1000);
            p[1] = static_cast<char>('0' + v / 100 % 10);
            p[2] = static_cast<char>('0' + v / 10 % 10);
            p[3] = static_cast<char>('0' + v % 10);
            return p + 4;
        }
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
        const auto n = static_cast<size_t>(end - digits);
        if (n < atLeast) {
            std::memset(p, '0', atLeast - n);
            p += atLeast - n;
        }
        const size_t skip = n > atMost ? n - atMost : 0;
        std::memcpy(p, digits + skip, n - skip);
        return p + (n - skip);
    };
    std::memcpy(p, kWeekdayNames[GetWeekday() - 1], 3);
    p[3] = ' ';
    p = number(p + 4, c.month, 2, 16);
    *p++ = '/';
    p = number(p, c.day, 2, 16);
    *p++ = '/';
    return number(p, c.year, 0, 4);
}

CJJulian CJJulian::AddDays(int16_t n) const {
    return CJJulian(dayNumber + n, timeOfDay);
}

CJJulian CJJulian::AddMonths(int n) const {
    Civil c = Convert();
    CJJulian r(*this);
    // Month arithmetic is on whole years first so that a large n stays within 16 bits.
    int months = c.month + n;
    int year = c.year + FloorDiv(months - 1, 12);
    months = static_cast<int>(months - 12 * FloorDiv(months - 1, 12));
    r.SetDate(static_cast<int16_t>(year), static_cast<int16_t>(months), c.day);
    return r;
}

void CJJulian::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        const auto d = static_cast<uint32_t>(dayNumber), t = static_cast<uint32_t>(timeOfDay);
        const char b[8] = {char(d), char(d >> 8), char(d >> 16), char(d >> 24),
                           char(t), char(t >> 8), char(t >> 16), char(t >> 24)};
        ar.Write(b, sizeof b);
    } else {
        dayNumber = ar.ReadLong();
        timeOfDay = ar.ReadLong();
    }
}
