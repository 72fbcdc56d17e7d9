// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "NoteEditView.h"
#include "notes/GeneralNoteViewBase.h"

class CAutosave;
class CGeneralNoteDoc;

// The general notes window's content: the editor of the notes text. Typing
// marks the document changed; it is saved when the view goes.
class CGeneralNoteView : public CNoteEditView<CGeneralNoteViewBase> {
public:
    explicit CGeneralNoteView(CGeneralNoteDoc& doc, QWidget* parent = nullptr);
    ~CGeneralNoteView() override;

    std::string EditorText() const override;
    void SetEditorText(const std::string& text) override;

private:
    bool settingText_ = false;
    CAutosave* autosave_ = nullptr;
};
