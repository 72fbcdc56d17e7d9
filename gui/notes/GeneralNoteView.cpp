// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneralNoteView.h"

#include "Autosave.h"
#include "framework/ReaderContext.h"
#include "framework/TextZoom.h"
#include "notes/GeneralNoteDoc.h"

#include <QCoreApplication>
#include <QVBoxLayout>

CGeneralNoteView::CGeneralNoteView(CGeneralNoteDoc& doc, QWidget* parent)
    : CNoteEditView<CGeneralNoteViewBase>(parent) {
    editor_->setObjectName("generalNoteEditor");
    editor_->setAccessibleName(QCoreApplication::translate("Accessibility", "General notes"));
    for (const ZoomCommand& c : TextZoomCommands(
             *editor_, [&doc] { return doc.Context().fileStem; }, "GeneralNotes/Zoom"))
        MapCommand(c.id, c.run, c.enabled);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    setFocusProxy(editor_);
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_ && GetDocument()) GetDocument()->SetModifiedFlag(true);
    });
    // A document without a file yet is saved by the reader's own Save As, never behind their back.
    autosave_ = new CAutosave(editor_, [this] {
        CGeneralNoteDoc* d = GetNoteDoc();
        if (d && !d->GetPathName().empty()) d->SaveIfModified();
    });
    doc.AddView(this);
    OnInitialUpdate();
}

CGeneralNoteView::~CGeneralNoteView() {
    autosave_->Stop();
    if (CGeneralNoteDoc* doc = GetNoteDoc()) doc->SaveIfModified();
}

std::string CGeneralNoteView::EditorText() const {
    return editor_->toPlainText().toStdString();
}

void CGeneralNoteView::SetEditorText(const std::string& text) {
    settingText_ = true;
    editor_->setPlainText(QString::fromStdString(text));
    settingText_ = false;
}
