// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibleNoteViewBase.h"

#include "BibleNoteDoc.h"
#include "NoteText.h"
#include "framework/ReaderContext.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

CBibleNoteViewBase::CBibleNoteViewBase() {
    MapCommand(
        NoteBar::kPrevious, [this] { OnPrevious(); }, [this] { return IsPreviousEnabled(); });
    MapCommand(
        NoteBar::kNext, [this] { OnNext(); }, [this] { return IsNextEnabled(); });
    MapUpdate(NoteBar::kChapterList, [this](CCmdUI& ui) { ui.Enable(IsChapterListEnabled()); });
}

CBibleNoteDoc* CBibleNoteViewBase::GetNoteDoc() const {
    return dynamic_cast<CBibleNoteDoc*>(GetDocument());
}

void CBibleNoteViewBase::OnInitialUpdate() {
    CBible& bible = TheBible();
    CBibleNoteDoc* doc = GetNoteDoc();
    currentVerse_ = doc ? doc->MinNoted() : kNoVerse;
    if (!bible.IsValidVerseIndex(currentVerse_)) currentVerse_ = 0;

    std::vector<std::string> books;
    for (uint16_t b = 1; b <= bible.GetBookCount(); ++b)
        books.push_back(bible.GetBookName(b));
    FillBookList(books);
    SelectEntry(NoteBar::kBookList, bible.GetVerseAt(currentVerse_).GetBook() - 1);
    FillChaptersAndVerses();
    ShowNote();
    BarStateChanged();
}

void CBibleNoteViewBase::FillChaptersAndVerses() {
    CBible& bible = TheBible();
    CVerse r = bible.GetVerseAt(currentVerse_);
    std::vector<std::string> chapters;
    for (uint16_t c = 1; c <= bible.GetChapterCount(r.GetBook()); ++c)
        chapters.push_back(std::to_string(c));
    FillChapterList(chapters);
    SelectEntry(NoteBar::kChapterList, r.GetChapter() - 1);

    uint16_t first = bible.GetFirstVerse(r.GetBook(), r.GetChapter());
    std::vector<std::string> verses;
    uint16_t slots = bible.GetVerseSlotCount(r.GetBook(), r.GetChapter());
    for (uint16_t v = 0; v < slots; ++v)
        verses.push_back(std::to_string(first + v));
    FillVerseList(verses);
    SelectEntry(NoteBar::kVerseList, r.GetVerse() - first);
}

void CBibleNoteViewBase::CommitNote() {
    CBibleNoteDoc* doc = GetNoteDoc();
    if (!doc) return;
    std::string text = EditorText();
    if (text.empty()) {
        doc->DeleteNote(currentVerse_);
        return;
    }
    // A note shown unchanged keeps its stored bytes (an 8-bit note stays 8-bit).
    std::string stored(doc->GetNote(currentVerse_));
    if (stored.empty() || EditorTextFromStored(stored) != text) stored = StoredTextFromEditor(text);
    doc->SetNote(currentVerse_, stored);
}

void CBibleNoteViewBase::ShowNote() {
    CBibleNoteDoc* doc = GetNoteDoc();
    SetEditorText(doc ? EditorTextFromStored(doc->GetNote(currentVerse_)) : std::string());
}

void CBibleNoteViewBase::SyncBar() {
    SelectEntry(NoteBar::kBookList, TheBible().GetVerseAt(currentVerse_).GetBook() - 1);
    FillChaptersAndVerses();
}

void CBibleNoteViewBase::MoveTo(uint16_t verse) {
    currentVerse_ = verse;
    ShowNote();
    SyncBar();
}

void CBibleNoteViewBase::OnPrevious() {
    CommitNote();
    CBibleNoteDoc* doc = GetNoteDoc();
    uint16_t p = doc ? doc->PreviousNoted(currentVerse_) : kNoVerse;
    if (p != kNoVerse) MoveTo(p);
    BarStateChanged();
}

void CBibleNoteViewBase::OnNext() {
    CommitNote();
    CBibleNoteDoc* doc = GetNoteDoc();
    uint16_t n = doc ? doc->NextNoted(currentVerse_) : kNoVerse;
    if (n != kNoVerse) MoveTo(n);
    BarStateChanged();
}

void CBibleNoteViewBase::OnSelectionChanged(int bookEntry, int chapterEntry, int verseEntry) {
    CommitNote();
    CBible& bible = TheBible();
    CVerse old = bible.GetVerseAt(currentVerse_);

    uint16_t book = static_cast<uint16_t>(bookEntry + 1);
    uint16_t chapter = 1;
    uint16_t verse = 0;
    if (book >= 1 && book <= bible.GetBookCount()) {
        chapter = static_cast<uint16_t>(chapterEntry + 1);
        if (chapter >= 1 && chapter <= bible.GetChapterCount(book)) {
            uint16_t first = bible.GetFirstVerse(book, chapter);
            verse = static_cast<uint16_t>(first + verseEntry);
            if (verse < first || verse > bible.GetLastVerse(book, chapter)) verse = first;
        } else {
            chapter = 1;
            verse = bible.GetFirstVerse(book, 1);
        }
    } else {
        book = 1;
        verse = bible.GetFirstVerse(1, 1);
    }

    CVerse r;
    r.SetReference(book, chapter, verse);
    if (r.GetBook() != old.GetBook() || r.GetChapter() != old.GetChapter() || r.GetVerse() != old.GetVerse())
        MoveTo(bible.GetVerseIndex(r));
    BarStateChanged();
}

bool CBibleNoteViewBase::IsChapterListEnabled() const {
    CBible& bible = TheBible();
    return bible.GetChapterCount(bible.GetVerseAt(currentVerse_).GetBook()) != 1;
}

bool CBibleNoteViewBase::IsPreviousEnabled() const {
    CBibleNoteDoc* doc = GetNoteDoc();
    return doc && doc->MinNoted() != kNoVerse && doc->MinNoted() < currentVerse_;
}

bool CBibleNoteViewBase::IsNextEnabled() const {
    CBibleNoteDoc* doc = GetNoteDoc();
    return doc && doc->MaxNoted() != kNoVerse && currentVerse_ < doc->MaxNoted();
}

std::string CBibleNoteViewBase::PrintHeader() const {
    CBibleNoteDoc* doc = GetNoteDoc();
    std::string name = doc ? doc->Context().displayName : std::string();
    return name + " - " + TheBible().GetReferenceText(TheBible().GetVerseAt(currentVerse_));
}
