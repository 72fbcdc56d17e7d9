// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnreadPlanDialog.h"

#include "foundation/Clock.h"

#include "framework/Translation.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>

CUnreadPlanDialog::CUnreadPlanDialog(size_t unreadChapters, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CUnreadPlanDialog", "New Plan from Unread Chapters"));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(unreadChapters == 1
                       ? QCoreApplication::translate(
                             "CUnreadPlanDialog", "1 chapter has never been read. A new plan will read it.")
                       : QCoreApplication::translate("CUnreadPlanDialog",
                                                     "%1 chapters have never been read. A new plan will read "
                                                     "each of them once, in the order of the Bible.")
                             .arg(unreadChapters));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    days_ = new QSpinBox;
    days_->setObjectName("days");
    days_->setRange(1, 36500);
    days_->setValue(365);
    days_->setSuffix(QCoreApplication::translate("CUnreadPlanDialog", " days"));
    form->addRow(QCoreApplication::translate("CUnreadPlanDialog", "Plan length:"), days_);
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 7; ++i) {
        weekdays_[static_cast<size_t>(i)] =
            new QCheckBox(QLocale().dayName(i == 0 ? 7 : i, QLocale::ShortFormat));
        weekdays_[static_cast<size_t>(i)]->setObjectName(QString("weekday%1").arg(i + 1));
        weekdays_[static_cast<size_t>(i)]->setChecked(true);
        row->addWidget(weekdays_[static_cast<size_t>(i)]);
    }
    form->addRow(QCoreApplication::translate("CUnreadPlanDialog", "Read on:"), row);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

GapsPlanRequest CUnreadPlanDialog::Request() const {
    GapsPlanRequest r;
    r.days = static_cast<uint32_t>(days_->value());
    for (size_t i = 0; i < 7; ++i)
        r.readOnWeekday[i] = weekdays_[i]->isChecked() ? 1 : 0;
    r.startDate = Today();
    return r;
}

void CUnreadPlanDialog::SetRequest(const GapsPlanRequest& r) {
    days_->setValue(static_cast<int>(r.days));
    for (size_t i = 0; i < 7; ++i)
        weekdays_[i]->setChecked(r.readOnWeekday[i] != 0);
}

void CUnreadPlanDialog::accept() {
    const GapsPlanRequest r = Request();
    if (std::none_of(r.readOnWeekday.begin(), r.readOnWeekday.end(), [](int32_t f) { return f != 0; })) {
        QMessageBox::warning(this, "Scrivane", TrCore(kNoGapsReadingDay));
        weekdays_[1]->setFocus();
        return;
    }
    QDialog::accept();
}
