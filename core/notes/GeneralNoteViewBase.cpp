// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneralNoteViewBase.h"

#include "GeneralNoteDoc.h"
#include "foundation/FileAccess.h"
#include "framework/ReaderContext.h"

CGeneralNoteDoc* CGeneralNoteViewBase::GetNoteDoc() const {
    return dynamic_cast<CGeneralNoteDoc*>(GetDocument());
}

void CGeneralNoteViewBase::OnInitialUpdate() {
    CGeneralNoteDoc* doc = GetNoteDoc();
    if (!doc) return;
    SetEditorText(doc->TakeHeldText());
    doc->SetTitle(doc->GetStoredTitle());
}

std::string CGeneralNoteViewBase::PrintHeader() const {
    CGeneralNoteDoc* doc = GetNoteDoc();
    if (!doc) return " - ";
    return doc->Context().displayName + " - " + FileNameOf(doc->Context().generalNotesPath);
}
