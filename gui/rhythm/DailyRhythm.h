// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "DesktopNotifier.h"
#include "ReminderService.h"
#include "RhythmHost.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

class CCommandMap;
class CReadingPlanDoc;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The daily rhythm of the program: the calendar export that follows the plan,
// the reminder at a chosen time, the tray icon with today's reading and the
// autostart entry. It hangs on its host (the application and its open reader
// environment); the decisions are the core's.
class CDailyRhythm : public QObject {
    Q_OBJECT
public:
    explicit CDailyRhythm(std::unique_ptr<CRhythmHost> host);
    ~CDailyRhythm() override;

    void MapCommands(CCommandMap& target);
    // The application tells when an environment has opened or closed.
    void EnvironmentOpened(CReadingPlanDoc* plan);
    void EnvironmentClosed();

    // File > Export Plan to Calendar…
    void ExportPlanToCalendar();
    // Reading Plan > Reminder…
    void EditReminder();
    // A click on a notification, or Open in the tray menu.
    void BringPlanForward();
    // Finished Reading in the tray menu: the first unfinished reading due by today.
    void FinishTodaysReading();

    CDesktopNotifier& Notifier() { return notifier_; }
    CReminderService& Reminders() { return *reminders_; }
    // The tray menu, made whether or not the desktop has a tray to show it in.
    QMenu* TrayMenu() const { return trayMenu_.get(); }
    QString TrayToolTip() const;
    void UpdateTray();
    // The autostart entry's place ($XDG_CONFIG_HOME/autostart/scrivane.desktop).
    static std::string AutostartFile();

private:
    // Writes the calendar after the plan file was written; a failure switches the export off.
    void RewriteCalendar(const CReadingPlanDoc& doc, const std::string& fileStem, const std::string& title);

    std::unique_ptr<CRhythmHost> host_;
    CDesktopNotifier notifier_;
    std::unique_ptr<CReminderService> reminders_;
    std::unique_ptr<QMenu> trayMenu_;
    QAction* finishAction_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QTimer trayTimer_;
};
