// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReaderDialog.h"

#include "framework/HelpService.h"
#include "framework/TextConvert.h"

#include "framework/Translation.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

CReaderDialog::CReaderDialog(Kind kind, const ReaderNames& names, QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kind));
    setWindowTitle(kind == newReader ? tr("Scrivane - New Reader Environment")
                                     : tr("Scrivane - Edit Reader Environment"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto edit = [&](int id, const std::string& text) {
        auto* e = new QLineEdit(ToQ(text));
        e->setObjectName(QString::number(id));
        e->setMinimumWidth(220);
        return e;
    };
    first_ = edit(1034, names.firstName);
    last_ = edit(1035, names.lastName);
    nick_ = edit(1036, names.nickname);
    // The nick name is the one a reader needs: it comes first, and says so.
    nick_->setPlaceholderText(QCoreApplication::translate("CReaderDialog", "required"));
    first_->setPlaceholderText(QCoreApplication::translate("CReaderDialog", "optional"));
    last_->setPlaceholderText(QCoreApplication::translate("CReaderDialog", "optional"));
    form->addRow(QCoreApplication::translate("CReaderDialog", "&Nick Name"), nick_);
    form->addRow(QCoreApplication::translate("CReaderDialog", "&First Name"), first_);
    form->addRow(QCoreApplication::translate("CReaderDialog", "&Last Name"), last_);
    layout->addLayout(form);
    setTabOrder(nick_, first_);
    setTabOrder(first_, last_);
    nick_->setFocus();

    auto* options = new QGroupBox(QCoreApplication::translate("CReaderDialog", "Reader Options To Activate"));
    auto* optionRows = new QVBoxLayout(options);
    auto box = [&](int id, const QString& text) {
        auto* c = new QCheckBox(text);
        c->setObjectName(QString::number(id));
        c->setChecked(true);
        optionRows->addWidget(c);
        return c;
    };
    plan_ = box(1041, QCoreApplication::translate("CReaderDialog", "Bible Reading Plan"));
    verseNotes_ = box(1042, QCoreApplication::translate("CReaderDialog", "Bible Verse Notes"));
    generalNotes_ = box(1044, QCoreApplication::translate("CReaderDialog", "General Notes"));
    prayerBook_ = box(1043, QCoreApplication::translate("CReaderDialog", "Prayer Book"));
    prayerBook_->hide();
    setTabOrder(last_, plan_);
    layout->addWidget(options);

    // Kept for the dialog's shape; the canon has no Apocrypha to include.
    auto* preference = new QGroupBox(QCoreApplication::translate("CReaderDialog", "Default Bible Prefrence"));
    auto* apocrypha = new QCheckBox(QCoreApplication::translate("CReaderDialog", "Include Apocrypha"));
    apocrypha->setObjectName("1016");
    apocrypha->setChecked(false);
    apocrypha->setEnabled(false);
    (new QVBoxLayout(preference))->addWidget(apocrypha);
    preference->hide();
    layout->addWidget(preference);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CHelpService::InstallDialogHelp(this, kind, {1, 2, 1034, 1035, 1036, 1041, 1042, 1044});
}

ReaderNames CReaderDialog::Names() const {
    return {FromQ(first_->text()), FromQ(last_->text()), FromQ(nick_->text())};
}

ReaderOptions CReaderDialog::Options() const {
    ReaderOptions o;
    o.readingPlan = plan_->isChecked();
    o.verseNotes = verseNotes_->isChecked();
    o.generalNotes = generalNotes_->isChecked();
    o.prayerBook = prayerBook_->isChecked();
    return o;
}

void CReaderDialog::accept() {
    // Names that cannot be taken are refused here, so that the user keeps
    // what was typed and can mend it.
    int field = 2;
    std::string why = check ? check(Names(), &field) : CReaderEnvironment::CheckNames(Names(), &field);
    if (!why.empty()) {
        QMessageBox::warning(this, "Scrivane", TrCore(why));
        QLineEdit* edit = field == 0 ? first_ : field == 1 ? last_ : nick_;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    QDialog::accept();
}
