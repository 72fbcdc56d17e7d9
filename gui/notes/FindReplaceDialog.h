// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What a search looks for.
struct FindOptions {
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

// The Find and the Replace dialog of the text editors. It stays open beside
// the editor and asks it to act through the signals.
class CFindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    CFindReplaceDialog(bool replace, QWidget* parent);
    bool IsReplace() const { return replace_; }
    FindOptions Options() const;
    QString ReplaceText() const;
    void SetFindText(const QString& text);

signals:
    void findNext(const FindOptions& options);
    void replaceOne(const FindOptions& options, const QString& with);
    void replaceAll(const FindOptions& options, const QString& with);

private:
    void UpdateButtons();

    bool replace_;
    QLineEdit* findEdit_ = nullptr;
    QLineEdit* replaceEdit_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* replaceAllButton_ = nullptr;
};
