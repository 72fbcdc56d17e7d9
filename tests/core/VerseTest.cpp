// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripture/Verse.h"
#include "foundation/Archive.h"
#include "scripture/Bible.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const CVerse& v) {
    return TheBible().GetReferenceText(v);
}

TEST(Verse, IndicesAndTexts) {
    CBible& b = TheBible();
    struct Case {
        uint16_t book, chapter, verse, index;
        const char* text;
    } cases[] = {
        {1, 1, 1, 0, "Genesis 1:1"},
        {2, 1, 1, 1533, "Exodus 1:1"},
        {66, 22, 21, 31217, "Revelation 22:21"},
        {19, 3, 0, 13958, "Psalms 3:0"},
        {19, 3, 1, 13959, "Psalms 3:1"},
        {19, 1, 1, 13940, "Psalms 1:1"},
        {39, 4, 6, 23260, "Malachi 4:6"},
        {40, 1, 1, 23261, "Matthew 1:1"},
        {62, 1, 9, 0, "1John 1:9"},
        {65, 1, 5, 0, "Jude 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.index || c.book == 1) {
            EXPECT_EQ(b.GetVerseIndex(c.book, c.chapter, c.verse), c.index);
        }
        EXPECT_EQ(b.GetReferenceText(c.book, c.chapter, c.verse), c.text);
        if (c.index) {
            EXPECT_EQ(b.GetVerseAt(c.index), CVerse(c.book, c.chapter, c.verse));
        }
    }
    EXPECT_EQ(b.GetReferenceText(19, 1, 0), "Invalid Verse Index");
    EXPECT_EQ(b.GetReferenceText(0, 1, 1), "Invalid Verse Index");
    EXPECT_EQ(b.GetChapterVerseText(43, 3, 16), "3:16");
    EXPECT_EQ(b.GetChapterVerseText(65, 1, 5), "5");
    EXPECT_EQ(b.GetVerseNumberText(43, 3, 16), "16");
    EXPECT_EQ(b.GetVerseNumberText(43, 3, 99), "Invalid Verse Index");
}

TEST(Verse, SetFromText) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"1 John 3:16", "1John 3:16"},
        {"Jude", "Jude 1"},
        {"Jude 5", "Jude 5"},
        {"Nowhere 3:16", "Genesis 3:16"},
        {"Revelation 22:99", "Revelation 22:1"},
        {"Psalms 23", "Psalms 23:0"},
        {"John 3", "John 3:1"},
        {"John 99", "John 1:1"},
        {"  John 3:16  ", "John 3:16"},
        {"John 3:x1y6", "John 3:16"},
        {"Song Of Songs 2:4", "Song Of Songs 2:4"},
        {"", "Genesis 1:1"},
        {"1", "Genesis 1:1"},
        {"Psalms 3:0", "Psalms 3:0"},
        {"Psalms 1:0", "Psalms 1:1"},
        {"Genesis 65537:1", "Genesis 1:1"}, // numbers wrap at 16 bits: chapter 1
        {"john 3:16", "Genesis 3:16"},      // names are exact
        {":::", "Genesis 1:1"},
    };
    for (const Case& c : cases) {
        CVerse v(5, 5, 5);
        v.SetFromText(c.text);
        EXPECT_EQ(Text(v), c.expected) << '"' << c.text << '"';
    }
}

TEST(Verse, SetFromTextRepairsAnUnknownBookToGenesis) {
    // SetFromText itself still repairs an unknown book to Genesis.
    CVerse g;
    g.SetFromText("Psalmz 3:1");
    EXPECT_EQ(g, CVerse(1, 3, 1));
}

TEST(Verse, SetReferenceMarkersAndRepair) {
    struct Case {
        uint16_t b, c, v;
        CVerse expected;
    } cases[] = {
        {888, 888, 888, CVerse(66, 22, 21)}, {19, 3, 777, CVerse(19, 3, 0)},
        {777, 777, 777, CVerse(1, 1, 1)},    {999, 999, 999, CVerse(43, 3, 16)},
        {999, 888, 999, CVerse(43, 21, 16)}, {0, 5, 5, CVerse(1, 5, 5)},
        {43, 0, 5, CVerse(43, 1, 5)},        {43, 3, 0, CVerse(43, 3, 1)},
        {43, 3, 65535, CVerse(43, 3, 1)},
    };
    for (const Case& c : cases) {
        CVerse v(43, 3, 16);
        v.SetReference(c.b, c.c, c.v);
        EXPECT_EQ(v, c.expected) << c.b << "," << c.c << "," << c.v;
    }
}

