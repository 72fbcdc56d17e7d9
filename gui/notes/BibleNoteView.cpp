#include "BibleNoteView.h"

#include "VerseNavigationBar.h"
#include "notes/BibleNoteDoc.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

CBibleNoteView::CBibleNoteView(CBibleNoteDoc& doc, QWidget* parent)
    : CNoteEditView<CBibleNoteViewBase>(parent), bar_(new CVerseNavigationBar(this)) {
    editor_->setObjectName("verseNoteEditor");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(editor_, 1);
    setFocusProxy(editor_);

    connect(bar_, &CVerseNavigationBar::selectionChanged, this, [this] {
        OnSelectionChanged(bar_->BookList()->currentIndex(), bar_->ChapterList()->currentIndex(),
                           bar_->VerseList()->currentIndex());
    });
    connect(bar_, &CVerseNavigationBar::previousClicked, this, [this] { OnCmdMsg(NoteBar::kPrevious); });
    connect(bar_, &CVerseNavigationBar::nextClicked, this, [this] { OnCmdMsg(NoteBar::kNext); });

    doc.AddView(this);
    OnInitialUpdate();
}

CBibleNoteView::~CBibleNoteView() {
    // What is on screen goes into the notes before the document is written.
    if (GetDocument()) CommitNote();
}

void CBibleNoteView::UpdateBar() {
    for (int id : {NoteBar::kChapterList, NoteBar::kPrevious, NoteBar::kNext}) {
        CCmdUI ui;
        OnUpdateCmdUI(id, ui);
        QWidget* control = id == NoteBar::kChapterList ? static_cast<QWidget*>(bar_->ChapterList())
                           : id == NoteBar::kPrevious  ? static_cast<QWidget*>(bar_->PreviousButton())
                                                       : static_cast<QWidget*>(bar_->NextButton());
        control->setEnabled(ui.enabled);
    }
}

std::string CBibleNoteView::EditorText() const {
    return editor_->toPlainText().toStdString();
}

void CBibleNoteView::SetEditorText(const std::string& text) {
    editor_->setPlainText(QString::fromStdString(text));
}

void CBibleNoteView::Fill(int listId, const std::vector<std::string>& entries) {
    QComboBox* list = bar_->List(listId);
    QSignalBlocker block(list);
    list->clear();
    QStringList items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& e : entries)
        items << QString::fromStdString(e);
    list->addItems(items);
    list->setCurrentIndex(-1);
}

void CBibleNoteView::FillBookList(const std::vector<std::string>& entries) {
    Fill(NoteBar::kBookList, entries);
}

void CBibleNoteView::FillChapterList(const std::vector<std::string>& entries) {
    Fill(NoteBar::kChapterList, entries);
}

void CBibleNoteView::FillVerseList(const std::vector<std::string>& entries) {
    Fill(NoteBar::kVerseList, entries);
}

void CBibleNoteView::SelectEntry(int listId, int entry) {
    QComboBox* list = bar_->List(listId);
    QSignalBlocker block(list);
    list->setCurrentIndex(entry >= 0 && entry < list->count() ? entry : -1);
}
