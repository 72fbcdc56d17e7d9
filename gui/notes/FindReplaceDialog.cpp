// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindReplaceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CFindReplaceDialog::CFindReplaceDialog(bool replace, QWidget* parent) : QDialog(parent), replace_(replace) {
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setModal(false);

    auto* fields = new QGridLayout;
    findEdit_ = new QLineEdit;
    auto* findLabel = new QLabel(tr("Fi&nd what:"));
    findLabel->setBuddy(findEdit_);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findEdit_, 0, 1);
    if (replace) {
        replaceEdit_ = new QLineEdit;
        auto* replaceLabel = new QLabel(tr("Re&place with:"));
        replaceLabel->setBuddy(replaceEdit_);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(replaceEdit_, 1, 1);
    }

    wholeWord_ = new QCheckBox(tr("Match &whole word only"));
    matchCase_ = new QCheckBox(tr("Match &case"));
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(wholeWord_);
    checks->addWidget(matchCase_);
    checks->addStretch();
    options->addLayout(checks);
    // Owned by the dialog in both modes; Replace keeps them hidden.
    up_ = new QRadioButton(tr("&Up"), this);
    down_ = new QRadioButton(tr("&Down"), this);
    down_->setChecked(true);
    if (replace) { // Replace always searches downwards
        up_->hide();
        down_->hide();
    } else {
        auto* direction = new QGroupBox(tr("Direction"));
        auto* dirLayout = new QHBoxLayout(direction);
        dirLayout->addWidget(up_);
        dirLayout->addWidget(down_);
        options->addWidget(direction);
    }

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();

    findButton_ = new QPushButton(tr("&Find Next"));
    findButton_->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findButton_);
    if (replace) {
        replaceButton_ = new QPushButton(tr("&Replace"));
        replaceAllButton_ = new QPushButton(tr("Replace &All"));
        buttons->addWidget(replaceButton_);
        buttons->addWidget(replaceAllButton_);
        connect(replaceButton_, &QPushButton::clicked, this,
                [this] { emit replaceOne(Options(), ReplaceText()); });
        connect(replaceAllButton_, &QPushButton::clicked, this,
                [this] { emit replaceAll(Options(), ReplaceText()); });
    }
    auto* cancel = new QPushButton(tr("Cancel"));
    buttons->addWidget(cancel);
    buttons->addStretch();
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(findButton_, &QPushButton::clicked, this, [this] { emit findNext(Options()); });
    connect(findEdit_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    UpdateButtons();
}

FindOptions CFindReplaceDialog::Options() const {
    FindOptions o;
    o.text = findEdit_->text();
    o.matchCase = matchCase_->isChecked();
    o.wholeWord = wholeWord_->isChecked();
    o.down = replace_ || down_->isChecked();
    return o;
}

QString CFindReplaceDialog::ReplaceText() const {
    return replaceEdit_ ? replaceEdit_->text() : QString();
}

void CFindReplaceDialog::SetFindText(const QString& text) {
    findEdit_->setText(text);
    findEdit_->selectAll();
}

void CFindReplaceDialog::UpdateButtons() {
    bool any = !findEdit_->text().isEmpty();
    findButton_->setEnabled(any);
    if (replaceButton_) replaceButton_->setEnabled(any);
    if (replaceAllButton_) replaceAllButton_->setEnabled(any);
}