TEST(Verse, Stepping) {
    enum Op { AdvV, AdvC, AdvB, BackV, BackC, BackB };
    struct Case {
        CVerse from;
        Op op;
        uint16_t n;
        CVerse to;
    } cases[] = {
        {CVerse(39, 4, 6), AdvV, 1, CVerse(40, 1, 1)},      {CVerse(66, 22, 21), AdvV, 1, CVerse(66, 22, 21)},
        {CVerse(19, 2, 12), AdvV, 1, CVerse(19, 3, 0)},     {CVerse(1, 1, 1), AdvV, 31, CVerse(1, 2, 1)},
        {CVerse(1, 1, 1), AdvV, 65535, CVerse(66, 22, 21)}, {CVerse(19, 150, 6), AdvV, 1, CVerse(20, 1, 1)},
        {CVerse(19, 4, 0), BackV, 1, CVerse(19, 3, 8)},     {CVerse(1, 1, 1), BackV, 1, CVerse(1, 1, 1)},
        {CVerse(40, 1, 1), BackV, 1, CVerse(39, 4, 6)},     {CVerse(1, 1, 5), BackV, 0, CVerse(1, 1, 5)},
        {CVerse(2, 1, 1), BackV, 65535, CVerse(1, 1, 1)},   {CVerse(2, 1, 5), BackC, 1, CVerse(1, 50, 1)},
        {CVerse(66, 22, 5), AdvC, 1, CVerse(66, 22, 1)},    {CVerse(1, 50, 3), AdvC, 1, CVerse(2, 1, 1)},
        {CVerse(19, 2, 3), AdvC, 1, CVerse(19, 3, 0)},      {CVerse(1, 1, 1), AdvC, 60, CVerse(2, 11, 1)},
        {CVerse(1, 3, 5), BackC, 0, CVerse(1, 3, 1)},       {CVerse(1, 3, 5), BackC, 9, CVerse(1, 1, 1)},
        {CVerse(43, 3, 16), AdvB, 100, CVerse(66, 1, 1)},   {CVerse(18, 3, 3), AdvB, 1, CVerse(19, 1, 1)},
        {CVerse(20, 3, 3), BackB, 1, CVerse(19, 1, 1)},     {CVerse(20, 3, 3), BackB, 40, CVerse(1, 1, 1)},
        {CVerse(20, 3, 3), BackB, 0, CVerse(20, 1, 1)},
    };
    for (const Case& c : cases) {
        CVerse v = c.from;
        switch (c.op) {
        case AdvV:
            v.AdvanceVerses(c.n);
            break;
        case AdvC:
            v.AdvanceChapters(c.n);
            break;
        case AdvB:
            v.AdvanceBooks(c.n);
            break;
        case BackV:
            v.BackVerses(c.n);
            break;
        case BackC:
            v.BackChapters(c.n);
            break;
        case BackB:
            v.BackBooks(c.n);
            break;
        }
        EXPECT_EQ(Text(v), Text(c.to)) << Text(c.from) << " op " << c.op << " n " << c.n;
    }
}

TEST(Verse, SteppingFromInvalidReferencesEnds) {
    // Callers pass valid references; these must still come back.
    for (CVerse v : {CVerse(0, 0, 0), CVerse(70, 3, 3), CVerse(1, 200, 9), CVerse(19, 3, 60000)}) {
        CVerse a = v, b = v, c = v, d = v;
        a.AdvanceVerses(100);
        b.AdvanceChapters(100);
        c.BackVerses(100);
        d.BackChapters(100);
        EXPECT_TRUE(a.IsValidVerse());
        EXPECT_TRUE(b.IsValidChapter());
    }
}

TEST(Verse, ComparisonsAndNamedMoves) {
    EXPECT_LT(CVerse(1, 50, 26), CVerse(2, 1, 1));
    EXPECT_LT(CVerse(19, 3, 0), CVerse(19, 3, 1));
    EXPECT_FALSE(CVerse(19, 3, 1) < CVerse(19, 3, 1));
    EXPECT_NE(CVerse(19, 3, 1), CVerse(19, 3, 0));
    CVerse v(19, 3, 5);
    v.SetToFirstVerse();
    EXPECT_EQ(v, CVerse(19, 3, 0));
    v.SetToLastVerse();
    EXPECT_EQ(v, CVerse(19, 3, 8));
    EXPECT_EQ(CVerse(43, 3, 1).LastVerseOf(), CVerse(43, 3, 36));
    EXPECT_EQ(CVerse(43, 3, 1).LastChapter(), CVerse(43, 21, 1));
    v.SetToFirstVerseOfLastBook();
    EXPECT_EQ(v, CVerse(66, 1, 1));
    v.SetToStartOfBook(19);
    EXPECT_EQ(v, CVerse(19, 1, 1));
    v.SetToFirstVerseOfCanon();
    EXPECT_EQ(v, CVerse(1, 1, 1));
}

TEST(Verse, StoredFormIsSixBytes) {
    CVerse v(19, 3, 0);
    CArchive ar;
    v.Serialize(ar);
    EXPECT_EQ(ar.Bytes(), std::string("\x13\0\x03\0\0\0", 6));
    CVerse back;
    CArchive in(ar.Bytes());
    back.Serialize(in);
    EXPECT_EQ(back, v);
}

} // namespace
