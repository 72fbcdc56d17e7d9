#pragma once
#include "NoteEditView.h"
#include "notes/BibleNoteViewBase.h"

class CBibleNoteDoc;
class CVerseNavigationBar;

// The verse notes window's content: the navigation bar above the editor of
// the current verse's note. Built on its document, which it shows at once.
class CBibleNoteView : public CNoteEditView<CBibleNoteViewBase> {
public:
    explicit CBibleNoteView(CBibleNoteDoc& doc, QWidget* parent = nullptr);
    ~CBibleNoteView() override;

    CVerseNavigationBar* NavigationBar() const { return bar_; }
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
    void Fill(int listId, const std::vector<std::string>& entries);

    CVerseNavigationBar* bar_;
};
