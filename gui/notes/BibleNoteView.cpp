// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibleNoteView.h"

#include "Autosave.h"
#include "framework/ReaderContext.h"
#include "framework/TextConvert.h"
#include "framework/TextZoom.h"
#include "framework/Translation.h"
#include "notes/BibleNoteDoc.h"
#include "text/VerseTextPane.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

CBibleNoteView::CBibleNoteView(CBibleNoteDoc& doc, const VerseBarControls& bar, QWidget* parent)
    : CNoteEditView<CBibleNoteViewBase>(parent), bar_(bar) {
    editor_->setObjectName("verseNoteEditor");
    editor_->setAccessibleName(QCoreApplication::translate("Accessibility", "Verse note"));
    for (const ZoomCommand& c : TextZoomCommands(
             *editor_, [&doc] { return doc.Context().fileStem; }, "VerseNotes/Zoom"))
        MapCommand(c.id, c.run, c.enabled);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    verseText_ = new CVerseTextPane([&doc] { return doc.Context().fileStem; });
    layout->addWidget(verseText_);
    layout->addWidget(editor_);
    setFocusProxy(editor_);
    autosave_ = new CAutosave(editor_, [this] {
        if (CBibleNoteDoc* d = GetNoteDoc()) d->SaveVerseNotes();
    });

    // activated is sent for the user's choices only, never for the view's own.
    for (QComboBox* list : {bar_.books, bar_.chapters, bar_.verses})
        connect(list, &QComboBox::activated, this, [this] {
            OnSelectionChanged(bar_.books->currentIndex(), bar_.chapters->currentIndex(),
                               bar_.verses->currentIndex());
            autosave_->SaveNow();
        });
    // Leaving a note by the bar keeps it on disk, whether or not the verse changed.
    connect(bar_.previous, &QPushButton::clicked, this, [this] {
        OnCmdMsg(NoteBar::kPrevious);
        autosave_->SaveNow();
    });
    connect(bar_.next, &QPushButton::clicked, this, [this] {
        OnCmdMsg(NoteBar::kNext);
        autosave_->SaveNow();
    });

    doc.AddView(this);
    OnInitialUpdate();
}

CBibleNoteView::~CBibleNoteView() {
    autosave_->Stop();
    // What is on screen goes into the notes before the document is written.
    if (GetDocument()) CommitNote();
}

void CBibleNoteView::UpdateBar() {
    struct {
        int id;
        QWidget* control;
    } const controls[] = {{NoteBar::kChapterList, bar_.chapters},
                          {NoteBar::kPrevious, bar_.previous},
                          {NoteBar::kNext, bar_.next}};
    for (const auto& c : controls) {
        CCmdUI ui;
        OnUpdateCmdUI(c.id, ui);
        c.control->setEnabled(ui.enabled);
    }
}

std::string CBibleNoteView::EditorText() const {
    return editor_->toPlainText().toStdString();
}

void CBibleNoteView::SetEditorText(const std::string& text) {
    // Every change of the current verse shows its note through here.
    if (verseText_) verseText_->ShowVerse(CurrentVerse());
    editor_->setPlainText(QString::fromStdString(text));
    // The note just left is in the notes now: kept on disk at once, not only after the next pause.
    if (autosave_) autosave_->SaveNow();
}

QComboBox* CBibleNoteView::List(int listId) const {
    switch (listId) {
    case NoteBar::kBookList:
        return bar_.books;
    case NoteBar::kChapterList:
        return bar_.chapters;
    default:
        return bar_.verses;
    }
}

void CBibleNoteView::Fill(int listId, const std::vector<std::string>& entries) {
    QComboBox* list = List(listId);
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
    // The list holds the canon's books in order: each is shown by the reader's name for it.
    std::vector<std::string> shown = entries;
    for (size_t i = 0; i < shown.size() && i < 66; ++i)
        shown[i] = FromQ(ShownBookName(static_cast<uint16_t>(i + 1)));
    Fill(NoteBar::kBookList, shown);
}

void CBibleNoteView::FillChapterList(const std::vector<std::string>& entries) {
    Fill(NoteBar::kChapterList, entries);
}

void CBibleNoteView::FillVerseList(const std::vector<std::string>& entries) {
    Fill(NoteBar::kVerseList, entries);
}

void CBibleNoteView::SelectEntry(int listId, int entry) {
    QComboBox* list = List(listId);
    QSignalBlocker block(list);
    list->setCurrentIndex(entry >= 0 && entry < list->count() ? entry : -1);
}
