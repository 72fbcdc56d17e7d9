// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notes/BibleNoteViewBase.h"
#include "notes/GeneralNoteViewBase.h"

#include <map>
#include <string>
#include <vector>

// A verse notes view whose editor and lists are plain members.
class FakeBibleNoteView : public CBibleNoteViewBase {
public:
    std::string editor;
    std::map<int, std::vector<std::string>> lists;
    std::map<int, int> selected;
    int fills = 0;

    // What a user does: picks an entry in one list; the others keep theirs.
    void Pick(int listId, int entry) {
        selected[listId] = entry;
        OnSelectionChanged(selected[NoteBar::kBookList], selected[NoteBar::kChapterList],
                           selected[NoteBar::kVerseList]);
    }

protected:
    std::string EditorText() const override { return editor; }
    void SetEditorText(const std::string& text) override { editor = text; }
    void FillBookList(const std::vector<std::string>& e) override { lists[NoteBar::kBookList] = e; }
    void FillChapterList(const std::vector<std::string>& e) override {
        lists[NoteBar::kChapterList] = e;
        selected[NoteBar::kChapterList] = -1;
        ++fills;
    }
    void FillVerseList(const std::vector<std::string>& e) override {
        lists[NoteBar::kVerseList] = e;
        selected[NoteBar::kVerseList] = -1;
    }
    void SelectEntry(int listId, int entry) override { selected[listId] = entry; }
};

class FakeGeneralNoteView : public CGeneralNoteViewBase {
public:
    std::string editor;
    std::string EditorText() const override { return editor; }
    void SetEditorText(const std::string& text) override { editor = text; }
};
