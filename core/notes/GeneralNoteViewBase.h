// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Document.h"

#include <string>

class CGeneralNoteDoc;

// The general notes window without its widgets: the text lives in the
// editor, which the front end supplies through the two hooks.
class CGeneralNoteViewBase : public CView {
public:
    CGeneralNoteDoc* GetNoteDoc() const;

    // Shows the text the document read and restores its title.
    void OnInitialUpdate();
    // "Anna - Anna.txt": the header of a printed page.
    std::string PrintHeader() const;

    void OnUpdate(CView*, long) override {}

    // The editor's whole text (UTF-8, lines ended by \n), and replacing it;
    // replacing it does not count as typing.
    virtual std::string EditorText() const = 0;
    virtual void SetEditorText(const std::string& text) = 0;
};
