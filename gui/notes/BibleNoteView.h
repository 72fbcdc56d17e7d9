// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "NoteEditView.h"
#include "notes/BibleNoteViewBase.h"

class CAutosave;
class CBibleNoteDoc;
class CVerseTextPane;
class QComboBox;
class QPushButton;

// The controls of the verse navigation bar, which the verse notes window
// holds and this view fills and answers.
struct VerseBarControls {
    QComboBox* books = nullptr;    // 1125
    QComboBox* chapters = nullptr; // 1127
    QComboBox* verses = nullptr;   // 1128
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;
};

// The editor of the current verse's note. Built on its document and the
// window's navigation bar, which it fills at once.
class CBibleNoteView : public CNoteEditView<CBibleNoteViewBase> {
public:
    CBibleNoteView(CBibleNoteDoc& doc, const VerseBarControls& bar, QWidget* parent = nullptr);
    ~CBibleNoteView() override;

    // Brings the bar's enabled states up to date.
    void UpdateBar();

protected:
    std::string EditorText() const override;
    void SetEditorText(const std::string& text) override;
    void FillBookList(const std::vector<std::string>& entries) override;
    void FillChapterList(const std::vector<std::string>& entries) override;
    void FillVerseList(const std::vector<std::string>& entries) override;
    void SelectEntry(int listId, int entry) override;
    void BarStateChanged() override { UpdateBar(); }

private:
    QComboBox* List(int listId) const;
    void Fill(int listId, const std::vector<std::string>& entries);

    VerseBarControls bar_;
    // The current verse's text above the note.
    CVerseTextPane* verseText_ = nullptr;
    CAutosave* autosave_ = nullptr;
};
