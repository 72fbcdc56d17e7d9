// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnterExtraReadingDialog.h"

#include "DialogUnits.h"
#include "SelectVerseDialog.h"
#include "framework/HelpService.h"
#include "framework/Translation.h"
#include "plan/ReadingPlanDoc.h"
#include "scripture/Bible.h"
#include "scripture/ReferenceParser.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

CEnterExtraReadingDialog::CEnterExtraReadingDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CEnterExtraReadingDialog", "Scrivane - Enter Extra Reading"));
    CDialogUnits du(this);
    // The typed reference sits above the two verse boxes, which it fills.
    constexpr int kDown = 30;
    setFixedSize(du.Size(197, 130 + kDown));

    auto* referenceLabel =
        new QLabel(QCoreApplication::translate("CEnterExtraReadingDialog", "&Reference:"), this);
    referenceLabel->setGeometry(du.Rect(9, 8, 40, 10));
    reference_ = new QLineEdit(this);
    reference_->setGeometry(du.Rect(50, 6, 140, 13));
    reference_->setPlaceholderText(
        QCoreApplication::translate("CEnterExtraReadingDialog", "Ps 23, John 3:16-18"));
    referenceLabel->setBuddy(reference_);
    problem_ = new QLabel(this);
    problem_->setGeometry(du.Rect(50, 21, 140, 10));
    problem_->setObjectName("referenceProblem");

    auto* startGroup =
        new QGroupBox(QCoreApplication::translate("CEnterExtraReadingDialog", "Starting At Verse:"), this);
    startGroup->setGeometry(du.Rect(7, 5 + kDown, 183, 34));
    startText_ = new QLineEdit(this);
    startText_->setGeometry(du.Rect(15, 19 + kDown, 115, 13));
    changeStart_ = new QPushButton(QCoreApplication::translate("CEnterExtraReadingDialog", "C&hange"), this);
    changeStart_->setGeometry(du.Rect(135, 18 + kDown, 48, 14));
    auto* endGroup =
        new QGroupBox(QCoreApplication::translate("CEnterExtraReadingDialog", "Ending At Verse"), this);
    endGroup->setGeometry(du.Rect(7, 43 + kDown, 183, 34));
    endText_ = new QLineEdit(this);
    endText_->setGeometry(du.Rect(15, 57 + kDown, 115, 13));
    changeEnd_ = new QPushButton(QCoreApplication::translate("CEnterExtraReadingDialog", "Chan&ge"), this);
    changeEnd_->setGeometry(du.Rect(135, 56 + kDown, 48, 14));
    for (QLineEdit* box : {startText_, endText_}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus); // typed references go into the box above
        box->setAlignment(Qt::AlignCenter);
    }
    lifetimeOnly_ = new QRadioButton(
        QCoreApplication::translate("CEnterExtraReadingDialog", "Update lifetime reading history only"),
        this);
    lifetimeOnly_->setGeometry(du.Rect(15, 83 + kDown, 175, 10));
    planToo_ =
        new QRadioButton(QCoreApplication::translate("CEnterExtraReadingDialog",
                                                     "Update lifetime reading and current reading plan"),
                         this);
    planToo_->setGeometry(du.Rect(15, 96 + kDown, 175, 10));
    auto* modes = new QButtonGroup(this);
    modes->addButton(lifetimeOnly_, 0);
    modes->addButton(planToo_, 1);
    auto* ok = new QPushButton(QCoreApplication::translate("CEnterExtraReadingDialog", "OK"), this);
    ok->setGeometry(du.Rect(40, 110 + kDown, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("CEnterExtraReadingDialog", "Cancel"), this);
    cancel->setGeometry(du.Rect(107, 110 + kDown, 50, 14));

    const std::pair<QWidget*, int> helpIds[] = {
        {ok, 1},          {cancel, 2},          {startText_, 1038}, {lifetimeOnly_, 1057}, {planToo_, 1058},
        {endText_, 1063}, {changeStart_, 1072}, {changeEnd_, 1073}, {reference_, 1140}};
    for (const auto& [w, id] : helpIds)
        SetControlId(w, id);
    CHelpService::InstallDialogHelp(this, 174, {1, 2, 1038, 1057, 1058, 1063, 1072, 1073, 1140});

    // Typing a reference and Enter is the short way; the focus is never on
    // OK, where Space would record Genesis 1:1 at once.
    reference_->setFocus();
    connect(reference_, &QLineEdit::textEdited, this, [this] { problem_->clear(); });
    // The dialog then presses OK, the default button.
    connect(reference_, &QLineEdit::returnPressed, this, [this] { enterInReference_ = true; });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(changeStart_, &QPushButton::clicked, this, [this] { PickVerse(true); });
    connect(changeEnd_, &QPushButton::clicked, this, [this] { PickVerse(false); });
    connect(modes, &QButtonGroup::idClicked, this, [this](int id) {
        mode_ = id;
        UpdateTexts();
    });
    UpdateTexts();
}

