// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "rhythm/Reminder.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QTimeEdit;

// Reading Plan > Reminder…: "Remind me at HH:MM on reading days" and
// "Start with the desktop session". When the desktop cannot show
// notifications the dialog says so, and that is the only place it is said.
class CReminderDialog : public QDialog {
    Q_OBJECT
public:
    CReminderDialog(const ReminderSettings& reminder, bool startWithSession, bool notificationsAvailable,
                    QWidget* parent = nullptr);

    ReminderSettings Reminder() const;
    bool StartWithSession() const;

    QCheckBox* RemindBox() const { return remind_; }
    QTimeEdit* TimeEdit() const { return time_; }
    QCheckBox* SessionBox() const { return session_; }
    QLabel* UnavailableNote() const { return unavailable_; }

private:
    QCheckBox* remind_;
    QTimeEdit* time_;
    QCheckBox* session_;
    QLabel* unavailable_;
};

inline constexpr const char* kRemindersUnavailable =
    "Reminders cannot be shown on this desktop: it has no notification service. Scrivane works as "
    "before; the reminder is kept for a desktop that can show it.";
