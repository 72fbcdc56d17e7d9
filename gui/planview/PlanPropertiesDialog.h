// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QPlainTextEdit;

// The read-only text of the current plan's template: title, format,
// description and whether the plan is completed.
class CPlanPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPlanPropertiesDialog(const QString& text, QWidget* parent = nullptr);
    QPlainTextEdit* TextBox() const { return text_; }

private:
    QPlainTextEdit* text_;
};
