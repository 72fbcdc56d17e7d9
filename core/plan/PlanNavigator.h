// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "PlanElement.h"
#include "foundation/JJulian.h"
#include "scripture/ShownForms.h"

#include <cstdint>
#include <string>
#include <vector>

class CReadingPlanDoc;

// The reading plan window's current assignment and everything the window
// shows, copies and navigates, without drawing. Index -1 means that no
// assignment is unfinished.
class CPlanNavigator {
public:
    explicit CPlanNavigator(const CReadingPlanDoc& doc) : doc_(doc) {}

    int GetIndex() const { return index_; }
    void SetIndex(int index) { index_ = index; }
    int FindFirstUnfinished() const;

    // The current assignment (the empty one for an invalid index).
    CPlanElement Current() const;
    // Due on another day (or time) than the generator gave it.
    bool IsMoved() const;

    // Lines 1 to 5 of the window and the text of reading i; the windows give the reader's forms.
    std::string GetLineText(int n, const CJJulian& today, const CShownForms& forms = EnglishForms()) const;
    std::string GetReadingText(int i, const CShownForms& forms = EnglishForms()) const;

    // Whether the window shows only one status line, and which.
    bool ShowsStatusOnly() const;
    std::string StatusText(const CShownForms& forms = EnglishForms()) const;

    enum class Tone { normal, read, overdue };
    Tone ReadingTone(int i, const CJJulian& today) const;

    // A text line of the window: its row (in line heights from the top) and tone.
    struct Line {
        int row;
        std::string text;
        Tone tone;
    };
    std::vector<Line> Lines(const CJJulian& today, const CShownForms& forms = EnglishForms()) const;
    // "Finished on Tue 01/05/2027" for a finished assignment the journal knows the day of.
    std::string FinishedText(const CShownForms& forms = EnglishForms()) const;
    // The reading drawn at row, or -1.
    int ReadingAtRow(int row) const;
    // The plain text the Copy command puts on the clipboard, CR LF line breaks.
    std::string CopyText(const CJJulian& today) const;

    // Navigation: enabled states and moves.
    bool CanNext() const;
    bool CanPrevious() const;
    bool CanFirst() const;
    bool CanLast() const;
    bool HasAssignments() const;
    void Next();
    void Previous();
    void First() { index_ = 0; }
    void Last();
    void GoToFirstUnfinished() { index_ = FindFirstUnfinished(); }
    // The first assignment due on or after chosen; the last one when none is.
    void GoToDate(const CJJulian& chosen);
    // The first assignment with a range holding v; false (index kept) when v
    // is not in the plan.
    bool GoToVerse(uint16_t v);

private:
    const CReadingPlanDoc& doc_;
    int index_ = 0;
};
