// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bible.h"

#include "CanonTables.h"
#include "LocalBookNames.h"
#include "Verse.h"
#include "foundation/Archive.h"
#include "foundation/Decimal.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// "Book C:V", or "Book V" for a book of one chapter; at most the name and 13 bytes.
char* WriteReference(char* p, const std::string& book, bool chapters, uint16_t c, uint16_t v) {
    std::memcpy(p, book.data(), book.size());
    p += book.size();
    *p++ = ' ';
    if (chapters) {
        p = WriteDecimal(p, c);
        *p++ = ':';
    }
    return WriteDecimal(p, v);
}

void AppendReference(std::string& out, const std::string& book, bool chapters, uint16_t c, uint16_t v) {
    const size_t at = out.size();
    out.resize(at + book.size() + 13);
    char* p = WriteReference(out.data() + at, book, chapters, c, v);
    out.resize(static_cast<size_t>(p - out.data()));
}

} // namespace

void CBible::BuildCanon() {
    ForgetTables();
    uint16_t counter = 0;
    size_t cursor = 0;
    size_t untitled = 0;
    reserved = 0;
    for (size_t i = 0; std::strcmp(kBookNames[i], kEndMarker) != 0; ++i) {
        CBook book;
        book.name = kBookNames[i];
        book.category = kBookCategories[i];
        const bool psalms = book.name == "Psalms";
        for (uint16_t j = 0; j < kChapterCounts[i]; ++j) {
            book.chapterStart.push_back(counter);
            uint16_t last = kVerseTable[cursor++];
            counter = static_cast<uint16_t>(counter + last);
            book.lastVerse.push_back(static_cast<uint8_t>(last));
            uint8_t first = 1;
            if (psalms) {
                while (untitled < std::size(kUntitledPsalms) && kUntitledPsalms[untitled] < j + 1)
                    ++untitled;
                bool isUntitled = untitled < std::size(kUntitledPsalms) && kUntitledPsalms[untitled] == j + 1;
                if (!isUntitled) {
                    first = 0;
                    counter = static_cast<uint16_t>(counter + 1);
                }
            }
            book.firstVerse.push_back(first);
        }
        if (books.size() <= i) books.resize(i + 1);
        books[i] = std::move(book);
    }
}

void CBible::ClearCanon() {
    for (CBook& b : books)
        b.Clear();
    books.clear();
    ForgetTables();
}

void CBible::ForgetTables() {
    indexTable_.clear();
    chapterTexts_.clear();
    chapterTextsMade_ = false;
}

void CBible::RebuildCanon() {
    ClearCanon();
    BuildCanon();
}

std::string CBible::GetBookName(uint16_t b) const {
    return IsValidBook(b) ? books[b - 1u].name : kInvalidBookIndex;
}

