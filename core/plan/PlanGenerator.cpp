// SPDX-License-Identifier: GPL-3.0-or-later
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

// The canon's chapters in order. The generator walks a section chapter by
// chapter, and through this table each step is an index, not a look-up.
struct Chapter {
    uint16_t book;
    uint16_t number;
    uint16_t first;
    uint16_t last;
    uint16_t start; // index of the first verse
};

// A place in the canon: a chapter of the table and a verse number in it.
struct Place {
    uint32_t chapter = 0;
    uint16_t verse = 0;
    bool operator==(const Place&) const = default;
};

class Canon {
public:
    explicit Canon(const CBible& bible) {
        firstChapter_.assign(static_cast<size_t>(bible.GetBookCount()) + 2, 0);
        for (uint16_t b = 1; b <= bible.GetBookCount(); ++b) {
            firstChapter_[b] = static_cast<uint32_t>(chapters_.size());
            for (uint16_t c = 1; c <= bible.GetChapterCount(b); ++c)
                chapters_.push_back(
                    {b, c, bible.GetFirstVerse(b, c), bible.GetLastVerse(b, c), bible.GetChapterStart(b, c)});
        }
        firstChapter_[static_cast<size_t>(bible.GetBookCount()) + 1] =
            static_cast<uint32_t>(chapters_.size());
    }

    Place FirstOfBook(uint16_t b) const {
        const uint32_t c = firstChapter_[b];
        return {c, chapters_[c].first};
    }
    Place LastOfBook(uint16_t b) const {
        const uint32_t c = firstChapter_[b + 1u] - 1;
        return {c, chapters_[c].last};
    }
    Place LastOfChapter(const Place& p) const { return {p.chapter, chapters_[p.chapter].last}; }
    uint16_t Book(const Place& p) const { return chapters_[p.chapter].book; }
    uint16_t Index(const Place& p) const {
        const Chapter& c = chapters_[p.chapter];
        return static_cast<uint16_t>(c.start + p.verse - c.first);
    }
    uint16_t LastVerse(const Place& p) const { return chapters_[p.chapter].last; }
    uint16_t Slots(const Place& p) const {
        const Chapter& c = chapters_[p.chapter];
        return static_cast<uint16_t>(c.last + (c.first == 0 ? 1 : 0));
    }

    // n verses on, as CVerse::AdvanceVerses counts them: past the canon's
    // last verse it stays there.
    Place Advanced(const Place& p, uint16_t n) const {
        const Chapter& c = chapters_[p.chapter];
        const uint32_t v = uint32_t(p.verse) + n;
        if (v <= c.last) return {p.chapter, static_cast<uint16_t>(v)};
        // The verse after a chapter's last: the next chapter's first.
        if (v == c.last + 1u) {
            if (p.chapter + 1 < chapters_.size()) return {p.chapter + 1, chapters_[p.chapter + 1].first};
            return {p.chapter, c.last};
        }
        CVerse r(c.book, c.number, p.verse);
        r.AdvanceVerses(n);
        return {firstChapter_[r.GetBook()] + r.GetChapter() - 1u, r.GetVerse()};
    }

private:
    std::vector<Chapter> chapters_;
    std::vector<uint32_t> firstChapter_; // by book; one past the last book ends the table
};

// One section's progress through its row of books.
struct Section {
    const std::vector<uint16_t>* row = nullptr;
    uint16_t total = 0;
    double share = 0;
    Place cursor;
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
    Builder(const PlanSettings& s, const Canon& canon, CPlanElement& out) : s_(s), canon_(canon), out_(out) {}

    void HandOut(uint16_t a, uint16_t b) { out_.AddRange(a, b); }

    // Moves past the end of the current book: to the next book of the row,
    // or marks the section exhausted and starts it again when it repeats.
    void NextBook(Section& sec, Place& v, uint16_t& start) {
        ++sec.bookPos;
        if (sec.HasBook()) {
            v = canon_.FirstOfBook(sec.Book());
            start = canon_.Index(v);
            return;
        }
        sec.exhausted = true;
        if (s_.repeatBooks == 1) {
            sec.bookPos = 0;
            v = canon_.FirstOfBook(sec.Book());
            start = canon_.Index(v);
        }
    }

