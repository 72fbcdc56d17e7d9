// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CReadingPlanDoc;

// How often one chapter has been read, from the reader's per-verse history.
// A verse's count is its lifetime count plus one when it is read in the
// current plan: a first reading in the plan sets only the plan's flag, so the
// lifetime count alone would hide it.
struct ChapterCoverage {
    uint16_t book = 0;
    uint16_t chapter = 0;
    uint16_t firstIndex = 0; // absolute index of the chapter's first position
    uint16_t verses = 0;     // positions of the chapter, a psalm's title included
    uint16_t known = 0;      // positions the history file holds a count for
    uint16_t read = 0;       // positions whose count is not 0
    uint32_t minCount = 0;
    uint32_t maxCount = 0;
    uint16_t minLifetime = 0;
    uint16_t maxLifetime = 0;
    uint16_t inPlan = 0;     // positions of the current plan
    uint16_t readInPlan = 0; // of those, read in the plan
};

// The colour classes of the map.
enum class CoverageLevel { none, part, once, twice, threePlus };
CoverageLevel LevelOf(const ChapterCoverage& c);
const char* LevelName(CoverageLevel level);

// Where a chapter lies in the current plan.
enum class PlanMark { notInPlan, toRead, readInPlan };
PlanMark PlanMarkOf(const ChapterCoverage& c);

struct CoverageTotals {
    uint32_t verses = 0;
    uint32_t read = 0;
    uint32_t chapters = 0;
    uint32_t chaptersRead = 0; // every position read at least once
    uint32_t chaptersUntouched = 0;
};

// One of the usual groups of books, for the map's headings.
struct BookGroup {
    const char* name;
    uint16_t firstBook;
    uint16_t lastBook;
};
std::span<const BookGroup> BookGroups();
inline constexpr uint16_t kFirstNewTestamentBook = 40;

// Chapter statistics of the whole canon, in canon order. Arrays shorter than
// the canon (an old or damaged file) count as 0 past their end; longer ones
// are read only as far as the canon goes.
class CCoverage {
public:
    CCoverage() = default;
    static CCoverage Compute(std::span<const uint16_t> lifetime, std::span<const uint8_t> inPlan,
                             std::span<const uint8_t> readInPlan);
    static CCoverage FromDocument(const CReadingPlanDoc& doc);

    const std::vector<ChapterCoverage>& Chapters() const { return chapters_; }
    // Position of (book, chapter) in Chapters(); -1 when there is no such chapter.
    int IndexOf(uint16_t book, uint16_t chapter) const;
    const ChapterCoverage* Find(uint16_t book, uint16_t chapter) const;

    CoverageTotals BookTotals(uint16_t book) const;
    // testament 0 the Old, 1 the New.
    CoverageTotals TestamentTotals(int testament) const;
    CoverageTotals WholeTotals() const;

    // Chapters none of whose positions has been read, in canon order.
    std::vector<const ChapterCoverage*> UnreadChapters() const;

private:
    CoverageTotals Sum(uint16_t firstBook, uint16_t lastBook) const;

    std::vector<ChapterCoverage> chapters_;
    std::vector<int> bookStart_; // index of each book's chapter 1, by book number
};

// One line of `coverage`: book, chapter, verses, read, min count, max count, TAB-separated.
std::string CoverageLine(const ChapterCoverage& c);
// Chapter, verses read and lifetime counts, for the map's tooltip.
std::string CoverageDescription(const ChapterCoverage& c);
