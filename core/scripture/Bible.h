// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Book.h"

#include <cstdint>
#include <string>
#include <vector>

class CArchive;
class CVerse;
struct CLocalBookNames;

inline constexpr const char* kInvalidBookIndex = "Invalid Book Index";
inline constexpr const char* kInvalidVerseIndex = "Invalid Verse Index";

// The canon: 66 books in canon order with their chapters and verses. Lookups
// never fail: invalid arguments give fixed answers.
class CBible {
public:
    void BuildCanon();
    void ClearCanon();
    void RebuildCanon();

    uint16_t GetBookCount() const { return static_cast<uint16_t>(books.size()); }
    bool IsValidBook(uint16_t b) const { return b != 0 && b <= GetBookCount(); }
    bool IsValidChapter(uint16_t b, uint16_t c) const {
        return IsValidBook(b) && c != 0 && c <= books[b - 1u].GetChapterCount();
    }
    bool IsValidVerse(uint16_t b, uint16_t c, uint16_t v) const {
        if (!IsValidChapter(b, c)) return false;
        const CBook& book = books[b - 1u];
        return book.GetFirstVerse(c) <= v && v <= book.GetLastVerse(c);
    }

    std::string GetBookName(uint16_t b) const;
    std::string GetBookShortName(uint16_t b) const;
    uint16_t FindBook(const std::string& name) const;
    uint8_t GetBookCategory(uint16_t b) const;
    uint16_t GetChapterCount(uint16_t b) const;
    uint16_t GetFirstVerse(uint16_t b, uint16_t c) const {
        return IsValidChapter(b, c) ? books[b - 1u].GetFirstVerse(c) : 9999;
    }
    uint16_t GetLastVerse(uint16_t b, uint16_t c) const {
        return IsValidChapter(b, c) ? books[b - 1u].GetLastVerse(c) : 0;
    }
    uint16_t GetVerseSlotCount(uint16_t b, uint16_t c) const {
        if (!IsValidChapter(b, c)) return 0;
        const CBook& book = books[b - 1u];
        return static_cast<uint16_t>(book.GetLastVerse(c) + (book.GetFirstVerse(c) == 0 ? 1 : 0));
    }
    uint16_t GetBookVerseCount(uint16_t b) const;
    // Inline: listings ask it for every verse they name.
    uint16_t GetTotalVerseCount() {
        if (totalVerseCount == 0) totalVerseCount = GetBookVerseCount(0);
        return totalVerseCount;
    }
    // 0 for an invalid chapter.
    uint16_t GetChapterStart(uint16_t b, uint16_t c) const {
        return IsValidChapter(b, c) ? books[b - 1u].GetChapterStart(c) : 0;
    }

    // Absolute verse indices: 0 = Genesis 1:1, every position counted,
    // psalm titles included.
    uint16_t GetVerseIndex(uint16_t b, uint16_t c, uint16_t v) const {
        if (!IsValidChapter(b, c)) return static_cast<uint16_t>(v - 1);
        const CBook& book = books[b - 1u];
        return static_cast<uint16_t>(book.GetChapterStart(c) + v - book.GetFirstVerse(c));
    }
    uint16_t GetVerseIndex(const CVerse& r) const;
    CVerse GetVerseAt(uint16_t i);
    bool IsValidVerseIndex(uint16_t i) { return i < GetTotalVerseCount(); }
    // Books there, and their verses counted.
    bool IsBuilt() const { return !books.empty() && totalVerseCount != 0; }

    std::string GetVerseNumberText(uint16_t b, uint16_t c, uint16_t v) const;
    std::string GetChapterVerseText(uint16_t b, uint16_t c, uint16_t v) const;
    std::string GetReferenceText(uint16_t b, uint16_t c, uint16_t v) const;
    std::string GetVerseNumberText(const CVerse& r) const;
    std::string GetChapterVerseText(const CVerse& r) const;
    std::string GetReferenceText(const CVerse& r) const;
    // The reference text appended to out, as GetReferenceText gives it.
    void AppendReferenceText(std::string& out, uint16_t b, uint16_t c, uint16_t v) const;
    // That of the verse at absolute index i, as GetReferenceText(GetVerseAt(i)) gives it.
    // With names, the book is named in their language.
    void AppendReferenceTextAt(std::string& out, uint16_t i, const CLocalBookNames* names = nullptr);
    // The most bytes WriteReferenceTextAt writes.
    size_t ReferenceTextRoom();
    // The canon's own text written at p, which has room for ReferenceTextRoom() bytes; the end is returned.
    char* WriteReferenceTextAt(char* p, uint16_t i);

    const CBook& GetBook(uint16_t b) const { return books[b - 1u]; }

    void Serialize(CArchive& ar);

private:
    // Book and chapter of every absolute index, built on the first GetVerseAt
    // after the canon changed.
    struct IndexEntry {
        uint16_t book;
        uint16_t chapter;
    };
    // Per chapter, in canon order: where "Book C:" (or "Book " in a book of one chapter) lies in
    // chapterPrefixes_, and the chapter's verse positions. Made where the chapters start in canon
    // order, so that a reference is its chapter's prefix and a number; a listing then needs no
    // table of every verse, which would be most of the memory it touches.
    struct ChapterText {
        uint32_t offset;
        uint16_t length;
        uint16_t start;
        uint8_t first, last;
    };
    void BuildIndexTable();
    void BuildChapterTexts();
    void ForgetTables();
    IndexEntry SearchChapterOf(uint16_t i) const;

    uint32_t reserved = 0;
    std::vector<CBook> books;
    uint16_t totalVerseCount = 0;
    std::vector<IndexEntry> indexTable_;
    // Made on the first reference written after the canon changed.
    bool chapterTextsMade_ = false;
    size_t longestBookName_ = 0;
    static constexpr size_t kPrefixCopy = 32; // only canons whose prefixes fit have chapterTexts_
    std::vector<ChapterText> chapterTexts_;
    std::vector<char> chapterPrefixes_; // not a string: the Bible is constant-initialised, which clang
                                        // refuses for a string member
    // Per 32 indices, the chapter of the first: a reference's chapter is a step or two from it.
    static constexpr unsigned kBlockShift = 5;
    std::vector<uint16_t> chapterAtBlock_;
    // The chapters start in canon order, so that each index lies in its table entry's chapter.
    bool indexTableOrdered_ = false;
};

// The one canon of the program, built on first use. The check is inline:
// verse look-ups ask for the canon at every step.
extern constinit CBible theBible;
CBible& TheBibleBuilt();
inline CBible& TheBible() {
    return theBible.IsBuilt() ? theBible : TheBibleBuilt();
}
