// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "RhythmSettings.h"
#include "foundation/JJulian.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

class CDesktopNotifier;
class CReadingPlanDoc;
class QSettings;

// While a reader environment is open, looks every little while whether the
// reader's reminder is due and, once a day, sends it as a desktop
// notification. The decision itself is the core's (ReminderDue).
class CReminderService : public QObject {
    Q_OBJECT
public:
    CReminderService(QSettings& settings, CDesktopNotifier& notifier, QObject* parent = nullptr);

    // The open environment's plan, or null when none is open.
    void SetPlan(CReadingPlanDoc* doc, const std::string& fileStem);
    CReadingPlanDoc* Plan() const { return doc_; }
    const std::string& FileStem() const { return stem_; }
    // After the reader's reminder settings changed.
    void Reload();

    // Local date and time of day; tests set it.
    std::function<CJJulian()> clock;
    // Looks now; the timer calls it.
    void Check();
    QTimer& Timer() { return timer_; }
    static CJJulian LocalNow();

private:
    QSettings& settings_;
    CDesktopNotifier& notifier_;
    CReadingPlanDoc* doc_ = nullptr;
    std::string stem_;
    ReaderRhythmSettings current_;
    QTimer timer_;
};
