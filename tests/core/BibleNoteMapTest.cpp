// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/BibleNoteMap.h"
#include "foundation/Archive.h"
#include "foundation/Exceptions.h"
#include "scripture/Bible.h"

#include <gtest/gtest.h>

namespace {

std::string Word(uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

std::string Entry(uint16_t index, const std::string& text) {
    return Word(index) + static_cast<char>(text.size()) + text;
}

std::string Store(CBibleNoteMap& map) {
    CArchive ar;
    map.Serialize(ar);
    return ar.Bytes();
}

CBibleNoteMap Load(const std::string& bytes) {
    CBibleNoteMap map;
    CArchive ar(bytes);
    map.Serialize(ar);
    return map;
}

TEST(BibleNoteMap, NeighboursOfFiveAndThreeHundred) {
    const uint16_t total = TheBible().GetTotalVerseCount();
    CBibleNoteMap map;
    EXPECT_EQ(map.NextNoted(65535), kNoVerse); // empty map
    map.SetNote(300, "later");
    map.SetNote(5, "early");
    map.SetNote(total, "beyond the canon");
    map.SetNote(65535, "far beyond");

    struct Case {
        uint16_t from, previous, next;
    } cases[] = {
        {100, 5, 300},    {300, 5, kNoVerse},   {5, kNoVerse, 300},
        {0, kNoVerse, 5}, {65535, kNoVerse, 5}, // 65535 + 1 wraps to 0; 65535 - 1 is not a verse
        {4, kNoVerse, 5}, {301, 300, kNoVerse}, {static_cast<uint16_t>(total - 1), 300, kNoVerse},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(map.NextNoted(c.from), c.next);
        EXPECT_EQ(map.PreviousNoted(c.from), c.previous);
    }
    EXPECT_EQ(map.MinNoted(), 5);
    EXPECT_EQ(map.MaxNoted(), 300);
    EXPECT_EQ(map.GetNote(total), "");
    EXPECT_EQ(map.GetCount(), 2u);
}

TEST(BibleNoteMap, FirstAndLastFollowAddsAndRemovals) {
    CBibleNoteMap map;
    map.SetNote(1000, "a");
    map.SetNote(5, "b");
    map.SetNote(300, "c");
    EXPECT_EQ(std::make_pair(map.MinNoted(), map.MaxNoted()), std::make_pair(uint16_t(5), uint16_t(1000)));
    map.SetNote(5, "replaced");
    EXPECT_EQ(map.MinNoted(), 5);
    map.SetNote(5, "");
    EXPECT_EQ(map.MinNoted(), 300);
    map.SetNote(1000, "");
    EXPECT_EQ(std::make_pair(map.MinNoted(), map.MaxNoted()), std::make_pair(uint16_t(300), uint16_t(300)));
    map.SetNote(42, ""); // removing what is not there changes nothing
    EXPECT_EQ(map.GetCount(), 1u);
    map.SetNote(300, "");
    EXPECT_EQ(std::make_pair(map.MinNoted(), map.MaxNoted()), std::make_pair(kNoVerse, kNoVerse));
    EXPECT_EQ(Store(map), std::string("\x00\x00\x5F\xEA\x5F\xEA", 6));
    CBibleNoteMap fresh;
    EXPECT_EQ(Store(fresh), std::string("\x00\x00\x5F\xEA\x5F\xEA", 6));
}

// Bucket (k / 16) mod 17, newest key in front of its chain, buckets in order.
TEST(BibleNoteMap, FileOrderFollowsTheBuckets) {
    CBibleNoteMap map;
    map.SetNote(0, "zero");     // bucket 0
    map.SetNote(16, "sixteen"); // bucket 1
    map.SetNote(272, "x");      // 272 / 16 = 17: bucket 0 again, in front of 0
    map.SetNote(1, "one");      // bucket 0, in front of 272
    map.SetNote(272, "kept in place");
    std::string expected = Word(4) + Word(0) + Word(272) + Entry(1, "one") + Entry(272, "kept in place") +
                           Entry(0, "zero") + Entry(16, "sixteen");
    EXPECT_EQ(Store(map), expected);

    map.SetNote(272, "");
    map.SetNote(272, "back in front");
    expected = Word(4) + Word(0) + Word(272) + Entry(272, "back in front") + Entry(1, "one") +
               Entry(0, "zero") + Entry(16, "sixteen");
    EXPECT_EQ(Store(map), expected);
}

TEST(BibleNoteMap, LoadsAsStoredWithoutChecks) {
    uint16_t total = TheBible().GetTotalVerseCount();
    // First and last noted disagree with the entries; 100 appears twice; one index is beyond the canon.
    std::string file = Word(4) + Word(7) + Word(7) + Entry(100, "a") + Entry(50, "b") + Entry(100, "last") +
                       Entry(total, "far");
    CBibleNoteMap map = Load(file);
    EXPECT_EQ(map.MinNoted(), 7);
    EXPECT_EQ(map.MaxNoted(), 7);
    EXPECT_EQ(map.GetNote(100), "last");
    EXPECT_EQ(map.GetNote(total), "");
    EXPECT_EQ(map.NextNoted(0), 50);
    EXPECT_EQ(map.NextNoted(100), kNoVerse);
    EXPECT_EQ(map.GetCount(), 3u);
    // Stored back: the count is the entries', the fields as loaded, each chain reversed by the reload.
    EXPECT_EQ(Store(map),
              Word(3) + Word(7) + Word(7) + Entry(50, "b") + Entry(100, "last") + Entry(total, "far"));

    map.SetNote(300, "added"); // last noted moves, first noted stays wrong
    EXPECT_EQ(map.MinNoted(), 7);
    EXPECT_EQ(map.MaxNoted(), 300);
    map.SetNote(3, "added");
    EXPECT_EQ(map.MinNoted(), 3);
}

TEST(BibleNoteMap, DamagedFilesFailWithEndOfFile) {
    std::string good = Word(2) + Word(5) + Word(9) + Entry(5, "five") + Entry(9, "nine");
    for (size_t cut = 0; cut < good.size(); ++cut) {
        SCOPED_TRACE(cut);
        CBibleNoteMap map;
        CArchive ar(good.substr(0, cut));
        EXPECT_THROW(map.Serialize(ar), CArchiveException);
    }
    // A count far beyond the entries present reads to the end and stops there.
    CBibleNoteMap map;
    CArchive ar(Word(65535) + Word(0) + Word(0) + Entry(1, "x"));
    EXPECT_THROW(map.Serialize(ar), CArchiveException);
}

} // namespace
