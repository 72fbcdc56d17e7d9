#include "PlanGenerator.h"

#include "framework/UiServices.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <algorithm>

namespace {

bool AnyReadingDay(const PlanSettings& s) {
    return std::any_of(s.readOnWeekday.begin(), s.readOnWeekday.end(), [](int32_t f) { return f != 0; });
}

bool IsReadingDay(const PlanSettings& s, const CJJulian& d) {
    return s.readOnWeekday[static_cast<size_t>(d.GetWeekday() - 1)] != 0;
}

CVerse FirstVerseOfBook(uint16_t b) {
    return CVerse(b, 1, TheBible().GetFirstVerse(b, 1));
}

CVerse LastVerseOfBook(uint16_t b) {
    CBible& bible = TheBible();
    uint16_t c = bible.GetChapterCount(b);
    return CVerse(b, c, bible.GetLastVerse(b, c));
}

// One section's progress through its row of books.
struct Section {
    const std::vector<uint16_t>* row = nullptr;
    uint16_t total = 0;
    double share = 0;
    CVerse cursor;
    size_t bookPos = 0;
    // Wider than the 16 bits of the target: a repeating section in chapter
    // mode keeps reading past its total, and a wrap would make it race ahead.
    uint32_t readSoFar = 0;
    bool exhausted = false;

    bool HasBook() const { return bookPos < row->size(); }
    uint16_t Book() const { return (*row)[bookPos]; }
};

class Builder {
public:
    Builder(const PlanSettings& s, CPlanElement& out) : s_(s), out_(out) {}

    void HandOut(uint16_t a, uint16_t b) { out_.AddRange(a, b); }

    // Moves past the end of the current book: to the next book of the row,
    // or marks the section exhausted and starts it again when it repeats.
    void NextBook(Section& sec, CVerse& v, uint16_t& start) {
        ++sec.bookPos;
        if (sec.HasBook()) {
            v = FirstVerseOfBook(sec.Book());
            start = v.GetIndex();
            return;
        }
        sec.exhausted = true;
        if (s_.repeatBooks == 1) {
            sec.bookPos = 0;
            v = FirstVerseOfBook(sec.Book());
            start = v.GetIndex();
        }
    }

    void LastDay(Section& sec) {
        HandOut(sec.cursor.GetIndex(), LastVerseOfBook(sec.cursor.GetBook()).GetIndex());
        for (size_t p = sec.bookPos + 1; p < sec.row->size(); ++p)
            HandOut(FirstVerseOfBook((*sec.row)[p]).GetIndex(), LastVerseOfBook((*sec.row)[p]).GetIndex());
    }

    void Chapters(Section& sec, uint32_t target) {
        CVerse v = sec.cursor;
        uint16_t start = v.GetIndex();
        uint16_t end = start;
        bool taken = false;
        for (;;) {
            // The first chapter of the day is always taken.
            if (taken && sec.readSoFar + v.GetVerseSlotCount() / 2u >= target) break;
            if (sec.exhausted && s_.repeatBooks == 0) break;
            CVerse w = v.LastVerseOf();
            end = w.GetIndex();
            sec.readSoFar += w.GetVerseSlotCount();
            taken = true;
            v = w.Advanced(1);
            if (sec.HasBook() && v.GetBook() == sec.Book() && !(v == w)) {
                if (sec.readSoFar + v.GetVerseSlotCount() / 2u < target) continue;
                HandOut(start, end);
                continue;
            }
            HandOut(start, end);
            NextBook(sec, v, start);
        }
        sec.cursor = v;
    }

    void Verses(Section& sec, uint32_t target) {
        CVerse v = sec.cursor;
        uint16_t start = v.GetIndex();
        auto rest = [](const CVerse& r) -> uint32_t {
            return static_cast<uint32_t>(r.GetLastVerseNumber() - r.GetVerse() + 1);
        };
        while (sec.readSoFar + rest(v) <= target) {
            if (sec.exhausted && s_.repeatBooks == 0) break;
            CVerse w = v.LastVerseOf();
            uint16_t end = w.GetIndex();
            sec.readSoFar += rest(v);
            v = w.Advanced(1);
            if (sec.HasBook() && v.GetBook() == sec.Book() && !(v == w)) {
                if (sec.readSoFar >= target) HandOut(start, end);
                continue;
            }
            HandOut(start, end);
            NextBook(sec, v, start);
        }
        if (sec.readSoFar < target) {
            CVerse w = v.Advanced(static_cast<uint16_t>(target - sec.readSoFar - 1));
            sec.readSoFar += static_cast<uint32_t>(w.GetVerse() - v.GetVerse() + 1);
            v = w.Advanced(1);
            HandOut(start, w.GetIndex());
        }
        sec.cursor = v;
    }

private:
    const PlanSettings& s_;
    CPlanElement& out_;
};

// Weekdays a … b (1 = Sunday) that are reading days.
int64_t CountFlags(const PlanSettings& s, int a, int b) {
    int64_t n = 0;
    for (int w = std::max(a, 1); w <= std::min(b, 7); ++w)
        n += s.readOnWeekday[static_cast<size_t>(w - 1)] != 0;
    return n;
}

} // namespace

