// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Document.h"

#include <cstdint>
#include <string>
#include <vector>

class CBibleNoteDoc;

// Control ids of the verse navigation bar.
namespace NoteBar {
inline constexpr int kBookList = 1125;
inline constexpr int kChapterList = 1127;
inline constexpr int kVerseList = 1128;
inline constexpr int kPrevious = 1129;
inline constexpr int kNext = 1130;
} // namespace NoteBar

// Everything the verse notes window does, without the widgets: it edits the
// note of one verse, the current verse, and moves with the navigation bar.
// The editor's text goes into the document each time the current verse
// changes and when the view goes away; typing alone does not touch it. A
// front end supplies the editor and the three lists through the hooks.
class CBibleNoteViewBase : public CView {
public:
    CBibleNoteViewBase();

    CBibleNoteDoc* GetNoteDoc() const;
    uint16_t CurrentVerse() const { return currentVerse_; }

    void OnInitialUpdate();
    void CommitNote();
    void ShowNote();
    void SyncBar();
    // Entries as the lists report them: -1 when nothing is selected.
    void OnSelectionChanged(int bookEntry, int chapterEntry, int verseEntry);
    void OnPrevious();
    void OnNext();

    bool IsChapterListEnabled() const;
    bool IsPreviousEnabled() const;
    bool IsNextEnabled() const;

    // "Anna - John 3:16": the header of a printed page.
    std::string PrintHeader() const;

    void OnUpdate(CView*, long) override {}

protected:
    // The editor's whole text (UTF-8, lines ended by \n), and replacing it.
    virtual std::string EditorText() const = 0;
    virtual void SetEditorText(const std::string& text) = 0;
    virtual void FillBookList(const std::vector<std::string>& entries) = 0;
    virtual void FillChapterList(const std::vector<std::string>& entries) = 0;
    virtual void FillVerseList(const std::vector<std::string>& entries) = 0;
    virtual void SelectEntry(int listId, int entry) = 0;
    // The current verse or the noted range changed: enabled states are stale.
    virtual void BarStateChanged() {}

private:
    void MoveTo(uint16_t verse);
    void FillChaptersAndVerses();

    uint16_t currentVerse_ = 0;
};
