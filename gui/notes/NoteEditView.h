// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "NoteEditor.h"
#include "NotePrinting.h"
#include "framework/AppPrinter.h"
#include "framework/CommandIds.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

// A notes window: a widget around a CNoteEditor that is also the core view
// ViewBase, with the edit, find and print commands every text view offers.
template <class ViewBase> class CNoteEditView : public QWidget, public ViewBase {
public:
    explicit CNoteEditView(QWidget* parent) : QWidget(parent), editor_(new CNoteEditor(this)) {
        using namespace Cmd;
        CNoteEditor* e = editor_;
        this->MapCommand(
            EditUndo, [e] { e->undo(); }, [e] { return e->document()->isUndoAvailable(); });
        this->MapCommand(
            EditCut, [e] { e->cut(); }, [e] { return e->textCursor().hasSelection(); });
        this->MapCommand(
            EditCopy, [e] { e->copy(); }, [e] { return e->textCursor().hasSelection(); });
        this->MapCommand(
            EditPaste, [e] { e->paste(); }, [e] { return e->CanPaste(); });
        this->MapCommand(
            EditSelectAll, [e] { e->selectAll(); }, [e] { return !e->document()->isEmpty(); });
        this->MapCommand(EditFind, [e] { e->ShowFindDialog(false); });
        this->MapCommand(EditReplace, [e] { e->ShowFindDialog(true); });
        this->MapCommand(
            EditRepeat, [e] { e->RepeatFind(); }, [e] { return !e->document()->isEmpty(); });
        this->MapCommand(FilePrint, [this] { PrintWithDialog(); });
        this->MapCommand(FilePrintDirect, [this] { PrintTo(ApplicationPrinter()); });
        this->MapCommand(FilePrintPreview, [this] { PrintPreview(); });
    }

    CNoteEditor* Editor() const { return editor_; }

    void PrintTo(QPrinter& printer) const {
        editor_->Print(printer, QString::fromStdString(this->PrintHeader()));
    }
    void PrintWithDialog() {
        QPrintDialog dialog(&ApplicationPrinter(), this);
        if (dialog.exec() == QDialog::Accepted) PrintTo(ApplicationPrinter());
    }
    void PrintPreview() {
        QPrintPreviewDialog dialog(&ApplicationPrinter(), this);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                         [this](QPrinter* printer) { PrintTo(*printer); });
        dialog.exec();
    }

protected:
    CNoteEditor* editor_;
};
