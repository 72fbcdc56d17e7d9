// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "FindReplaceDialog.h"

#include <QPlainTextEdit>
#include <QPointer>

class QPrinter;

// The plain-text editor of both notes windows: wraps long lines, and brings
// the edit commands of a text view (find, replace, printing).
class CNoteEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CNoteEditor(QWidget* parent = nullptr);

    // Searches from the cursor and wraps around the end once; selects the
    // match. False (with a beep) when the text does not occur.
    bool FindNext(const FindOptions& options);
    // Replaces the selection if it is a match, then finds the next one.
    bool ReplaceCurrent(const FindOptions& options, const QString& with);
    // Replaces every match as one undoable step; returns how many.
    int ReplaceAll(const FindOptions& options, const QString& with);
    // Find Next: the last search again, or the Find dialog if there was none.
    void RepeatFind();
    bool HasLastFind() const { return !lastFind_.text.isEmpty(); }

    void ShowFindDialog(bool replace);
    CFindReplaceDialog* FindDialog() const { return findDialog_; }

    // Prints header and text onto printer's pages.
    void Print(QPrinter& printer, const QString& header) const;

    bool CanPaste() const;

private:
    FindOptions lastFind_;
    QPointer<CFindReplaceDialog> findDialog_;
};
