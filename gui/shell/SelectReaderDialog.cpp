// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectReaderDialog.h"

#include "ReaderDialog.h"
#include "framework/HelpService.h"
#include "framework/TextConvert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

std::function<void(QDialog&)> CSelectReaderDialog::readerDialogHook;

CSelectReaderDialog::CSelectReaderDialog(CReaderEnvironment& env, QWidget* parent)
    : QDialog(parent), env_(env) {
    setObjectName("170");
    setWindowTitle(QCoreApplication::translate("CSelectReaderDialog", "Scrivane - Select Reader"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QCoreApplication::translate("CSelectReaderDialog", "Select Reader"));
    auto* groupLayout = new QVBoxLayout(group);
    list_ = new QComboBox;
    list_->setObjectName("1045");
    list_->setMinimumWidth(260);
    list_->setInsertPolicy(QComboBox::NoInsert);
    groupLayout->addWidget(list_);
    layout->addWidget(group);

    auto* row = new QHBoxLayout;
    auto button = [&](int id, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::number(id));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    QPushButton* add = newReader_ =
        button(1046, QCoreApplication::translate("CSelectReaderDialog", "&New Reader"));
    edit_ = button(1133, QCoreApplication::translate("CSelectReaderDialog", "&Edit Reader"));
    delete_ = button(1048, QCoreApplication::translate("CSelectReaderDialog", "&Delete Reader"));
    layout->addLayout(row);
    openAtStart_ =
        new QCheckBox(QCoreApplication::translate("CSelectReaderDialog", "Open this reader at &start"));
    openAtStart_->setObjectName("openAtStart");
    openAtStart_->setChecked(true);
    layout->addWidget(openAtStart_);
    // Each language is named in its own words, so that a reader who cannot read the one shown
    // still finds theirs.
    language_ = new QComboBox;
    language_->setObjectName("language");
    language_->addItem(QCoreApplication::translate("CSelectReaderDialog", "The desktop's"), QString());
    for (const auto& [code, name] : {std::pair{"en", "English"}, {"es", "Español"}, {"de", "Deutsch"}})
        language_->addItem(QString::fromUtf8(name), QString::fromLatin1(code));
    auto* languageLabel =
        new QLabel(QCoreApplication::translate("CSelectReaderDialog", "&Language (from the next start):"));
    languageLabel->setBuddy(language_);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(language_, 1);
    layout->addLayout(languageRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName("1");
    ok_->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(add, &QPushButton::clicked, this, &CSelectReaderDialog::OnNewReader);
    connect(edit_, &QPushButton::clicked, this, &CSelectReaderDialog::OnEditReader);
    connect(delete_, &QPushButton::clicked, this, &CSelectReaderDialog::OnDeleteReader);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QComboBox::currentIndexChanged, this, [this] { UpdateButtons(); });
    CHelpService::InstallDialogHelp(this, 170, {1, 2, 1045, 1046, 1048});
    FillReaderList();
    // With nobody to choose yet, the first thing to do is to make a reader.
    if (list_->count() == 0) add->setFocus();
}

void CSelectReaderDialog::FillReaderList(int select) {
    list_->clear();
    for (const std::string& name : env_.ReaderList())
        list_->addItem(ToQ(name));
    // The reader open now, else the one open last.
    const int open = env_.IsOpen() ? env_.Readers().FindDisplayName(env_.CurrentDisplayName()) : -1;
    int index = select >= 0 && select < list_->count() ? select : open >= 0 ? open : env_.LastReaderIndex();
    // Nobody opened yet: the first reader, so that Enter opens someone.
    if (index < 0 && list_->count() > 0) index = 0;
    list_->setCurrentIndex(index);
    UpdateButtons();
    // Emptying the list disabled the button that had the focus, which passed
    // it on to Cancel: Enter would then cancel instead of opening.
    if (isVisible()) list_->setFocus();
}

QString CSelectReaderDialog::SelectedText() const {
    return list_->currentIndex() >= 0 ? list_->currentText() : QString();
}

std::string CSelectReaderDialog::SelectedName() const {
    return env_.Readers().GetReaderAt(list_->currentIndex()).GetDisplayName();
}

void CSelectReaderDialog::UpdateButtons() {
    // With no reader chosen there is nothing to open, edit or delete.
    bool chosen = list_->currentIndex() >= 0;
    edit_->setEnabled(chosen);
    delete_->setEnabled(chosen);
    ok_->setEnabled(chosen);
    // With nobody to choose, Enter makes a reader: a disabled OK as default would swallow it.
    const bool nobody = list_->count() == 0;
    newReader_->setDefault(nobody);
    ok_->setDefault(!nobody);
}

void CSelectReaderDialog::OnNewReader() {
    CReaderDialog dialog(CReaderDialog::newReader, {}, this);
    dialog.check = [this](const ReaderNames& names, int* field) {
        return env_.CheckReaderNames(names, {}, field);
    };
    if (readerDialogHook) readerDialogHook(dialog);
    if (dialog.exec() != QDialog::Accepted) return;
    int i = env_.CreateReader(dialog.Names(), dialog.Options());
    FillReaderList(i);
    // Whoever makes a reader means to read as that reader now.
    if (i >= 0 && list_->currentIndex() == i) accept();
}

void CSelectReaderDialog::OnEditReader() {
    int index = list_->currentIndex();
    if (index < 0) return;
    std::string name = SelectedName();
    if (!env_.CanEditReader(name)) return;
    CReaderData r = env_.Readers().GetReaderAt(env_.Readers().FindDisplayName(name));
    CReaderDialog dialog(CReaderDialog::editReader, {r.GetFirstName(), r.GetLastName(), r.GetNickname()},
                         this);
    dialog.check = [this, name](const ReaderNames& names, int* field) {
        return env_.CheckReaderNames(names, name, field);
    };
    if (readerDialogHook) readerDialogHook(dialog);
    if (dialog.exec() != QDialog::Accepted) return;
    int i = env_.ModifyReader(name, dialog.Names());
    FillReaderList(i >= 0 ? i : index);
}

void CSelectReaderDialog::OnDeleteReader() {
    if (list_->currentIndex() < 0) return;
    std::string name = SelectedName();
    if (name == env_.CurrentDisplayName()) return;
    if (env_.DeleteReader(name)) FillReaderList();
}

void CSelectReaderDialog::SetOpenAtStart(bool on) {
    openAtStart_->setChecked(on);
}

bool CSelectReaderDialog::OpenAtStart() const {
    return openAtStart_->isChecked();
}

void CSelectReaderDialog::SetLanguage(const QString& code) {
    const int at = language_->findData(code);
    language_->setCurrentIndex(at >= 0 ? at : 0);
}

QString CSelectReaderDialog::Language() const {
    return language_->currentData().toString();
}

void CSelectReaderDialog::accept() {
    if (chooseOnly_) {
        if (list_->currentIndex() < 0) return;
        chosenName_ = SelectedName();
        QDialog::accept();
        return;
    }
    if (!env_.SelectReader(list_->currentIndex())) return;
    QDialog::accept();
}
