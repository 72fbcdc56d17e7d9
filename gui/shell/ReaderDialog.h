// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "reader/ReaderEnvironment.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;

// The New Reader Environment (168) and Edit Reader Environment (180)
// dialogs: the reader's three names and which windows to show.
class CReaderDialog : public QDialog {
    Q_OBJECT
public:
    enum Kind { newReader = 168, editReader = 180 };
    CReaderDialog(Kind kind, const ReaderNames& names, QWidget* parent = nullptr);

    ReaderNames Names() const;
    ReaderOptions Options() const;

    QLineEdit* FirstName() const { return first_; }
    QLineEdit* LastName() const { return last_; }
    QLineEdit* Nickname() const { return nick_; }

    void accept() override;

    // Why the names cannot be taken (empty when they can), and which field to
    // mend: 0 first, 1 last, 2 nick name. Without it only the names' form is checked.
    std::function<std::string(const ReaderNames&, int* field)> check;

private:
    QLineEdit* first_;
    QLineEdit* last_;
    QLineEdit* nick_;
    QCheckBox* plan_;
    QCheckBox* verseNotes_;
    QCheckBox* generalNotes_;
    QCheckBox* prayerBook_;
};
