// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoteEditor.h"

#include "NotePrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QTextDocument::FindFlags Flags(const FindOptions& o) {
    QTextDocument::FindFlags f;
    if (o.matchCase) f |= QTextDocument::FindCaseSensitively;
    if (o.wholeWord) f |= QTextDocument::FindWholeWords;
    if (!o.down) f |= QTextDocument::FindBackward;
    return f;
}

bool SelectionMatches(const QTextCursor& c, const FindOptions& o) {
    if (!c.hasSelection()) return false;
    return QString::compare(c.selectedText(), o.text,
                            o.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

} // namespace

CNoteEditor::CNoteEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool CNoteEditor::FindNext(const FindOptions& options) {
    if (options.text.isEmpty()) return false;
    lastFind_ = options;
    QTextCursor from = textCursor();
    QTextCursor found = document()->find(options.text, from, Flags(options));
    if (found.isNull()) {
        QTextCursor wrap(document());
        if (!options.down) wrap.movePosition(QTextCursor::End);
        found = document()->find(options.text, wrap, Flags(options));
    }
    if (found.isNull()) {
        QApplication::beep();
        return false;
    }
    setTextCursor(found);
    return true;
}

bool CNoteEditor::ReplaceCurrent(const FindOptions& options, const QString& with) {
    if (options.text.isEmpty()) return false;
    QTextCursor c = textCursor();
    if (SelectionMatches(c, options)) {
        c.insertText(with);
        setTextCursor(c);
    }
    return FindNext(options);
}

int CNoteEditor::ReplaceAll(const FindOptions& options, const QString& with) {
    if (options.text.isEmpty()) return 0;
    lastFind_ = options;
    FindOptions forward = options;
    forward.down = true;
    int count = 0;
    QTextCursor edit(document());
    edit.beginEditBlock();
    QTextCursor at(document());
    for (;;) {
        QTextCursor found = document()->find(options.text, at, Flags(forward));
        if (found.isNull()) break;
        found.insertText(with);
        at = found; // continue after the inserted text, so a replacement is never searched again
        ++count;
    }
    edit.endEditBlock();
    if (count == 0) QApplication::beep();
    return count;
}

void CNoteEditor::RepeatFind() {
    if (HasLastFind())
        FindNext(lastFind_);
    else
        ShowFindDialog(false);
}

void CNoteEditor::ShowFindDialog(bool replace) {
    if (findDialog_ && findDialog_->IsReplace() != replace) {
        findDialog_->close();
        findDialog_->deleteLater();
        findDialog_ = nullptr;
    }
    if (!findDialog_) {
        findDialog_ = new CFindReplaceDialog(replace, this);
        findDialog_->setAttribute(Qt::WA_DeleteOnClose);
        connect(findDialog_, &CFindReplaceDialog::findNext, this,
                [this](const FindOptions& o) { FindNext(o); });
        connect(findDialog_, &CFindReplaceDialog::replaceOne, this,
                [this](const FindOptions& o, const QString& with) { ReplaceCurrent(o, with); });
        connect(findDialog_, &CFindReplaceDialog::replaceAll, this,
                [this](const FindOptions& o, const QString& with) { ReplaceAll(o, with); });
    }
    // A short selection on one line is what the user most likely looks for.
    QString selected = textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        findDialog_->SetFindText(selected);
    else if (HasLastFind())
        findDialog_->SetFindText(lastFind_.text);
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void CNoteEditor::Print(QPrinter& printer, const QString& header) const {
    PrintNotePages(printer, font(), header, toPlainText());
}

bool CNoteEditor::CanPaste() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return !isReadOnly() && data && data->hasText();
}
