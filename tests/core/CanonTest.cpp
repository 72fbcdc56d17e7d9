// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Archive.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <gtest/gtest.h>

namespace {

TEST(Canon, Totals) {
    CBible& b = TheBible();
    EXPECT_EQ(b.GetBookCount(), 66);
    EXPECT_EQ(b.GetChapterCount(0), 1189);
    EXPECT_EQ(b.GetTotalVerseCount(), 31218);
    EXPECT_EQ(b.GetBookVerseCount(0), 31218);
    // The verses column of the book table, book by book.
    const uint16_t verses[66] = {1533, 1213, 859, 1288, 959,  658, 618, 85,  810,  695,  816, 719,  942, 822,
                                 280,  406,  167, 1070, 2577, 915, 222, 117, 1292, 1364, 154, 1273, 357, 197,
                                 73,   146,  21,  48,   105,  47,  56,  53,  38,   211,  55,  1071, 678, 1151,
                                 879,  1007, 433, 437,  257,  149, 155, 104, 95,   89,   47,  113,  83,  46,
                                 25,   303,  108, 105,  61,   105, 13,  14,  25,   404};
    for (uint16_t i = 1; i <= 66; ++i)
        EXPECT_EQ(b.GetBookVerseCount(i), verses[i - 1]) << b.GetBookName(i);
}

TEST(Canon, ChapterAnswers) {
    CBible& b = TheBible();
    struct Case {
        uint16_t book, chapter, first, last, slots, start;
    } cases[] = {
        {19, 3, 0, 8, 9, 13958},   {19, 1, 1, 6, 6, 13940},    {19, 2, 1, 12, 12, 13946},
        {19, 119, 1, 176, 176, 0}, {1, 1, 1, 31, 31, 0},       {2, 1, 1, 22, 22, 1533},
        {40, 1, 1, 25, 25, 23261}, {66, 22, 1, 21, 21, 31197}, {1, 51, 9999, 0, 0, 0},
        {67, 1, 9999, 0, 0, 0},    {0, 1, 9999, 0, 0, 0},      {1, 0, 9999, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.book) + ":" + std::to_string(c.chapter));
        EXPECT_EQ(b.GetFirstVerse(c.book, c.chapter), c.first);
        EXPECT_EQ(b.GetLastVerse(c.book, c.chapter), c.last);
        EXPECT_EQ(b.GetVerseSlotCount(c.book, c.chapter), c.slots);
        if (c.start) {
            EXPECT_EQ(b.GetChapterStart(c.book, c.chapter), c.start);
        }
    }
    int titled = 0;
    for (uint16_t c = 1; c <= 150; ++c)
        titled += b.GetFirstVerse(19, c) == 0;
    EXPECT_EQ(titled, 116);
}

TEST(Canon, NamesAndFixedAnswers) {
    CBible& b = TheBible();
    EXPECT_EQ(b.GetBookName(0), "Invalid Book Index");
    EXPECT_EQ(b.GetBookName(67), "Invalid Book Index");
    EXPECT_EQ(b.GetBookShortName(67), "Invalid Book Index");
    EXPECT_EQ(b.GetBookName(22), "Song Of Songs");
    EXPECT_EQ(b.GetBookName(38), "Zecharia");
    EXPECT_EQ(b.GetBookName(50), "Philipians");
    struct Short {
        uint16_t book;
        const char* name;
    } shorts[] = {{1, "Genes"}, {9, "1Samu"}, {22, "Song"}, {18, "Job"}, {62, "1John"}};
    for (const Short& s : shorts)
        EXPECT_EQ(b.GetBookShortName(s.book), s.name);
    EXPECT_EQ(b.FindBook("genesis"), 0);
    EXPECT_EQ(b.FindBook("Song Of Songs"), 22);
    EXPECT_EQ(b.FindBook("Revelation"), 66);
    EXPECT_EQ(b.FindBook("Gen"), 0);
    EXPECT_EQ(b.GetBookCategory(1), 2);
    EXPECT_EQ(b.GetBookCategory(66), 9);
    EXPECT_EQ(b.GetBookCategory(0), 0);
    EXPECT_EQ(b.GetChapterCount(67), 0);
    EXPECT_EQ(b.GetBookVerseCount(67), 0);
}

