// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/PlanElement.h"
#include "foundation/Archive.h"
#include "foundation/Exceptions.h"

#include <gtest/gtest.h>

namespace {

std::string Stored(CPlanElement e) {
    CArchive ar;
    e.Serialize(ar);
    return ar.Bytes();
}

TEST(PlanElement, RangesAndAccessors) {
    CPlanElement e;
    e.AddRange(500, 20);
    e.AddRange(7, 7);
    e.AddVerse(65535);
    EXPECT_EQ(e.Ranges(), (std::vector<VerseRange>{{20, 500}, {7, 7}, {65535, 65535}}));
    EXPECT_EQ(e.GetRangeCount(), 3);
    EXPECT_EQ(e.GetRangeStart(0), 20);
    EXPECT_EQ(e.GetRangeEnd(0), 500);
    EXPECT_EQ(e.GetRangeStart(5), 0);
    EXPECT_EQ(e.GetRangeEnd(3), 0);
    CJJulian d(2461382, 3600000);
    e.SetOriginalDate(d);
    e.ClearRanges();
    EXPECT_EQ(e.GetRangeCount(), 0);
    EXPECT_EQ(e.GetOriginalDate(), d) << "clearing keeps the dates";
}

TEST(PlanElement, ByteLayout) {
    CPlanElement e;
    e.SetOriginalDate(CJJulian(2461382, 3600000));
    e.SetScheduledDate(CJJulian(2461383, 3600000));
    std::string dates = Stored(e).substr(0, 16);
    EXPECT_EQ(dates, std::string("\xC6\x8E\x25\x00\x80\xEE\x36\x00\xC7\x8E\x25\x00\x80\xEE\x36\x00", 16));
    EXPECT_EQ(Stored(e), dates + std::string(4, '\0'));
    e.AddRange(10, 12);
    EXPECT_EQ(Stored(e), dates + std::string("\1\0\0\0\x0A\0\x0C\0", 8));
}

TEST(PlanElement, LoadingReplacesRangesAndFailsOnTruncation) {
    CPlanElement source;
    source.AddRange(1, 2);
    source.AddRange(3, 4);
    std::string bytes = Stored(source);
    CPlanElement target;
    target.AddRange(9, 9);
    CArchive in(bytes);
    target.Serialize(in);
    EXPECT_EQ(target, source);
    for (size_t n = 0; n < bytes.size(); ++n) {
        CArchive cut(bytes.substr(0, n));
        CPlanElement e;
        EXPECT_THROW(e.Serialize(cut), CArchiveException) << n;
    }
    // A range count the file cannot hold fails before anything is allocated for it.
    CArchive huge(std::string(16, '\0') + "\xFF\xFF\xFF\xFF");
    CPlanElement e;
    EXPECT_THROW(e.Serialize(huge), CArchiveException);
}

TEST(LogElement, RoundTripKeepsReversedRanges) {
    CArchive raw;
    CJJulian(100, 5).Serialize(raw);
    raw.WriteDWord(2);
    for (uint16_t w : {500, 20, 7, 7})
        raw.WriteWord(w);
    CLogElement log;
    CArchive in(raw.Bytes());
    log.Serialize(in);
    EXPECT_EQ(log.GetRangeStart(0), 500) << "a loaded range is kept as read";
    EXPECT_EQ(log.GetRangeEnd(0), 20);
    CArchive out;
    log.Serialize(out);
    EXPECT_EQ(out.Bytes(), raw.Bytes());
}

} // namespace
