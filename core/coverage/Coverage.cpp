// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

#include "foundation/Translatable.h"

#include "plan/ReadingPlanDoc.h"
#include "scripture/Bible.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<BookGroup, 9> kGroups{{{TR_NOOP("Core", "Pentateuch"), 1, 5},
                                            {TR_NOOP("Core", "Historical"), 6, 17},
                                            {TR_NOOP("Core", "Wisdom"), 18, 22},
                                            {TR_NOOP("Core", "Major Prophets"), 23, 27},
                                            {TR_NOOP("Core", "Minor Prophets"), 28, 39},
                                            {TR_NOOP("Core", "Gospels"), 40, 43},
                                            {TR_NOOP("Core", "Historical"), 44, 44},
                                            {TR_NOOP("Core", "Letters"), 45, 65},
                                            {TR_NOOP("Core", "Prophecy"), 66, 66}}};

std::string ChapterName(const ChapterCoverage& c) {
    CBible& bible = TheBible();
    std::string name = bible.GetBookName(c.book);
    if (bible.GetChapterCount(c.book) > 1) name += " " + std::to_string(c.chapter);
    return name;
}

} // namespace

CoverageLevel LevelOf(const ChapterCoverage& c) {
    if (c.read == 0) return CoverageLevel::none;
    if (c.read < c.verses) return CoverageLevel::part;
    if (c.minCount >= 3) return CoverageLevel::threePlus;
    return c.minCount == 2 ? CoverageLevel::twice : CoverageLevel::once;
}

const char* LevelName(CoverageLevel level) {
    switch (level) {
    case CoverageLevel::none:
        return TR_NOOP("Core", "Not read");
    case CoverageLevel::part:
        return TR_NOOP("Core", "Partly read");
    case CoverageLevel::once:
        return TR_NOOP("Core", "Read once");
    case CoverageLevel::twice:
        return TR_NOOP("Core", "Read twice");
    case CoverageLevel::threePlus:
        return TR_NOOP("Core", "Read three times or more");
    }
    return "";
}

PlanMark PlanMarkOf(const ChapterCoverage& c) {
    if (c.inPlan == 0) return PlanMark::notInPlan;
    return c.readInPlan == c.inPlan ? PlanMark::readInPlan : PlanMark::toRead;
}

std::span<const BookGroup> BookGroups() {
    return kGroups;
}

CCoverage CCoverage::Compute(std::span<const uint16_t> lifetime, std::span<const uint8_t> inPlan,
                             std::span<const uint8_t> readInPlan) {
    CBible& bible = TheBible();
    CCoverage out;
    const uint16_t books = bible.GetBookCount();
    out.chapters_.reserve(1189);
    out.bookStart_.assign(books + 1u, -1);
    for (uint16_t b = 1; b <= books; ++b) {
        out.bookStart_[b] = static_cast<int>(out.chapters_.size());
        const uint16_t chapters = bible.GetChapterCount(b);
        for (uint16_t ch = 1; ch <= chapters; ++ch) {
            ChapterCoverage c;
            c.book = b;
            c.chapter = ch;
            c.firstIndex = bible.GetChapterStart(b, ch);
            c.verses = bible.GetVerseSlotCount(b, ch);
            uint32_t lo = UINT32_MAX, hi = 0;
            uint16_t loLife = UINT16_MAX, hiLife = 0;
            for (uint32_t v = c.firstIndex; v < uint32_t(c.firstIndex) + c.verses; ++v) {
                const uint16_t life = v < lifetime.size() ? lifetime[v] : 0;
                const bool inPlanRead = v < readInPlan.size() && readInPlan[v] != 0;
                const uint32_t count = uint32_t(life) + (inPlanRead ? 1 : 0);
                c.known += v < lifetime.size();
                c.read += count != 0;
                if (v < inPlan.size() && inPlan[v] != 0) {
                    ++c.inPlan;
                    c.readInPlan += inPlanRead;
                }
                lo = std::min(lo, count);
                hi = std::max(hi, count);
                loLife = std::min(loLife, life);
                hiLife = std::max(hiLife, life);
            }
            c.minCount = c.verses ? lo : 0;
            c.maxCount = hi;
            c.minLifetime = c.verses ? loLife : 0;
            c.maxLifetime = hiLife;
            out.chapters_.push_back(c);
        }
    }
    return out;
}

CCoverage CCoverage::FromDocument(const CReadingPlanDoc& doc) {
    return Compute(doc.LifetimeCounts(), doc.InPlan(), doc.ReadInPlan());
}

int CCoverage::IndexOf(uint16_t book, uint16_t chapter) const {
    if (book == 0 || book >= bookStart_.size() || bookStart_[book] < 0 || chapter == 0) return -1;
    const size_t i = static_cast<size_t>(bookStart_[book]) + chapter - 1;
    if (i >= chapters_.size() || chapters_[i].book != book) return -1;
    return static_cast<int>(i);
}

const ChapterCoverage* CCoverage::Find(uint16_t book, uint16_t chapter) const {
    const int i = IndexOf(book, chapter);
    return i < 0 ? nullptr : &chapters_[static_cast<size_t>(i)];
}

CoverageTotals CCoverage::Sum(uint16_t firstBook, uint16_t lastBook) const {
    CoverageTotals t;
    for (const ChapterCoverage& c : chapters_) {
        if (c.book < firstBook || c.book > lastBook) continue;
        t.verses += c.verses;
        t.read += c.read;
        ++t.chapters;
        t.chaptersRead += c.verses != 0 && c.read == c.verses;
        t.chaptersUntouched += c.read == 0;
    }
    return t;
}

CoverageTotals CCoverage::BookTotals(uint16_t book) const {
    return Sum(book, book);
}

CoverageTotals CCoverage::TestamentTotals(int testament) const {
    return testament == 0 ? Sum(1, kFirstNewTestamentBook - 1) : Sum(kFirstNewTestamentBook, UINT16_MAX);
}

CoverageTotals CCoverage::WholeTotals() const {
    return Sum(1, UINT16_MAX);
}

std::vector<const ChapterCoverage*> CCoverage::UnreadChapters() const {
    std::vector<const ChapterCoverage*> out;
    for (const ChapterCoverage& c : chapters_)
        if (c.read == 0) out.push_back(&c);
    return out;
}

std::string CoverageLine(const ChapterCoverage& c) {
    return TheBible().GetBookName(c.book) + '\t' + std::to_string(c.chapter) + '\t' +
           std::to_string(c.verses) + '\t' + std::to_string(c.read) + '\t' + std::to_string(c.minCount) +
           '\t' + std::to_string(c.maxCount);
}

std::string CoverageDescription(const ChapterCoverage& c) {
    std::string text =
        ChapterName(c) + "\n" + std::to_string(c.read) + " of " + std::to_string(c.verses) + " verses read\n";
    if (c.minLifetime == c.maxLifetime)
        text += "Lifetime count " + std::to_string(c.minLifetime);
    else
        text += "Lifetime counts " + std::to_string(c.minLifetime) + " to " + std::to_string(c.maxLifetime);
    switch (PlanMarkOf(c)) {
    case PlanMark::notInPlan:
        break;
    case PlanMark::toRead:
        text += "\nIn the current plan: " + std::to_string(c.readInPlan) + " of " + std::to_string(c.inPlan) +
                " verses read";
        break;
    case PlanMark::readInPlan:
        text += "\nRead in the current plan";
        break;
    }
    if (c.known < c.verses) text += "\nNot all of it is in the history file";
    return text;
}
