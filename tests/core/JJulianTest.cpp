// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/JJulian.h"
#include "foundation/Archive.h"
#include "foundation/Clock.h"

#include <gtest/gtest.h>

namespace {

CJJulian Date(int y, int m, int d) {
    CJJulian j;
    j.SetDate(static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d));
    return j;
}

TEST(JJulian, KnownDays) {
    struct Case {
        int y, m, d;
        int32_t day;
        int weekday;
        const char* text;
    } cases[] = {
        {2000, 1, 1, 2451545, 7, "Sat 01/01/2000"},
        {1900, 1, 1, 2415021, 2, "Mon 01/01/1900"},
        {3000, 1, 1, 2816788, 4, "Wed 01/01/3000"},
        {2000, 2, 29, 2451604, 3, "Tue 02/29/2000"},
        {1900, 2, 29, 2415080, 5, "Thu 03/01/1900"},
        {2001, 12, 25, 2452269, 3, "Tue 12/25/2001"},
        {2001, 3, 3, 2451972, 7, "Sat 03/03/2001"},
        {1, 1, 1, 1721426, 2, "Mon 01/01/1"},
        // Years of more than four digits keep their last four; a year before 1 its sign.
        {12345, 6, 7, 6230136, 5, "Thu 06/07/2345"},
        {-5, 3, 1, 1719293, 4, "Wed 03/01/-5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CJJulian j = Date(c.y, c.m, c.d);
        EXPECT_EQ(j.GetDayNumber(), c.day);
        EXPECT_EQ(j.GetWeekday(), c.weekday);
        EXPECT_EQ(j.GetDateText(), c.text);
    }
}

TEST(JJulian, MonthsAndDaysNormalise) {
    struct Case {
        int y, m, d, ey, em, ed;
    } cases[] = {
        {2001, 13, 1, 2002, 1, 1}, {2001, 0, 1, 2000, 12, 1}, {2001, -11, 1, 2000, 1, 1},
        {2001, 25, 1, 2003, 1, 1}, {2001, 3, 0, 2001, 2, 28}, {2001, 4, 31, 2001, 5, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Date(c.y, c.m, c.d), Date(c.ey, c.em, c.ed)) << c.y << "-" << c.m;
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

TEST(JJulian, EveryDayOfTenThousandYearsRoundTrips) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int32_t expected = Date(1, 1, 1).GetDayNumber();
    int weekday = Date(1, 1, 1).GetWeekday();
    for (int y = 1; y <= 9999; ++y) {
        for (int m = 1; m <= 12; ++m) {
            int days = kDays[m - 1] + (m == 2 && IsLeap(y) ? 1 : 0);
            for (int d = 1; d <= days; ++d) {
                CJJulian j = Date(y, m, d);
                ASSERT_EQ(j.GetDayNumber(), expected) << y << "-" << m << "-" << d;
                ASSERT_EQ(j.GetYear(), y);
                ASSERT_EQ(j.GetMonth(), m);
                ASSERT_EQ(j.GetDay(), d);
                ASSERT_EQ(j.GetWeekday(), weekday);
                ++expected;
                weekday = weekday % 7 + 1;
            }
        }
    }
}

TEST(JJulian, SetTimeCarriesWholeDays) {
    struct Case {
        int h, m, s, ms;
        int32_t dayShift, time;
    } cases[] = {
        {1, 0, 0, 0, 0, 3600000},           {24, 0, 0, 0, 1, 0},
        {-1, 0, 0, 0, -1, 82800000},        {0, 0, 0, -1, -1, 86399999},
        {23, 59, 59, 999, 0, 86399999},     {32767, 0, 0, 0, 1365, 25200000},
        {-32768, 0, 0, 0, -1366, 57600000}, {0, 32767, 32767, 32767, 23, 11619767},
    };
    for (const Case& c : cases) {
        CJJulian j = Date(2000, 1, 1);
        j.SetTime(static_cast<int16_t>(c.h), static_cast<int16_t>(c.m), static_cast<int16_t>(c.s),
                  static_cast<int16_t>(c.ms));
        EXPECT_EQ(j.GetDayNumber(), 2451545 + c.dayShift) << c.h;
        EXPECT_EQ(j.GetTimeOfDay(), c.time) << c.h;
    }
    // The old time of day is replaced, not added to.
    CJJulian j = Date(2000, 1, 1);
    j.SetTime(23, 0, 0, 0);
    j.SetTime(2, 0, 0, 0);
    EXPECT_EQ(j.GetDayNumber(), 2451545);
    EXPECT_EQ(j.GetTimeOfDay(), 7200000);
}

TEST(JJulian, ComparisonsUseDayThenTime) {
    CJJulian one, noon, lateNight, nextMidnight;
    one.SetDateTime(2001, 5, 5, 1, 0, 0, 0);
    noon.SetDateTime(2001, 5, 5, 12, 0, 0, 0);
    lateNight.SetDateTime(2001, 5, 5, 23, 0, 0, 0);
    nextMidnight.SetDateTime(2001, 5, 6, 0, 0, 0, 0);
    EXPECT_LT(one, noon);
    EXPECT_GT(noon, one);
    EXPECT_LT(lateNight, nextMidnight);
    EXPECT_GE(one, one);
    EXPECT_NE(one, noon);
}

TEST(JJulian, AddMonthsRollsIntoTheNextMonth) {
    struct Case {
        int y, m, d, n, ey, em, ed;
    } cases[] = {
        {2001, 1, 31, 1, 2001, 3, 3},   {2001, 3, 31, -1, 2001, 3, 3},    {2000, 2, 29, 12, 2001, 3, 1},
        {2001, 11, 15, 3, 2002, 2, 15}, {2001, 1, 15, -13, 1999, 12, 15},
    };
    for (const Case& c : cases) {
        CJJulian j =
            CJJulian::Day(static_cast<int16_t>(c.y), static_cast<int16_t>(c.m), static_cast<int16_t>(c.d));
        CJJulian r = j.AddMonths(c.n);
        EXPECT_EQ(r, CJJulian::Day(static_cast<int16_t>(c.ey), static_cast<int16_t>(c.em),
                                   static_cast<int16_t>(c.ed)));
        EXPECT_EQ(r.GetTimeOfDay(), CJJulian::kOneOClock);
    }
    CJJulian j = CJJulian::Day(2001, 1, 31);
    EXPECT_EQ(j.NextDay().GetDateText(), "Thu 02/01/2001");
    EXPECT_EQ(j.PreviousMonth().GetDateText(), "Sun 12/31/2000");
}

TEST(JJulian, StoredFormIsEightBytes) {
    CJJulian j = CJJulian::Day(2000, 1, 1);
    CArchive ar;
    j.Serialize(ar);
    EXPECT_EQ(ar.Bytes(), std::string("\x59\x68\x25\x00\x80\xEE\x36\x00", 8));
    CArchive in(ar.Bytes());
    CJJulian back;
    back.Serialize(in);
    EXPECT_EQ(back, j);
}

TEST(Clock, OverrideAndIsoParsing) {
    SetTodayOverride(CJJulian::Day(2026, 12, 7));
    EXPECT_EQ(Today().GetDateText(), "Mon 12/07/2026");
    EXPECT_EQ(Today().GetTimeOfDay(), CJJulian::kOneOClock);
    SetTodayOverride(std::nullopt);
    EXPECT_EQ(ParseIsoDate("2001-13-1"), CJJulian::Day(2002, 1, 1));
    for (const char* bad : {"", "2001", "2001-1", "2001-1-1x", "a-b-c", "99999-1-1", "2001-1--"})
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
}

} // namespace
