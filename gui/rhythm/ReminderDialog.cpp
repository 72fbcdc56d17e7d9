// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderDialog.h"

#include "RhythmCommandIds.h"
#include "framework/HelpService.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTime>
#include <QTimeEdit>
#include <QVBoxLayout>

CReminderDialog::CReminderDialog(const ReminderSettings& reminder, bool startWithSession,
                                 bool notificationsAvailable, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CReminderDialog", "Reminder"));
    remind_ = new QCheckBox(QCoreApplication::translate("CReminderDialog", "&Remind me at"), this);
    remind_->setChecked(reminder.enabled);
    time_ = new QTimeEdit(QTime(reminder.minuteOfDay / 60, reminder.minuteOfDay % 60), this);
    time_->setDisplayFormat("HH:mm");
    time_->setEnabled(reminder.enabled);
    connect(remind_, &QCheckBox::toggled, time_, &QWidget::setEnabled);
    auto* row = new QHBoxLayout;
    row->addWidget(remind_);
    row->addWidget(time_);
    row->addWidget(new QLabel(QCoreApplication::translate("CReminderDialog", "on reading days"), this));
    row->addStretch();

    session_ = new QCheckBox(
        QCoreApplication::translate("CReminderDialog", "&Start with the desktop session"), this);
    session_->setChecked(startWithSession);

    unavailable_ = new QLabel(kRemindersUnavailable, this);
    unavailable_->setWordWrap(true);
    unavailable_->setVisible(!notificationsAvailable);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { CHelpService::Instance().ShowTopic(0x20000 + kReminderDialogResource); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(session_);
    layout->addWidget(unavailable_);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(380);
    CHelpService::InstallDialogHelp(this, kReminderDialogResource, {});
}

ReminderSettings CReminderDialog::Reminder() const {
    const QTime t = time_->time();
    return {remind_->isChecked(), t.hour() * 60 + t.minute()};
}

bool CReminderDialog::StartWithSession() const {
    return session_->isChecked();
}