TEST(Canon, RebuildAndStoredFormAreStable) {
    CBible built;
    built.BuildCanon();
    CArchive first;
    built.Serialize(first);
    built.RebuildCanon();
    CArchive second;
    built.Serialize(second);
    EXPECT_EQ(first.Bytes(), second.Bytes());
    // reserved, the book count, then Genesis: name, category, three arrays of 50.
    const std::string& s = first.Bytes();
    EXPECT_EQ(s.substr(0, 6), std::string("\0\0\0\0\x42\0", 6));
    EXPECT_EQ(s.substr(6, 8), std::string("\x07Genesis", 8));
    EXPECT_EQ(s.substr(14, 3), std::string("\x02\x32\x00", 3));

    CBible loaded;
    CArchive in(s);
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetTotalVerseCount(), 31218);
    EXPECT_EQ(loaded.GetReferenceText(19, 3, 0), "Psalms 3:0");

    CBible cleared;
    cleared.BuildCanon();
    cleared.ClearCanon();
    EXPECT_EQ(cleared.GetBookCount(), 0);
    // A damaged stored canon fails cleanly, whatever the cut.
    for (size_t cut = 0; cut < 200; cut += 7) {
        CBible damaged;
        CArchive part(s.substr(0, cut));
        EXPECT_ANY_THROW(damaged.Serialize(part));
    }
}

// Stored canons the listings' way of naming a verse must follow as GetReferenceText does: in
// order, with chapters out of order, with a name too long for the quick way, with a book of one
// chapter, with a chapter of no verses.
TEST(Canon, ListingNamesFollowAnyStoredCanon) {
    struct Book {
        std::string name;
        std::vector<uint8_t> first, last;
        std::vector<uint16_t> start;
    };
    const std::string longName(40, 'L');
    const std::vector<std::vector<Book>> canons = {
        {{"Alpha", {1, 1}, {3, 2}, {0, 3}},
         {"Beta", {1, 1, 1}, {4, 0, 2}, {5, 9, 9}},
         {"Delta", {1}, {2}, {11}}},
        {{"Alpha", {1, 1}, {3, 2}, {5, 8}}, {"Beta", {1}, {5}, {0}}},
        {{longName, {1, 1}, {3, 2}, {0, 3}}, {"Gamma", {1, 1, 1}, {2, 0, 2}, {5, 7, 7}}},
    };
    for (const auto& books : canons) {
        CArchive stored;
        stored.WriteDWord(0);
        stored.WriteCount(static_cast<uint32_t>(books.size()));
        for (const Book& b : books) {
            stored.WriteString(b.name);
            stored.WriteByte(1);
            for (const auto* bytes : {&b.first, &b.last}) {
                stored.WriteCount(static_cast<uint32_t>(bytes->size()));
                for (uint8_t x : *bytes)
                    stored.WriteByte(x);
            }
            stored.WriteCount(static_cast<uint32_t>(b.start.size()));
            for (uint16_t x : b.start)
                stored.WriteWord(x);
        }
        CBible canon;
        CArchive in(stored.Bytes());
        canon.Serialize(in);
        for (uint16_t i = 0; i < canon.GetTotalVerseCount() + 3; ++i) {
            std::string named = "x";
            canon.AppendReferenceTextAt(named, i);
            EXPECT_EQ(named, "x" + canon.GetReferenceText(canon.GetVerseAt(i))) << books[0].name << " " << i;
            EXPECT_LE(named.size(), 1 + canon.ReferenceTextRoom());
        }
    }
}

TEST(Canon, EveryIndexRoundTrips) {
    CBible& b = TheBible();
    for (uint32_t i = 0; i < 31218; ++i) {
        CVerse r = b.GetVerseAt(static_cast<uint16_t>(i));
        ASSERT_TRUE(r.IsValidVerse()) << i;
        ASSERT_EQ(b.GetVerseIndex(r), i);
        if (i > 0) {
            CVerse previous = b.GetVerseAt(static_cast<uint16_t>(i - 1));
            ASSERT_TRUE(previous < r) << i;
            ASSERT_EQ(previous.Advanced(1), r) << i;
            CVerse back = r;
            back.BackVerses(1);
            ASSERT_EQ(back, previous) << i;
        }
        ASSERT_EQ(CVerse(b.GetVerseAt(static_cast<uint16_t>(i))), r);
        // The listings' way of naming it says the same.
        std::string named = "x";
        b.AppendReferenceTextAt(named, static_cast<uint16_t>(i));
        ASSERT_EQ(named, "x" + b.GetReferenceText(r)) << i;
    }
    for (uint32_t i = 31218; i <= 65535; i += 997) {
        EXPECT_EQ(b.GetVerseAt(static_cast<uint16_t>(i)), CVerse(1, 1, 1));
        std::string named;
        b.AppendReferenceTextAt(named, static_cast<uint16_t>(i));
        EXPECT_EQ(named, b.GetReferenceText(b.GetVerseAt(static_cast<uint16_t>(i))));
    }
    EXPECT_EQ(b.GetVerseAt(31218), CVerse(1, 1, 1));
}

} // namespace
