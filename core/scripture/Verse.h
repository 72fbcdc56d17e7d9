// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Bible.h"

#include <cstdint>
#include <string>

class CArchive;

// A verse reference: book, chapter and verse numbers. It may hold numbers
// that are not valid; SetReference and SetFromText repair them.
class CVerse {
public:
    static constexpr uint16_t KEEP_PART = 999;
    static constexpr uint16_t LAST_PART = 888;
    static constexpr uint16_t FIRST_PART = 777;

    CVerse() = default;
    CVerse(uint16_t b, uint16_t c, uint16_t v) : book(b), chapter(c), verse(v) {}

    uint16_t GetBook() const { return book; }
    uint16_t GetChapter() const { return chapter; }
    uint16_t GetVerse() const { return verse; }

    bool IsValidBook() const;
    bool IsValidChapter() const;
    bool IsValidVerse() const;

    void SetReference(uint16_t b, uint16_t c, uint16_t v);
    void SetFromText(const std::string& text);

    void SetToFirstVerse();
    void SetToLastVerse() { verse = TheBible().GetLastVerse(book, chapter); }
    void SetToLastVerseOf(const CVerse& r) {
        book = r.book;
        chapter = r.chapter;
        SetToLastVerse();
    }
    CVerse LastVerseOf() const { return CVerse(book, chapter, TheBible().GetLastVerse(book, chapter)); }
    void SetToFirstChapter() { SetReference(book, FIRST_PART, FIRST_PART); }
    void SetToStartOfBook(uint16_t b) { SetReference(b, FIRST_PART, FIRST_PART); }
    void SetToFirstVerseOfCanon() { SetReference(FIRST_PART, FIRST_PART, FIRST_PART); }
    void SetToLastChapter() { SetReference(book, LAST_PART, FIRST_PART); }
    CVerse LastChapter() const;
    void SetToFirstVerseOfLastBook() { SetReference(LAST_PART, FIRST_PART, FIRST_PART); }

    void AdvanceVerses(uint16_t n);
    void AdvanceChapters(uint16_t n);
    void AdvanceBooks(uint16_t n);
    void BackVerses(uint16_t n);
    void BackChapters(uint16_t n);
    void BackBooks(uint16_t n);
    CVerse Advanced(uint16_t n) const {
        CVerse r(*this);
        r.AdvanceVerses(n);
        return r;
    }

    // The canon's answers for this reference.
    uint16_t GetIndex() const { return TheBible().GetVerseIndex(book, chapter, verse); }
    std::string GetReferenceText() const;
    uint16_t GetChapterCount() const;
    uint16_t GetVerseSlotCount() const { return TheBible().GetVerseSlotCount(book, chapter); }
    uint16_t GetFirstVerseNumber() const { return TheBible().GetFirstVerse(book, chapter); }
    uint16_t GetLastVerseNumber() const { return TheBible().GetLastVerse(book, chapter); }

    bool operator==(const CVerse& o) const = default;
    bool operator<(const CVerse& o) const;

    void Serialize(CArchive& ar);

private:
    uint16_t book = 1;
    uint16_t chapter = 1;
    uint16_t verse = 1;
};