    void LastDay(Section& sec) {
        HandOut(canon_.Index(sec.cursor), canon_.Index(canon_.LastOfBook(canon_.Book(sec.cursor))));
        for (size_t p = sec.bookPos + 1; p < sec.row->size(); ++p)
            HandOut(canon_.Index(canon_.FirstOfBook((*sec.row)[p])),
                    canon_.Index(canon_.LastOfBook((*sec.row)[p])));
    }

    void Chapters(Section& sec, uint32_t target) {
        Place v = sec.cursor;
        uint16_t start = canon_.Index(v);
        uint16_t end = start;
        bool taken = false;
        for (;;) {
            // The first chapter of the day is always taken.
            if (taken && sec.readSoFar + canon_.Slots(v) / 2u >= target) break;
            if (sec.exhausted && s_.repeatBooks == 0) break;
            Place w = canon_.LastOfChapter(v);
            end = canon_.Index(w);
            sec.readSoFar += canon_.Slots(w);
            taken = true;
            v = canon_.Advanced(w, 1);
            if (sec.HasBook() && canon_.Book(v) == sec.Book() && !(v == w)) {
                if (sec.readSoFar + canon_.Slots(v) / 2u < target) continue;
                HandOut(start, end);
                continue;
            }
            HandOut(start, end);
            NextBook(sec, v, start);
        }
        sec.cursor = v;
    }

    void Verses(Section& sec, uint32_t target) {
        Place v = sec.cursor;
        uint16_t start = canon_.Index(v);
        auto rest = [this](const Place& r) -> uint32_t {
            return static_cast<uint32_t>(canon_.LastVerse(r) - r.verse + 1);
        };
        while (sec.readSoFar + rest(v) <= target) {
            if (sec.exhausted && s_.repeatBooks == 0) break;
            Place w = canon_.LastOfChapter(v);
            uint16_t end = canon_.Index(w);
            sec.readSoFar += rest(v);
            v = canon_.Advanced(w, 1);
            if (sec.HasBook() && canon_.Book(v) == sec.Book() && !(v == w)) {
                if (sec.readSoFar >= target) HandOut(start, end);
                continue;
            }
            HandOut(start, end);
            NextBook(sec, v, start);
        }
        if (sec.readSoFar < target) {
            Place w = canon_.Advanced(v, static_cast<uint16_t>(target - sec.readSoFar - 1));
            sec.readSoFar += static_cast<uint32_t>(w.verse - v.verse + 1);
            v = canon_.Advanced(w, 1);
            HandOut(start, canon_.Index(w));
        }
        sec.cursor = v;
    }

private:
    const PlanSettings& s_;
    const Canon& canon_;
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
    const Canon canon(bible);

    std::array<Section, 7> sections;
    for (size_t i = 1; i <= 6; ++i) {
        Section& sec = sections[i];
        sec.row = &rows[i];
        for (uint16_t b : rows[i])
            sec.total = static_cast<uint16_t>(sec.total + bible.GetBookVerseCount(b));
        sec.share = static_cast<double>(sec.total) / n;
        if (!rows[i].empty()) sec.cursor = canon.FirstOfBook(rows[i][0]);
    }

    if (progress) progress->SetRange(static_cast<int>(n));
    plan.reserve(n);
    CJJulian date = s.startDate;
    CPlanElement day;
    Builder builder(s, canon, day);
    // The weekday steps with the date (0 = Sunday), rather than being worked out for each day.
    for (uint32_t v = 0, weekday = static_cast<uint32_t>(date.GetWeekday() - 1); v < n;
         date = date.NextDay(), weekday = weekday == 6 ? 0 : weekday + 1) {
        if (progress) progress->SetPos(static_cast<int>(v));
        if (s.readOnWeekday[weekday] == 0) continue;
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

void LeaveOutBefore(std::vector<CPlanElement>& elements, const CJJulian& day) {
    std::erase_if(elements, [&day](const CPlanElement& e) { return e.GetScheduledDate() < day; });
}
