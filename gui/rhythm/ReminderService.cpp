// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderService.h"

#include "DesktopNotifier.h"
#include "foundation/Clock.h"
#include "framework/Translation.h"
#include "plan/ReadingPlanDoc.h"
#include "rhythm/Reminder.h"

#include <QSettings>
#include <QTime>

namespace {
// Often enough to be on the minute, seldom enough to cost nothing.
constexpr int kCheckIntervalMs = 20 * 1000;
} // namespace

CReminderService::CReminderService(QSettings& settings, CDesktopNotifier& notifier, QObject* parent)
    : QObject(parent), clock(&CReminderService::LocalNow), settings_(settings), notifier_(notifier) {
    timer_.setInterval(kCheckIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CReminderService::Check);
}

CJJulian CReminderService::LocalNow() {
    // Today() honours SCRIVANE_TODAY; the time of day is the clock's.
    CJJulian now = Today();
    const QTime t = QTime::currentTime();
    now.SetTime(static_cast<int16_t>(t.hour()), static_cast<int16_t>(t.minute()),
                static_cast<int16_t>(t.second()), 0);
    return now;
}

void CReminderService::SetPlan(CReadingPlanDoc* doc, const std::string& fileStem) {
    doc_ = doc;
    stem_ = fileStem;
    Reload();
}

void CReminderService::Reload() {
    if (doc_) current_ = LoadRhythmSettings(settings_, stem_);
    if (doc_ && current_.reminder.enabled) {
        timer_.start();
        Check();
    } else {
        timer_.stop();
    }
}

void CReminderService::Check() {
    if (!doc_) return;
    const CJJulian now = clock();
    const auto notice =
        ReminderDue(current_.reminder, *doc_, now, current_.reminderLastShownDay, ShownForms());
    if (!notice) return;
    // Remembered before sending, so that a failing service never makes it fire again today.
    current_.reminderLastShownDay = now.GetDayNumber();
    SaveReminderShown(settings_, stem_, now.GetDayNumber());
    notifier_.Notify(QString::fromStdString(notice->summary), QString::fromStdString(notice->body));
}
