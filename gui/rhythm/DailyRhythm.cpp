// SPDX-License-Identifier: GPL-3.0-or-later
#include "DailyRhythm.h"

#include "ReminderDialog.h"
#include "RhythmCommandIds.h"
#include "RhythmSettings.h"
#include "calendar/PlanCalendar.h"
#include "foundation/Clock.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Translatable.h"
#include "framework/CommandIds.h"
#include "framework/CommandMap.h"
#include "framework/ResourceIcon.h"
#include "framework/TextConvert.h"
#include "framework/Translation.h"
#include "framework/UiServices.h"
#include "plan/ReadingPlanDoc.h"
#include "rhythm/Autostart.h"
#include "rhythm/Reminder.h"
#include "rhythm/TodayStatus.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QSystemTrayIcon>
#include <cstdlib>

CDailyRhythm::CDailyRhythm(std::unique_ptr<CRhythmHost> host)
    : host_(std::move(host)),
      reminders_(std::make_unique<CReminderService>(host_->Settings(), notifier_, this)) {
    connect(&notifier_, &CDesktopNotifier::Clicked, this, &CDailyRhythm::BringPlanForward);

    trayMenu_ = std::make_unique<QMenu>();
    trayMenu_->addAction(QCoreApplication::translate("CDailyRhythm", "&Open"), this,
                         &CDailyRhythm::BringPlanForward);
    finishAction_ = trayMenu_->addAction(QCoreApplication::translate("CDailyRhythm", "&Finished Reading"),
                                         this, &CDailyRhythm::FinishTodaysReading);
    trayMenu_->addSeparator();
    trayMenu_->addAction(QCoreApplication::translate("CDailyRhythm", "E&xit"), this,
                         [this] { host_->Quit(); });
    connect(trayMenu_.get(), &QMenu::aboutToShow, this, &CDailyRhythm::UpdateTray);
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_ = new QSystemTrayIcon(AppIcon(), this);
        tray_->setContextMenu(trayMenu_.get());
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
            if (why == QSystemTrayIcon::Trigger) BringPlanForward();
        });
        tray_->show();
    }
    // Today's reading changes at midnight and when the plan changes; once a minute catches both.
    trayTimer_.setInterval(60 * 1000);
    connect(&trayTimer_, &QTimer::timeout, this, &CDailyRhythm::UpdateTray);
    trayTimer_.start();
    UpdateTray();
}

CDailyRhythm::~CDailyRhythm() = default;

void CDailyRhythm::MapCommands(CCommandMap& target) {
    auto open = [this] { return reminders_->Plan() != nullptr; };
    target.MapCommand(
        RhythmCmd::ExportPlanToCalendar, [this] { ExportPlanToCalendar(); }, open);
    target.MapCommand(
        RhythmCmd::Reminder, [this] { EditReminder(); }, open);
}

void CDailyRhythm::EnvironmentOpened(CReadingPlanDoc* plan) {
    const CReaderContext reader = host_->Reader();
    const std::string stem = reader.fileStem;
    const std::string title = CReadingPlanDoc::TitleFor(reader.displayName, ShownForms());
    if (plan)
        plan->SetPlanWrittenObserver(
            [this, stem, title](const CReadingPlanDoc& doc) { RewriteCalendar(doc, stem, title); });
    reminders_->SetPlan(plan, stem);
    UpdateTray();
}

void CDailyRhythm::EnvironmentClosed() {
    reminders_->SetPlan(nullptr, {});
    UpdateTray();
}

void CDailyRhythm::RewriteCalendar(const CReadingPlanDoc& doc, const std::string& fileStem,
                                   const std::string& title) {
    QSettings& settings = host_->Settings();
    const QString path = LoadRhythmSettings(settings, fileStem).calendarPath;
    if (path.isEmpty()) return;
    PlanCalendarOptions options;
    options.readerStem = fileStem;
    options.calendarName = title;
    options.forms = &ShownForms();
    try {
        ExportPlanCalendar(doc, options, FromQ(path));
    } catch (const std::exception& e) {
        // Switched off first: the message is shown once, whatever is written next.
        SaveCalendarPath(settings, fileStem, {});
        ReportError(host_->Ui(),
                    SaveErrorMessage(e, FromQ(path)) + "\n\n" +
                        TR_NOOP("Core", "The calendar is no longer kept up to date. Choose Export "
                                        "Plan to Calendar again to write it somewhere else."));
    }
}