void CEnterExtraReadingDialog::Init(int mode) {
    startVerse_.SetToFirstVerse();
    endVerse_.SetToFirstVerse();
    mode_ = mode;
    if (mode == 0) lifetimeOnly_->setChecked(true);
    if (mode == 1) planToo_->setChecked(true);
    UpdateTexts();
}

void CEnterExtraReadingDialog::UpdateTexts() {
    CBible& bible = TheBible();
    startIndex_ = bible.GetVerseIndex(startVerse_);
    startText_->setText(QString::fromStdString(RangeText(startIndex_, startIndex_, ShownForms())));
    endIndex_ = bible.GetVerseIndex(endVerse_);
    endText_->setText(QString::fromStdString(RangeText(endIndex_, endIndex_, ShownForms())));
}

void CEnterExtraReadingDialog::ChangeStart(const CVerse& v) {
    startVerse_ = v;
    if (endVerse_ < startVerse_) endVerse_ = startVerse_;
    UpdateTexts();
}

void CEnterExtraReadingDialog::ChangeEnd(const CVerse& v) {
    endVerse_ = v;
    UpdateTexts();
}

void CEnterExtraReadingDialog::PickVerse(bool start) {
    CSelectVerseDialog picker(this);
    picker.verse = start ? startVerse_ : endVerse_;
    if (picker.exec() != QDialog::Accepted) return;
    if (start)
        ChangeStart(picker.verse);
    else
        ChangeEnd(picker.verse);
}

QString CEnterExtraReadingDialog::ReferenceProblem() const {
    return problem_->text();
}

bool CEnterExtraReadingDialog::TakeReference() {
    // The reader's language's book names are read too ("Salmos 23"), as are the English ones.
    CReferenceOptions options;
    options.language = QLocale().name().section('_', 0, 0).toStdString();
    const CReferenceReading read = ReadReference(reference_->text().toStdString(), options);
    if (!read.Ok()) {
        problem_->setText(QString::fromStdString(read.error));
        reference_->setFocus();
        reference_->selectAll();
        return false;
    }
    CBible& bible = TheBible();
    startVerse_ = bible.GetVerseAt(read.first);
    endVerse_ = bible.GetVerseAt(read.last);
    problem_->clear();
    UpdateTexts();
    return true;
}

void CEnterExtraReadingDialog::accept() {
    const bool enter = std::exchange(enterInReference_, false);
    if (!reference_->text().trimmed().isEmpty()) {
        if (!TakeReference()) return;
    } else if (enter) {
        // Enter in the empty box: nothing was chosen yet, so nothing is recorded.
        problem_->setText(QCoreApplication::translate(
            "CEnterExtraReadingDialog",
            "Type a reference, such as Ps 23, or choose the verses with Change."));
        return;
    }
    mode_ = planToo_->isChecked() ? 1 : lifetimeOnly_->isChecked() ? 0 : -1;
    QDialog::accept();
}