std::string CBible::GetBookShortName(uint16_t b) const {
    if (!IsValidBook(b)) return kInvalidBookIndex;
    std::string s = books[b - 1u].name.substr(0, 5);
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

uint16_t CBible::FindBook(const std::string& name) const {
    for (size_t i = 0; i < books.size(); ++i)
        if (books[i].name == name) return static_cast<uint16_t>(i + 1);
    return 0;
}

uint8_t CBible::GetBookCategory(uint16_t b) const {
    return IsValidBook(b) ? books[b - 1u].category : 0;
}

uint16_t CBible::GetChapterCount(uint16_t b) const {
    if (b == 0) {
        uint16_t sum = 0;
        for (const CBook& book : books)
            sum = static_cast<uint16_t>(sum + book.GetChapterCount());
        return sum;
    }
    return IsValidBook(b) ? books[b - 1u].GetChapterCount() : 0;
}

uint16_t CBible::GetBookVerseCount(uint16_t b) const {
    if (b == 0) {
        uint16_t sum = 0;
        for (uint16_t i = 1; i <= GetBookCount(); ++i)
            sum = static_cast<uint16_t>(sum + GetBookVerseCount(i));
        return sum;
    }
    if (!IsValidBook(b)) return 0;
    uint16_t sum = 0;
    for (uint16_t c = 1; c <= books[b - 1u].GetChapterCount(); ++c)
        sum = static_cast<uint16_t>(sum + GetVerseSlotCount(b, c));
    return sum;
}

uint16_t CBible::GetVerseIndex(const CVerse& r) const {
    return GetVerseIndex(r.GetBook(), r.GetChapter(), r.GetVerse());
}

// The book is the last whose first chapter starts at or before i, the chapter
// the last of that book that does.
CBible::IndexEntry CBible::SearchChapterOf(uint16_t i) const {
    uint16_t b = GetBookCount();
    while (b > 1 && i < GetChapterStart(b, 1))
        --b;
    uint16_t c = GetChapterCount(b);
    while (c > 1 && i < GetChapterStart(b, c))
        --c;
    return {b, c};
}

void CBible::BuildIndexTable() {
    const size_t total = GetTotalVerseCount();
    indexTable_.assign(total, IndexEntry{1, 1});
    // Chapters that start in canon order: each fills the run up to the next
    // one's start. Any other canon is searched index by index.
    std::vector<IndexEntry> chapters;
    std::vector<uint16_t> starts;
    for (uint16_t b = 1; b <= GetBookCount(); ++b)
        for (uint16_t c = 1; c <= GetChapterCount(b); ++c) {
            chapters.push_back({b, c});
            starts.push_back(GetChapterStart(b, c));
        }
    const bool ordered =
        !starts.empty() && starts.front() == 0 && std::is_sorted(starts.begin(), starts.end());
    indexTableOrdered_ = ordered;
    if (!ordered) {
        for (size_t i = 0; i < total; ++i)
            indexTable_[i] = SearchChapterOf(static_cast<uint16_t>(i));
        return;
    }
    for (size_t k = 0; k < chapters.size(); ++k) {
        const size_t to = std::min<size_t>(k + 1 < starts.size() ? starts[k + 1] : total, total);
        for (size_t i = starts[k]; i < to; ++i)
            indexTable_[i] = chapters[k];
    }
}

void CBible::BuildChapterTexts() {
    chapterTextsMade_ = true;
    chapterTexts_.clear();
    chapterPrefixes_.clear();
    chapterAtBlock_.clear();
    longestBookName_ = 0;
    size_t chapters = 0;
    for (const CBook& book : books) {
        longestBookName_ = std::max(longestBookName_, book.name.size());
        chapters += book.GetChapterCount();
    }
    // Each prefix is at most the name, a blank, five digits and a colon.
    if (chapters == 0 || chapters > 0xFFFF || longestBookName_ + 7 > kPrefixCopy) return;
    chapterPrefixes_.resize(chapters * (longestBookName_ + 7) + kPrefixCopy);
    char* const base = chapterPrefixes_.data();
    char* p = base;
    chapterTexts_.reserve(chapters);
    for (const CBook& book : books) {
        const bool numbered = book.GetChapterCount() != 1;
        for (uint16_t c = 1; c <= book.GetChapterCount(); ++c) {
            const auto offset = static_cast<uint32_t>(p - base);
            std::memcpy(p, book.name.data(), book.name.size());
            p += book.name.size();
            *p++ = ' ';
            if (numbered) {
                p = WriteDecimal(p, c);
                *p++ = ':';
            }
            chapterTexts_.push_back({offset, static_cast<uint16_t>(p - base - offset),
                                     book.GetChapterStart(c), book.GetFirstVerse(c), book.GetLastVerse(c)});
        }
    }
    // Every prefix has kPrefixCopy bytes after its start.
    chapterPrefixes_.resize(static_cast<size_t>(p - base) + kPrefixCopy);
    const auto inOrder = [](const ChapterText& a, const ChapterText& b) { return a.start < b.start; };
    if (chapterTexts_.front().start != 0 ||
        !std::is_sorted(chapterTexts_.begin(), chapterTexts_.end(), inOrder)) {
        chapterTexts_.clear();
        return;
    }
    // The chapter of a block's first index: the last that starts at or before it.
    const size_t total = GetTotalVerseCount();
    chapterAtBlock_.resize((total >> kBlockShift) + 1);
    size_t k = 0;
    for (size_t block = 0; block < chapterAtBlock_.size(); ++block) {
        while (k + 1 < chapterTexts_.size() && chapterTexts_[k + 1].start <= block << kBlockShift)
            ++k;
        chapterAtBlock_[block] = static_cast<uint16_t>(k);
    }
}

CVerse CBible::GetVerseAt(uint16_t i) {
    CVerse r;
    if (!IsValidVerseIndex(i)) return r;
    if (indexTable_.size() != GetTotalVerseCount()) BuildIndexTable();
    const uint16_t b = indexTable_[i].book;
    const uint16_t c = indexTable_[i].chapter;
    uint16_t v = static_cast<uint16_t>(i - GetChapterStart(b, c) + GetFirstVerse(b, c));
    r.SetReference(b, c, v);
    return r;
}

std::string CBible::GetVerseNumberText(uint16_t b, uint16_t c, uint16_t v) const {
    return IsValidVerse(b, c, v) ? std::to_string(v) : kInvalidVerseIndex;
}

std::string CBible::GetChapterVerseText(uint16_t b, uint16_t c, uint16_t v) const {
    if (!IsValidVerse(b, c, v)) return kInvalidVerseIndex;
    if (GetChapterCount(b) == 1) return std::to_string(v);
    return std::to_string(c) + ":" + std::to_string(v);
}

std::string CBible::GetReferenceText(uint16_t b, uint16_t c, uint16_t v) const {
    std::string text;
    AppendReferenceText(text, b, c, v);
    return text;
}

size_t CBible::ReferenceTextRoom() {
    if (!chapterTextsMade_) BuildChapterTexts();
    return std::max({longestBookName_ + 13, std::strlen(kInvalidVerseIndex), kPrefixCopy});
}

char* CBible::WriteReferenceTextAt(char* p, uint16_t i) {
    // Listings name thousands of verses: the chapter's prefix, then the verse number.
    if (!chapterTextsMade_) BuildChapterTexts();
    if (IsValidVerseIndex(i) && !chapterTexts_.empty()) {
        size_t k = chapterAtBlock_[i >> kBlockShift];
        while (k + 1 < chapterTexts_.size() && chapterTexts_[k + 1].start <= i)
            ++k;
        const ChapterText& t = chapterTexts_[k];
        const int v = i - t.start + t.first;
        if (v >= 0 && v <= t.last) {
            // Copied whole, which is quicker than the exact length.
            std::memcpy(p, chapterPrefixes_.data() + t.offset, kPrefixCopy);
            return WriteDecimal(p + t.length, static_cast<uint16_t>(v));
        }
    }
    const CVerse r = GetVerseAt(i);
    const uint16_t b = r.GetBook(), c = r.GetChapter(), v = r.GetVerse();
    if (!IsValidVerse(b, c, v)) {
        const size_t n = std::strlen(kInvalidVerseIndex);
        std::memcpy(p, kInvalidVerseIndex, n);
        return p + n;
    }
    return WriteReference(p, books[b - 1u].name, GetChapterCount(b) != 1, c, v);
}

void CBible::AppendReferenceTextAt(std::string& out, uint16_t i, const CLocalBookNames* names) {
    if (names) {
        const CVerse r = GetVerseAt(i);
        if (IsValidVerse(r.GetBook(), r.GetChapter(), r.GetVerse()) && r.GetBook() <= 66) {
            AppendReference(out, names->names[r.GetBook() - 1u], GetChapterCount(r.GetBook()) != 1,
                            r.GetChapter(), r.GetVerse());
            return;
        }
    }
    const size_t at = out.size();
    out.resize(at + ReferenceTextRoom());
    char* p = WriteReferenceTextAt(out.data() + at, i);
    out.resize(static_cast<size_t>(p - out.data()));
}

void CBible::AppendReferenceText(std::string& out, uint16_t b, uint16_t c, uint16_t v) const {
    if (!IsValidVerse(b, c, v)) {
        out += kInvalidVerseIndex;
        return;
    }
    AppendReference(out, books[b - 1u].name, GetChapterCount(b) != 1, c, v);
}

std::string CBible::GetVerseNumberText(const CVerse& r) const {
    return GetVerseNumberText(r.GetBook(), r.GetChapter(), r.GetVerse());
}
std::string CBible::GetChapterVerseText(const CVerse& r) const {
    return GetChapterVerseText(r.GetBook(), r.GetChapter(), r.GetVerse());
}
std::string CBible::GetReferenceText(const CVerse& r) const {
    return GetReferenceText(r.GetBook(), r.GetChapter(), r.GetVerse());
}

void CBible::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteDWord(reserved);
        ar.WriteCount(static_cast<uint32_t>(books.size()));
        for (CBook& b : books)
            b.Serialize(ar);
    } else {
        reserved = ar.ReadDWord();
        uint32_t n = ar.ReadCount();
        // Each stored book takes at least eight bytes.
        ar.Require(uint64_t(n) * 8);
        books.assign(n, CBook());
        for (CBook& b : books)
            b.Serialize(ar);
        totalVerseCount = 0;
        ForgetTables();
    }
}

constinit CBible theBible;

CBible& TheBibleBuilt() {
    if (theBible.GetBookCount() == 0 || theBible.GetTotalVerseCount() == 0) theBible.RebuildCanon();
    return theBible;
}
