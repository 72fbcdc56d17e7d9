#include "EnterExtraReadingDialog.h"

#include "DialogUnits.h"
#include "SelectVerseDialog.h"
#include "framework/HelpService.h"
#include "scripture/Bible.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

CEnterExtraReadingDialog::CEnterExtraReadingDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Scrivane - Enter Extra Reading");
    CDialogUnits du(this);
    setFixedSize(du.Size(197, 130));

    auto* startGroup = new QGroupBox("Starting At Verse:", this);
    startGroup->setGeometry(du.Rect(7, 5, 183, 34));
    startText_ = new QLineEdit(this);
    startText_->setGeometry(du.Rect(15, 19, 115, 13));
    changeStart_ = new QPushButton("Change", this);
    changeStart_->setGeometry(du.Rect(135, 18, 48, 14));
    auto* endGroup = new QGroupBox("Ending At Verse", this);
    endGroup->setGeometry(du.Rect(7, 43, 183, 34));
    endText_ = new QLineEdit(this);
    endText_->setGeometry(du.Rect(15, 57, 115, 13));
    changeEnd_ = new QPushButton("Change", this);
    changeEnd_->setGeometry(du.Rect(135, 56, 48, 14));
    for (QLineEdit* box : {startText_, endText_}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus); // nothing to type here: focus starts on Change
        box->setAlignment(Qt::AlignCenter);
    }
    lifetimeOnly_ = new QRadioButton("Update lifetime reading history only", this);
    lifetimeOnly_->setGeometry(du.Rect(15, 83, 175, 10));
    planToo_ = new QRadioButton("Update lifetime reading and current reading plan", this);
    planToo_->setGeometry(du.Rect(15, 96, 175, 10));
    auto* modes = new QButtonGroup(this);
    modes->addButton(lifetimeOnly_, 0);
    modes->addButton(planToo_, 1);
    auto* ok = new QPushButton("OK", this);
    ok->setGeometry(du.Rect(40, 110, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setGeometry(du.Rect(107, 110, 50, 14));

    const std::pair<QWidget*, int> helpIds[] = {
        {ok, 1},          {cancel, 2},      {startText_, 1038},   {lifetimeOnly_, 1057},
        {planToo_, 1058}, {endText_, 1063}, {changeStart_, 1072}, {changeEnd_, 1073}};
    for (const auto& [w, id] : helpIds)
        SetControlId(w, id);
    CHelpService::InstallDialogHelp(this, 174, {1, 2, 1038, 1057, 1058, 1063, 1072, 1073});

    // Without this the dialog would put the focus on its default button, OK,
    // and Space would record Genesis 1:1 at once.
    changeStart_->setFocus();
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
    startText_->setText(QString::fromStdString(bible.GetReferenceText(startVerse_)));
    startIndex_ = bible.GetVerseIndex(startVerse_);
    endText_->setText(QString::fromStdString(bible.GetReferenceText(endVerse_)));
    endIndex_ = bible.GetVerseIndex(endVerse_);
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

void CEnterExtraReadingDialog::accept() {
    mode_ = planToo_->isChecked() ? 1 : lifetimeOnly_->isChecked() ? 0 : -1;
    QDialog::accept();
}
