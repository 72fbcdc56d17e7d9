// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanNavigator.h"

#include "ReadingPlanDoc.h"
#include "foundation/Clock.h"
#include "foundation/Translatable.h"

#include <optional>

namespace {
uint16_t AsIndex(int i) {
    return i < 0 ? uint16_t(0xFFFF) : static_cast<uint16_t>(i);
}
} // namespace

int CPlanNavigator::FindFirstUnfinished() const {
    for (uint16_t i = 0; i < doc_.GetElementCount(); ++i)
        if (!doc_.IsElementFinished(i)) return i;
    return -1;
}

CPlanElement CPlanNavigator::Current() const {
    // -1 and indices past the end both give the empty assignment.
    return index_ < 0 || index_ > 0xFFFF ? CPlanElement() : doc_.GetElement(AsIndex(index_));
}

bool CPlanNavigator::IsMoved() const {
    CPlanElement a = Current();
    return !(a.GetScheduledDate() == a.GetOriginalDate());
}

std::string CPlanNavigator::GetLineText(int n, const CJJulian& today, const CShownForms& forms) const {
    CPlanElement a = Current();
    switch (n) {
    case 1:
        return forms.Text(TR_NOOP("Core", "Today is %1"), &today);
    case 2: {
        const CJJulian scheduled = a.GetScheduledDate();
        return forms.Text(TR_NOOP("Core", "Reading Plan scheduled for %1"), &scheduled);
    }
    case 3: {
        const CJJulian original = a.GetOriginalDate();
        return IsMoved() ? forms.Text(TR_NOOP("Core", "(Originally scheduled for %1)"), &original) : "";
    }
    case 4: {
        // Today's words for the day due today, or for the first day still to read when it is
        // overdue; any other day paged to is named by its date, not called today's.
        const int32_t due = a.GetScheduledDate().GetDayNumber(), now = today.GetDayNumber();
        if (due == now || (due < now && index_ == FindFirstUnfinished()))
            return forms.Text(TR_NOOP("Core", "Your assignment today is:"));
        const CJJulian scheduled = a.GetScheduledDate();
        return forms.Text(TR_NOOP("Core", "The assignment for %1 is:"), &scheduled);
    }
    case 5:
        return a.GetRangeCount() ? "" : forms.Text(TR_NOOP("Core", "No reading assignment today."));
    default:
        return "";
    }
}

std::string CPlanNavigator::GetReadingText(int i, const CShownForms& forms) const {
    CPlanElement a = Current();
    if (i < 0 || i >= a.GetRangeCount()) return "";
    return RangeText(a.GetRangeStart(static_cast<uint16_t>(i)), a.GetRangeEnd(static_cast<uint16_t>(i)),
                     forms);
}

bool CPlanNavigator::ShowsStatusOnly() const {
    return doc_.CountPlanVerses() == doc_.CountPlanVersesRead();
}

std::string CPlanNavigator::StatusText(const CShownForms& forms) const {
    return forms.Text(doc_.CountPlanVerses() != 0 ? TR_NOOP("Core", "Last Reading Plan Completed")
                                                  : TR_NOOP("Core", "No Reading Plan Selected"));
}

CPlanNavigator::Tone CPlanNavigator::ReadingTone(int i, const CJJulian& today) const {
    CPlanElement a = Current();
    if (i < 0 || i >= a.GetRangeCount()) return Tone::normal;
    const auto k = static_cast<uint16_t>(i);
    if (doc_.IsRangeRead(a.GetRangeStart(k), a.GetRangeEnd(k))) return Tone::read;
    if (a.GetScheduledDate() < today) return Tone::overdue;
    return Tone::normal;
}

