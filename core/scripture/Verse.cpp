// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verse.h"

#include "Bible.h"
#include "foundation/Archive.h"

bool CVerse::IsValidBook() const {
    return TheBible().IsValidBook(book);
}
bool CVerse::IsValidChapter() const {
    return TheBible().IsValidChapter(book, chapter);
}
bool CVerse::IsValidVerse() const {
    return TheBible().IsValidVerse(book, chapter, verse);
}

void CVerse::SetReference(uint16_t b, uint16_t c, uint16_t v) {
    CBible& bible = TheBible();
    if (b == LAST_PART)
        book = bible.GetBookCount();
    else if (b != KEEP_PART) {
        book = b;
        if (!bible.IsValidBook(book)) book = 1;
    }
    if (c == LAST_PART)
        chapter = bible.GetChapterCount(book);
    else if (c != KEEP_PART) {
        chapter = c;
        if (!bible.IsValidChapter(book, chapter)) chapter = 1;
    }
    if (v == LAST_PART)
        verse = bible.GetLastVerse(book, chapter);
    else if (v != KEEP_PART) {
        verse = v;
        if (!bible.IsValidVerse(book, chapter, verse)) verse = bible.GetFirstVerse(book, chapter);
    }
}

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Steps 1 to 3 of reading a reference text: the text trimmed and closed up
// ("1John 3:16"), where its numbers start, and the book name before them.
struct ReferenceParts {
    std::string text;
    size_t numbers = 0;
    std::string name;
};

ReferenceParts SplitReference(const std::string& input) {
    ReferenceParts p;
    std::string& text = p.text;
    text = input;
    size_t b = text.find_first_not_of(' ');
    size_t e = text.find_last_not_of(' ');
    text = b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
    while (text.size() >= 4 && text[1] == ' ')
        text.erase(1, 1);
    size_t i = 1;
    while (i < text.size() && !IsDigit(text[i]))
        ++i;
    if (i > text.size()) i = text.size();
    p.numbers = i;
    p.name = text.substr(0, i);
    while (!p.name.empty() && p.name.back() == ' ')
        p.name.pop_back();
    return p;
}

} // namespace

void CVerse::SetFromText(const std::string& input) {
    CBible& bible = TheBible();
    ReferenceParts parts = SplitReference(input);
    const std::string& text = parts.text;
    const size_t i = parts.numbers;
    const std::string& name = parts.name;
    auto isDigit = IsDigit;

    uint16_t number1 = 0, number2 = 0;
    size_t colon = text.find(':', i);
    size_t end1 = colon == std::string::npos ? text.size() : colon;
    for (size_t k = i; k < end1; ++k)
        if (isDigit(text[k])) number1 = static_cast<uint16_t>(number1 * 10 + (text[k] - '0'));

    uint16_t bk = bible.FindBook(name);
    if (!bible.IsValidBook(bk)) bk = 1;
    uint16_t ch, vs;
    if (colon != std::string::npos) {
        for (size_t k = colon + 1; k < text.size(); ++k)
            if (isDigit(text[k])) number2 = static_cast<uint16_t>(number2 * 10 + (text[k] - '0'));
        ch = number1;
        vs = number2;
    } else if (bible.GetChapterCount(bk) == 1) {
        ch = 1;
        vs = number1;
    } else {
        ch = bible.IsValidChapter(bk, number1) ? number1 : 1;
        vs = bible.GetFirstVerse(bk, ch);
    }
    if (!bible.IsValidChapter(bk, ch)) ch = 1;
    if (!bible.IsValidVerse(bk, ch, vs)) vs = bible.GetFirstVerse(bk, ch);
    book = bk;
    chapter = ch;
    verse = vs;
}

void CVerse::SetToFirstVerse() {
    verse = TheBible().GetFirstVerse(book, chapter);
}
CVerse CVerse::LastChapter() const {
    CVerse r(*this);
    r.SetToLastChapter();
    return r;
}

