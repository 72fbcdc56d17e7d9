// SPDX-License-Identifier: GPL-3.0-or-later
#include "GapsPlan.h"

#include "plan/PlanGenerator.h"
#include "plan/TemplateText.h"
#include "scripture/Bible.h"

#include <algorithm>

namespace {

// The book name with its blanks, as the import's book tokens match it; a
// one-chapter book is named alone, since a lone number there is a verse.
std::string Reading(const ChapterCoverage& first, const ChapterCoverage& last) {
    CBible& bible = TheBible();
    std::string text = bible.GetBookName(first.book);
    if (bible.GetChapterCount(first.book) > 1) {
        text += " " + std::to_string(first.chapter);
        if (last.chapter != first.chapter) text += "-" + std::to_string(last.chapter);
    }
    return text;
}

} // namespace

std::vector<std::vector<const ChapterCoverage*>>
SpreadChapters(const std::vector<const ChapterCoverage*>& chapters, uint32_t readingDays) {
    std::vector<std::vector<const ChapterCoverage*>> days;
    const size_t k = chapters.size();
    const size_t d = std::min<size_t>(readingDays, k);
    days.resize(d);
    for (size_t i = 0; i < d; ++i) {
        const size_t from = i * k / d, to = (i + 1) * k / d;
        days[i].assign(chapters.begin() + static_cast<std::ptrdiff_t>(from),
                       chapters.begin() + static_cast<std::ptrdiff_t>(to));
    }
    return days;
}

std::string MakeGapsPlanText(const CCoverage& coverage, const GapsPlanRequest& request) {
    const auto unread = coverage.UnreadChapters();
    PlanSettings s;
    s.planLengthDays = request.days;
    s.readOnWeekday = request.readOnWeekday;
    s.startDate = request.startDate;
    const uint32_t readingDays = request.days == 0 ? 0 : CountReadingDays(s);
    if (unread.empty() || readingDays == 0) return {};

    CTemplateTextWriter w;
    w.Text("TITLE", kGapsPlanTitle);
    w.Text("COPYR", kDefaultTemplateFormat);
    w.Text("HEADE", std::to_string(unread.size()) + " chapters never read");
    w.Number("DAYS", static_cast<int32_t>(request.days));
    w.Weekdays(request.readOnWeekday, false);
    // Chapters are cut as whole chapters by reading them with verses on:
    // "[Genesis 3]" is then Genesis 3 alone, not Genesis 3 to the end of the book.
    w.BeginDays();
    std::vector<std::string> readings;
    for (const auto& day : SpreadChapters(unread, readingDays)) {
        readings.clear();
        // Neighbouring chapters of one book make one reading.
        for (size_t i = 0; i < day.size();) {
            size_t j = i;
            while (j + 1 < day.size() && day[j + 1]->book == day[i]->book &&
                   day[j + 1]->chapter == day[j]->chapter + 1)
                ++j;
            readings.push_back(Reading(*day[i], *day[j]));
            i = j + 1;
        }
        w.Day(readings);
    }
    return w.Take();
}

bool ParseWeekdays(const std::string& text, std::array<int32_t, 7>& out) {
    if (text.size() != 7) return false;
    std::array<int32_t, 7> days{};
    for (size_t i = 0; i < 7; ++i) {
        if (text[i] != '0' && text[i] != '1') return false;
        days[i] = text[i] == '1';
    }
    out = days;
    return true;
}