std::vector<CPlanNavigator::Line> CPlanNavigator::Lines(const CJJulian& today,
                                                        const CShownForms& forms) const {
    if (ShowsStatusOnly()) return {{0, StatusText(forms), Tone::normal}};
    std::vector<Line> lines;
    lines.push_back({0, GetLineText(1, today, forms), Tone::normal});
    lines.push_back({2, GetLineText(2, today, forms), Tone::normal});
    const int w = IsMoved() ? 3 : 2;
    if (w == 3) lines.push_back({3, GetLineText(3, today, forms), Tone::normal});
    lines.push_back({w + 2, GetLineText(4, today, forms), Tone::normal});
    CPlanElement a = Current();
    if (a.GetRangeCount() == 0) lines.push_back({w + 3, GetLineText(5, today, forms), Tone::normal});
    for (int i = 0; i < a.GetRangeCount(); ++i)
        lines.push_back({w + 3 + i, GetReadingText(i, forms), ReadingTone(i, today)});
    if (const std::string finished = FinishedText(forms); !finished.empty())
        lines.push_back({w + 4 + a.GetRangeCount(), finished, Tone::normal});
    return lines;
}

std::string CPlanNavigator::FinishedText(const CShownForms& forms) const {
    if (index_ < 0 || index_ >= int(doc_.GetElementCount())) return {};
    const std::string at = doc_.FinishedAt(static_cast<uint16_t>(index_));
    const std::optional<CJJulian> day = at.size() >= 10 ? ParseIsoDate(at.substr(0, 10)) : std::nullopt;
    if (!day) return {};
    return forms.Text(TR_NOOP("Core", "Finished on %1"), &*day);
}

int CPlanNavigator::ReadingAtRow(int row) const {
    int r = row - (IsMoved() ? 6 : 5);
    return r >= 0 && r < Current().GetRangeCount() ? r : -1;
}

std::string CPlanNavigator::CopyText(const CJJulian& today) const {
    std::string text = GetLineText(1, today) + "\r\n\r\n" + GetLineText(2, today);
    if (IsMoved()) text += "\r\n" + GetLineText(3, today);
    text += "\r\n\r\n" + GetLineText(4, today) + "\r\n";
    CPlanElement a = Current();
    if (a.GetRangeCount() == 0) return text + GetLineText(5, today);
    for (int i = 0; i < a.GetRangeCount(); ++i)
        text += GetReadingText(i) + "\r\n";
    return text;
}

bool CPlanNavigator::HasAssignments() const {
    return doc_.GetPlanState() != 1;
}

bool CPlanNavigator::CanNext() const {
    return doc_.GetPlanState() == 0 && index_ < int(doc_.GetElementCount()) - 1;
}
bool CPlanNavigator::CanPrevious() const {
    return doc_.GetPlanState() == 0 && index_ != 0;
}
bool CPlanNavigator::CanFirst() const {
    return doc_.GetPlanState() != 1 && index_ != 0;
}
bool CPlanNavigator::CanLast() const {
    return doc_.GetPlanState() != 1 && index_ < int(doc_.GetElementCount()) - 1;
}

void CPlanNavigator::Next() {
    if (index_ >= 0 && index_ < int(doc_.GetElementCount()) - 1) ++index_;
}

void CPlanNavigator::Previous() {
    if (index_ > 0) --index_;
}

void CPlanNavigator::Last() {
    index_ = int(doc_.GetElementCount()) - 1;
}

void CPlanNavigator::GoToDate(const CJJulian& chosen) {
    const auto& elements = doc_.Elements();
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].GetScheduledDate() >= chosen) {
            index_ = static_cast<int>(i);
            return;
        }
    }
    index_ = int(elements.size()) - 1;
}

bool CPlanNavigator::GoToVerse(uint16_t v) {
    if (!doc_.IsVerseInPlan(v)) return false;
    const auto& elements = doc_.Elements();
    for (size_t i = 0; i < elements.size(); ++i) {
        for (const VerseRange& r : elements[i].Ranges()) {
            if (r.start <= v && v <= r.end) {
                index_ = static_cast<int>(i);
                return true;
            }
        }
    }
    return true;
}