void CVerse::AdvanceVerses(uint16_t n) {
    CBible& bible = TheBible();
    verse = static_cast<uint16_t>(verse + n);
    while (!bible.IsValidVerse(book, chapter, verse)) {
        verse = static_cast<uint16_t>(verse - bible.GetLastVerse(book, chapter));
        chapter = static_cast<uint16_t>(chapter + 1);
        if (bible.GetFirstVerse(book, chapter) == 0) verse = static_cast<uint16_t>(verse - 1);
        if (bible.IsValidChapter(book, chapter)) continue;
        book = static_cast<uint16_t>(book + 1);
        chapter = 1;
        if (!bible.IsValidBook(book)) {
            book = bible.GetBookCount();
            chapter = bible.GetChapterCount(book);
            verse = bible.GetLastVerse(book, chapter);
            return;
        }
        if (bible.GetFirstVerse(book, 1) == 0) verse = static_cast<uint16_t>(verse - 1);
    }
}

void CVerse::AdvanceChapters(uint16_t n) {
    CBible& bible = TheBible();
    chapter = static_cast<uint16_t>(chapter + n);
    while (!bible.IsValidChapter(book, chapter)) {
        uint16_t left = book;
        book = static_cast<uint16_t>(book + 1);
        if (bible.IsValidBook(book)) {
            chapter = static_cast<uint16_t>(chapter - bible.GetChapterCount(left));
        } else {
            book = bible.GetBookCount();
            chapter = bible.GetChapterCount(book);
        }
    }
    verse = bible.GetFirstVerse(book, chapter);
}

void CVerse::AdvanceBooks(uint16_t n) {
    CBible& bible = TheBible();
    book = static_cast<uint16_t>(book + n);
    if (!bible.IsValidBook(book)) book = bible.GetBookCount();
    chapter = 1;
    verse = bible.GetFirstVerse(book, 1);
}

void CVerse::BackVerses(uint16_t n) {
    CBible& bible = TheBible();
    while (n > 0) {
        uint16_t k = static_cast<uint16_t>(verse - bible.GetFirstVerse(book, chapter) + 1);
        if (k > n) {
            verse = static_cast<uint16_t>(verse - n);
            return;
        }
        n = static_cast<uint16_t>(n - k);
        if (chapter > 1) {
            chapter = static_cast<uint16_t>(chapter - 1);
        } else if (book > 1) {
            book = static_cast<uint16_t>(book - 1);
            chapter = bible.GetChapterCount(book);
        } else {
            book = 1;
            chapter = 1;
            verse = bible.GetFirstVerse(1, 1);
            return;
        }
        verse = bible.GetLastVerse(book, chapter);
    }
}

void CVerse::BackChapters(uint16_t n) {
    CBible& bible = TheBible();
    while (n > 0) {
        if (chapter > n) {
            chapter = static_cast<uint16_t>(chapter - n);
            break;
        }
        n = static_cast<uint16_t>(n - chapter);
        if (book > 1) {
            book = static_cast<uint16_t>(book - 1);
            chapter = bible.GetChapterCount(book);
        } else {
            book = 1;
            chapter = 1;
            break;
        }
    }
    verse = bible.GetFirstVerse(book, chapter);
}

void CVerse::BackBooks(uint16_t n) {
    book = book > n ? static_cast<uint16_t>(book - n) : 1;
    chapter = 1;
    verse = TheBible().GetFirstVerse(book, 1);
}

std::string CVerse::GetReferenceText() const {
    return TheBible().GetReferenceText(*this);
}
uint16_t CVerse::GetChapterCount() const {
    return TheBible().GetChapterCount(book);
}
bool CVerse::operator<(const CVerse& o) const {
    if (book != o.book) return book < o.book;
    if (chapter != o.chapter) return chapter < o.chapter;
    return verse < o.verse;
}

void CVerse::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteWord(book);
        ar.WriteWord(chapter);
        ar.WriteWord(verse);
    } else {
        book = ar.ReadWord();
        chapter = ar.ReadWord();
        verse = ar.ReadWord();
    }
}
