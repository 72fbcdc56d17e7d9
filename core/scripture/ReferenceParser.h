// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// What a person typed as a reference, read strictly: a book by any of its
// usual names or abbreviations (see kBookNameTable in ReferenceParser.cpp),
// then "C", "C:V", "C-C", "C:V-V", "C:V-C:V" or a book of one chapter's
// "Jude 5". A chapter or verse the book lacks, or a range that runs
// backwards, is refused with the reason; nothing is moved to another verse.
struct CReferenceReading {
    uint16_t first = 0; // absolute verse indices, inclusive
    uint16_t last = 0;
    uint16_t firstBook = 0;
    uint16_t lastBook = 0;
    bool oneVerse = false; // the text named a single verse, not a chapter, book or range
    std::string error;     // why the text cannot be read; empty when it was
    std::string warning;   // a reading that was adjusted, such as a verse of another numbering
    bool Ok() const { return error.empty(); }
};

struct CReferenceOptions {
    // Reading lists may leave out the book of the reference before them on the
    // same line ("Gen 1; 2"); the book last read is kept here. Null elsewhere.
    uint16_t* bookOfLine = nullptr;
    // Chapter lists write "Obadiah 1" for the whole book; typed references
    // mean verse 1 by it.
    bool loneOneIsWholeChapter = false;
    // Other numberings give some chapters a verse or two more than this
    // canon ("3 John 1:15"): such a verse is read as the chapter's last, with
    // a warning, instead of being refused.
    bool acceptVersesOfOtherNumberings = false;
    // A language whose book names are read too, before the English ones ("es": "Salmos 23").
    std::string language{};
};

CReferenceReading ReadReference(std::string_view text, const CReferenceOptions& options = {});

// The book of a name or abbreviation ("Genesis", "gen", "1 Sam", "ISam",
// "Song of Solomon", "Matt."), any case; 0 when none or more than one book fits. With a language,
// its names are tried first ("Salmos", "1 Kor").
uint16_t FindBookByName(std::string_view name, std::string_view language = {});

// Every written form FindBookByName knows for book b besides unique
// beginnings of its names, separated by ", ": for help texts and the manual.
std::string KnownBookNames(uint16_t b);

// A typed text as a message quotes it: at most 60 bytes, never cut inside a UTF-8 sequence.
std::string Shorten(std::string_view s);
// En and em dashes as "-", so that "John 3:16–18" reads as typed with a hyphen.
std::string PlainDashes(std::string_view s);

// The characters typed references and reading lists are read by (a line break ends a line, so it
// is no blank here). ASCII only: no byte of a UTF-8 sequence is taken for a digit, a letter or a
// blank.
inline bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool IsInlineBlank(char c) {
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}