SectionBooks SectionBooksFrom(const std::vector<int32_t>& bookSection) {
    SectionBooks rows;
    const size_t books = std::min<size_t>(bookSection.size(), TheBible().GetBookCount());
    for (size_t i = 0; i < books; ++i) {
        int32_t s = bookSection[i];
        if (s >= 1 && s <= 6 && rows[static_cast<size_t>(s)].size() < kMaxRowBooks)
            rows[static_cast<size_t>(s)].push_back(static_cast<uint16_t>(i + 1));
    }
    return rows;
}

uint32_t CountReadingDays(const PlanSettings& s) {
    if (!AnyReadingDay(s)) return 0;
    const int g = s.startDate.GetWeekday();
    const int64_t r = s.planLengthDays - (8 - g);
    const int64_t l = r % 7;
    const int64_t m = (r - l) / 7;
    int64_t n =
        m * CountFlags(s, 1, 7) + CountFlags(s, g, 7) + (l >= 1 && l <= 6 ? CountFlags(s, 1, int(l)) : 0);
    return static_cast<uint32_t>(std::clamp<int64_t>(n, 1, kMaxAssignments));
}

std::vector<CPlanElement> BuildPlan(const PlanSettings& s, const SectionBooks& rows, IProgress* progress) {
    std::vector<CPlanElement> plan;
    const uint32_t n = CountReadingDays(s);
    if (n == 0) return plan;
    CBible& bible = TheBible();

    std::array<Section, 7> sections;
    for (size_t i = 1; i <= 6; ++i) {
        Section& sec = sections[i];
        sec.row = &rows[i];
        for (uint16_t b : rows[i])
            sec.total = static_cast<uint16_t>(sec.total + bible.GetBookVerseCount(b));
        sec.share = static_cast<double>(sec.total) / n;
        if (!rows[i].empty()) sec.cursor = FirstVerseOfBook(rows[i][0]);
    }

    if (progress) progress->SetRange(static_cast<int>(n));
    plan.reserve(n);
    CJJulian date = s.startDate;
    CPlanElement day;
    Builder builder(s, day);
    for (uint32_t v = 0; v < n; date = date.NextDay()) {
        if (progress) progress->SetPos(static_cast<int>(v));
        if (!IsReadingDay(s, date)) continue;
        ++v;
        day.SetOriginalDate(date);
        day.SetScheduledDate(date);
        for (size_t i = 1; i <= 6; ++i) {
            Section& sec = sections[i];
            if (!sec.HasBook()) continue;
            if (v == n && !sec.exhausted) {
                builder.LastDay(sec);
                continue;
            }
            const auto target = static_cast<uint16_t>(static_cast<double>(v) * sec.share);
            if (s.divideBy == 0)
                builder.Chapters(sec, target);
            else
                builder.Verses(sec, target);
        }
        // A copy: the day keeps its ranges' room for the next one.
        plan.push_back(day);
        day.ClearRanges();
    }
    return plan;
}

void DateAssignments(std::vector<CPlanElement>& elements, const PlanSettings& s, IProgress* progress) {
    if (!AnyReadingDay(s)) return;
    if (progress) progress->SetRange(static_cast<int>(elements.size()));
    CJJulian date = s.startDate;
    for (size_t i = 0; i < elements.size(); ++i, date = date.NextDay()) {
        while (!IsReadingDay(s, date))
            date = date.NextDay();
        elements[i].SetOriginalDate(date);
        elements[i].SetScheduledDate(date);
        if (progress) progress->SetPos(static_cast<int>(i + 1));
    }
}
