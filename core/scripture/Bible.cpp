// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bible.h"

#include "CanonTables.h"
#include "LocalBookNames.h"
#include "Verse.h"
#include "foundation/Archive.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// "Book C:V" (or "Book V" for a book of one chapter) written straight into the string's room:
// listings name tens of thousands of verses.
void AppendReference(std::string& out, const std::string& book, bool chapters, uint16_t c, uint16_t v) {
    const size_t at = out.size();
    out.resize(at + book.size() + 14); // a blank, two numbers of at most five digits and a colon
    char* p = out.data() + at;
    std::memcpy(p, book.data(), book.size());
    p += book.size();
    *p++ = ' ';
    if (chapters) {
        p = std::to_chars(p, p + 5, c).ptr;
        *p++ = ':';
    }
    p = std::to_chars(p, p + 5, v).ptr;
    out.resize(static_cast<size_t>(p - out.data()));
}

} // namespace

void CBible::BuildCanon() {
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
    indexTable_.clear();
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

uint16_t CBible::GetTotalVerseCount() {
    if (totalVerseCount == 0) totalVerseCount = GetBookVerseCount(0);
    return totalVerseCount;
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

void CBible::AppendReferenceTextAt(std::string& out, uint16_t i, const CLocalBookNames* names) {
    // Listings name thousands of verses: where the table's chapter holds the
    // index, no lookup needs checking again.
    if (IsValidVerseIndex(i)) {
        if (indexTable_.size() != GetTotalVerseCount()) BuildIndexTable();
        const IndexEntry e = indexTable_[i];
        if (indexTableOrdered_) {
            const CBook& book = books[e.book - 1u];
            const int v = i - book.GetChapterStart(e.chapter) + book.GetFirstVerse(e.chapter);
            if (v >= 0 && v <= book.GetLastVerse(e.chapter)) {
                AppendReference(out, names && e.book <= 66 ? names->names[e.book - 1u] : book.name,
                                book.GetChapterCount() != 1, e.chapter, static_cast<uint16_t>(v));
                return;
            }
        }
    }
    const CVerse r = GetVerseAt(i);
    if (names && IsValidVerse(r.GetBook(), r.GetChapter(), r.GetVerse()) && r.GetBook() <= 66) {
        AppendReference(out, names->names[r.GetBook() - 1u], GetChapterCount(r.GetBook()) != 1,
                        r.GetChapter(), r.GetVerse());
        return;
    }
    AppendReferenceText(out, r.GetBook(), r.GetChapter(), r.GetVerse());
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
        indexTable_.clear();
    }
}

constinit CBible theBible;

CBible& TheBibleBuilt() {
    if (theBible.GetBookCount() == 0 || theBible.GetTotalVerseCount() == 0) theBible.RebuildCanon();
    return theBible;
}