void CDailyRhythm::ExportPlanToCalendar() {
    CReadingPlanDoc* plan = reminders_->Plan();
    if (!plan) return;
    const CReaderContext reader = host_->Reader();
    const QString remembered = LoadRhythmSettings(host_->Settings(), reader.fileStem).calendarPath;
    FileDialogRequest request;
    request.open = false;
    request.defaultExtension = "ics";
    request.defaultFileName = remembered.isEmpty() ? reader.displayName + ".ics" : FromQ(remembered);
    request.filter = "iCalendar (*.ics)|*.ics||";
    request.title = TR_NOOP("Core", "Export Plan to Calendar");
    request.startDirectory = host_->BaseDirectory();
    const std::optional<std::string> path = host_->Ui().ChooseFile(request);
    if (!path) return;
    PlanCalendarOptions options;
    options.readerStem = reader.fileStem;
    options.calendarName = CReadingPlanDoc::TitleFor(reader.displayName, ShownForms());
    options.forms = &ShownForms();
    try {
        ExportPlanCalendar(*plan, options, *path);
    } catch (const std::exception& e) {
        ReportError(host_->Ui(),
                    SaveErrorMessage(e, *path) + "\n\n" + TR_NOOP("Core", "The calendar was not exported."));
        return;
    }
    SaveCalendarPath(host_->Settings(), reader.fileStem, ToQ(*path));
}

void CDailyRhythm::EditReminder() {
    if (!reminders_->Plan()) return;
    const std::string stem = reminders_->FileStem();
    const ReaderRhythmSettings current = LoadRhythmSettings(host_->Settings(), stem);
    const std::string autostart = AutostartFile();
    CReminderDialog dialog(current.reminder, AutostartEnabled(autostart), notifier_.Available(),
                           host_->DialogParent());
    if (dialog.exec() != QDialog::Accepted) return;
    SaveReminderSettings(host_->Settings(), stem, dialog.Reminder());
    reminders_->Reload();
    if (dialog.StartWithSession() != AutostartEnabled(autostart)) {
        try {
            SetAutostart(
                autostart, dialog.StartWithSession(),
                AutostartEntry(FromQ(QCoreApplication::applicationFilePath()), host_->BaseDirectory()));
        } catch (const std::exception& e) {
            ReportError(host_->Ui(), SaveErrorMessage(e, autostart));
        }
    }
}

void CDailyRhythm::BringPlanForward() {
    host_->BringForward(reminders_->Plan());
}

void CDailyRhythm::FinishTodaysReading() {
    CReadingPlanDoc* plan = reminders_->Plan();
    if (!plan) return;
    const CJJulian today = Today();
    const TodayStatus s = ComputeTodayStatus(*plan, today);
    if (!IsDueByToday(s, today)) return;
    plan->FinishElement(s.index);
    host_->CommandsChanged();
    UpdateTray();
}

QString CDailyRhythm::TrayToolTip() const {
    const CReadingPlanDoc* plan = reminders_->Plan();
    if (!plan) return tr("Scrivane: no reader environment open");
    return QString::fromStdString(TodayTooltip(*plan, Today(), ShownForms()));
}

void CDailyRhythm::UpdateTray() {
    const CReadingPlanDoc* plan = reminders_->Plan();
    bool due = false;
    if (plan) {
        const CJJulian today = Today();
        due = IsDueByToday(ComputeTodayStatus(*plan, today), today);
    }
    finishAction_->setEnabled(due);
    if (tray_) tray_->setToolTip(TrayToolTip());
}

std::string CDailyRhythm::AutostartFile() {
    return AutostartPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}
