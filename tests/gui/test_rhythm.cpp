// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelpers.h"
#include "Screenshots.h"
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/HelpService.h"
#include "plan/ReadingPlanDoc.h"
#include "rhythm/Autostart.h"
#include "rhythm/DailyRhythm.h"
#include "rhythm/ReminderDialog.h"
#include "rhythm/RhythmCommandIds.h"
#include "rhythm/RhythmSettings.h"
#include "shell/MainFrame.h"
#include "shell/PlanChildFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SplashWindow.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>
#include <filesystem>

namespace {

CJJulian Day(int y, int m, int d) {
    return CJJulian::Day(int16_t(y), int16_t(m), int16_t(d));
}

// Answers the next message box with OK and records its text.
void AcknowledgeMessage(QStringList* texts) {
    OnNextModal([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        *texts << box->text();
        box->accept();
    });
}

int EventCount(const std::string& ics) {
    int n = 0;
    for (size_t at = 0; (at = ics.find("BEGIN:VEVENT", at)) != std::string::npos; ++at)
        ++n;
    return n;
}

} // namespace

class TestRhythm : public QObject {
    Q_OBJECT

    QTemporaryDir base_;
    QTemporaryDir config_;
    std::unique_ptr<CScrivaneApp> app_;

    // Anna's environment open, with a Monday-to-Friday plan of three readings from Monday 7 December.
    CReadingPlanDoc& OpenAnna() {
        SetTodayOverride(Day(2026, 12, 5));
        app_ = std::make_unique<CScrivaneApp>();
        [&] { QVERIFY(app_->InitInstance({})); }();
        CSplashWindow::HideSplash();
        app_->MainFrame()->resize(900, 650);
        [&] { QVERIFY(app_->Environment().CreateReader({"Anna", "Berg", "Anna"}, {}) >= 0); }();
        app_->Environment().LastReader() = "Anna";
        [&] { QVERIFY(app_->OpenLastReaderEnvironment()); }();
        CReadingPlanDoc* plan = app_->EnvironmentPlan();
        const std::string import = base_.filePath("w.txt").toStdString();
        SaveFileAtomic(import, "<TITLE = Week><WEEKD = 1>/[Genesis 1]/[Genesis 2][Psalms 23]/[Jude 3]");
        [&] { QVERIFY(plan && plan->NewPlanFromFile(import)); }();
        return *plan;
    }
    QSettings& Settings() { return app_->Settings(); }
    std::string Stem() { return app_->Environment().Context().fileStem; }

private slots:
    void init() {
        QVERIFY(base_.isValid() && config_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane").clear();
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QDir::setCurrent(QDir::tempPath());
        QDir(base_.path()).removeRecursively();
        QDir().mkpath(base_.path());
        QDir::setCurrent(base_.path());
    }
    void cleanup() {
        if (app_) {
            app_->MainFrame()->close();
            app_.reset();
        }
        SetTodayOverride(std::nullopt);
    }

    void menusOfferTheNewCommandsOnlyWithAnEnvironment() {
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({}));
        CSplashWindow::HideSplash();
        CMainFrame* frame = app_->MainFrame();
        QVERIFY(!frame->FindAction(RhythmCmd::Reminder)); // not on the bare menu bar
        app_->MainFrame()->close();
        app_.reset();

        OpenAnna();
        frame = app_->MainFrame();
        frame->UpdateCommandUi();
        QAction* exportAction = frame->FindAction(RhythmCmd::ExportPlanToCalendar);
        QAction* reminder = frame->FindAction(RhythmCmd::Reminder);
        QVERIFY(exportAction && reminder);
        QCOMPARE(exportAction->text(), QString("Expor&t Plan to Calendar..."));
        QCOMPARE(reminder->text(), QString("Re&minder..."));
        QVERIFY(exportAction->isEnabled());
        QVERIFY(reminder->isEnabled());
        QCOMPARE(exportAction->statusTip(),
                 QString("Write the plan as a calendar file that follows the plan"));
        for (QAction* a : {exportAction, reminder})
            for (QObject* o : a->associatedObjects())
                if (auto* menu = qobject_cast<QMenu*>(o)) {
                    menu->adjustSize();
                    SaveScreenshot(menu, a == reminder ? "reading_plan_menu" : "file_menu");
                }
        // Both have help pages of their own.
        QCOMPARE(CHelpService::TopicPage(0x20000 + kReminderDialogResource), QString(":/help/28510.html"));
        QCOMPARE(CHelpService::TopicPage(0x20000 + kCalendarExportResource), QString(":/help/28511.html"));
    }

    void exportFollowsThePlanAndStopsOnceWhenItCannotWrite() {
        CReadingPlanDoc& plan = OpenAnna();
        CMainFrame* frame = app_->MainFrame();
        const QString ics = base_.filePath("anna.ics");
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QString("Export Plan to Calendar"));
            ChooseInFileDialog(d, ics);
            QMetaObject::invokeMethod(d, "accept");
        });
        frame->OnCommand(RhythmCmd::ExportPlanToCalendar);
        QCOMPARE(LoadRhythmSettings(Settings(), Stem()).calendarPath, ics);
        const std::string first = ReadWholeFile(ics.toStdString());
        QCOMPARE(EventCount(first), 3);
        QVERIFY(first.find("DTSTART;VALUE=DATE:20261207") != std::string::npos);

        // Synchronize Dates a week later, then the plan file is written: the calendar follows.
        SetTodayOverride(Day(2026, 12, 14));
        plan.SynchronizeDates();
        QVERIFY(plan.SaveDirtyFiles());
        const std::string second = ReadWholeFile(ics.toStdString());
        QCOMPARE(EventCount(second), 3);
        QVERIFY(second.find("DTSTART;VALUE=DATE:20261207") == std::string::npos);
        QVERIFY(second.find("DTSTART;VALUE=DATE:20261214") != std::string::npos);

        // The file becomes unwritable: one message, the export switched off, the plan saved all the same.
        SetReadOnly(ics.toStdString(), true);
        QStringList messages;
        AcknowledgeMessage(&messages);
        plan.FinishElement(0);
        QVERIFY(plan.SaveDirtyFiles());
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains("no longer kept up to date"));
        QVERIFY(LoadRhythmSettings(Settings(), Stem()).calendarPath.isEmpty());
        QVERIFY(!plan.GetPlanDirty());
        plan.FinishElement(1);
        QVERIFY(plan.SaveDirtyFiles()); // no second message: none is waiting to be answered
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(ReadWholeFile(ics.toStdString()), second);

        // Exporting to a place that cannot be written: a message, nothing remembered, the plan untouched.
        SetReadOnly(ics.toStdString(), false);
        const std::string planBytes = ReadWholeFile(plan.PlanFilePath());
        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d);
            ChooseInFileDialog(d, base_.filePath("no/such/dir/anna.ics"));
            QMetaObject::invokeMethod(d, "accept");
            AcknowledgeMessage(&messages);
        });
        frame->OnCommand(RhythmCmd::ExportPlanToCalendar);
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[1].contains("The calendar was not exported."));
        QVERIFY(LoadRhythmSettings(Settings(), Stem()).calendarPath.isEmpty());
        QCOMPARE(ReadWholeFile(plan.PlanFilePath()), planBytes);
    }

    // A reader of the same name in two base directories (a copy of one, another
    // user's) has settings of its own in each: one never rewrites the calendar
    // the other exports, and the program keys them by the base it starts in.
    void readerSettingsAreKeptApartByBaseDirectory() {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane");
        const std::string stem = "\\Bob (John Smith)\\Bob";
        SetReaderSettingsBase("/home/ann/Scrivane");
        SaveCalendarPath(settings, stem, "/home/ann/bob.ics");
        SetReaderSettingsBase("/media/backup/Scrivane");
        QVERIFY(LoadRhythmSettings(settings, stem).calendarPath.isEmpty());
        SaveCalendarPath(settings, stem, "/media/backup/bob.ics");
        SetReaderSettingsBase("/home/ann/Scrivane");
        QCOMPARE(LoadRhythmSettings(settings, stem).calendarPath, QString("/home/ann/bob.ics"));

        OpenAnna();
        const QString group = ReaderSettingsGroup(Stem());
        SetReaderSettingsBase("/elsewhere");
        QVERIFY(ReaderSettingsGroup(Stem()) != group);
        SetReaderSettingsBase(app_->Environment().BaseDirectory());
        QCOMPARE(ReaderSettingsGroup(Stem()), group);
    }
    // Settings kept under the stem alone by an earlier version are the reader's still after the upgrade.
    void settingsOfAnEarlierVersionAreAdopted() {
        {
            QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane");
            settings.setValue("Readers/Anna (Anna Berg)/Anna/Calendar/ExportPath",
                              base_.filePath("plan.ics"));
            settings.setValue("Readers/Anna (Anna Berg)/Anna/Reminder/Time", "07:30");
        }
        OpenAnna();
        const ReaderRhythmSettings r = LoadRhythmSettings(Settings(), Stem());
        QCOMPARE(r.calendarPath, base_.filePath("plan.ics"));
        QCOMPARE(r.reminder.minuteOfDay, 7 * 60 + 30);
        QVERIFY(!Settings().contains("Readers/Anna (Anna Berg)/Anna/Calendar/ExportPath"));
    }
    // A base directory copied while the program is closed, then opened from the
    // copy: the reader's general notes are the copy's own file, and its
    // settings are not the original's.
    void aCopiedBaseDirectoryIsOpenedAsItself() {
        OpenAnna();
        const QString originalGroup = ReaderSettingsGroup(Stem());
        SaveCalendarPath(Settings(), Stem(), base_.filePath("anna.ics"));
        app_->MainFrame()->close();
        app_.reset();
        const QString notes = "/Anna (Anna Berg)/Anna.txt";
        SaveFileAtomic(base_.filePath("Anna (Anna Berg)/Anna.txt").toStdString(), "original");

        QTemporaryDir copy;
        QVERIFY(copy.isValid());
        std::filesystem::copy(base_.path().toStdString(), copy.path().toStdString(),
                              std::filesystem::copy_options::recursive);
        SaveFileAtomic((copy.path() + notes).toStdString(), "copy");
        QDir::setCurrent(copy.path());
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({}));
        CSplashWindow::HideSplash();
        app_->Environment().LastReader() = "Anna";
        QVERIFY(app_->OpenLastReaderEnvironment());
        QCOMPARE(QString::fromStdString(app_->Environment().Context().generalNotesPath), copy.path() + notes);
        QVERIFY(ReaderSettingsGroup(Stem()) != originalGroup);
        QVERIFY(LoadRhythmSettings(Settings(), Stem()).calendarPath.isEmpty());
        app_->MainFrame()->close();
        app_.reset();
        QCOMPARE(
            QString::fromStdString(ReadWholeFile(base_.filePath("Anna (Anna Berg)/Anna.txt").toStdString())),
            QString("original"));
        QDir::setCurrent(base_.path());
    }
    void reminderDialogKeepsTheSettingsAndTheAutostartEntry() {
        OpenAnna();
        CDailyRhythm* rhythm = app_->DailyRhythm();
        QVERIFY(rhythm);
        const std::string autostart = CDailyRhythm::AutostartFile();
        QCOMPARE(QString::fromStdString(autostart), config_.filePath("autostart/scrivane.desktop"));
        const bool canNotify = rhythm->Notifier().Available();

        OnNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CReminderDialog*>(w);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QString("Reminder"));
            QVERIFY(!d->RemindBox()->isChecked());
            QVERIFY(!d->TimeEdit()->isEnabled());
            QCOMPARE(d->UnavailableNote()->isVisibleTo(d), !canNotify);
            d->RemindBox()->setChecked(true);
            QVERIFY(d->TimeEdit()->isEnabled());
            d->TimeEdit()->setTime(QTime(6, 45));
            d->SessionBox()->setChecked(true);
            d->UnavailableNote()->setVisible(true); // the picture shows the note either way
            d->adjustSize();
            SaveScreenshot(d, "reminder_dialog");
            d->accept();
        });
        app_->MainFrame()->OnCommand(RhythmCmd::Reminder);
        const ReaderRhythmSettings saved = LoadRhythmSettings(Settings(), Stem());
        QVERIFY(saved.reminder.enabled);
        QCOMPARE(saved.reminder.minuteOfDay, 6 * 60 + 45);
        QCOMPARE(Settings().value(ReaderSettingsGroup(Stem()) + "/Reminder/Time").toString(),
                 QString("06:45"));
        QVERIFY(rhythm->Reminders().Timer().isActive());
        const QString entry = QString::fromStdString(ReadWholeFile(autostart));
        QVERIFY(entry.contains("Exec=\"" + QCoreApplication::applicationFilePath() +
                               "\" --autostart --base \"" + base_.path() + "\"\n"));
        QVERIFY(entry.contains("Path=" + base_.path() + "\n"));

        // Cancel changes nothing; unticking removes the entry and stops the reminder.
        OnNextModal([](QWidget* w) {
            auto* d = qobject_cast<CReminderDialog*>(w);
            QVERIFY(d && d->RemindBox()->isChecked() && d->SessionBox()->isChecked());
            QCOMPARE(d->TimeEdit()->time(), QTime(6, 45));
            d->RemindBox()->setChecked(false);
            d->reject();
        });
        app_->MainFrame()->OnCommand(RhythmCmd::Reminder);
        QVERIFY(LoadRhythmSettings(Settings(), Stem()).reminder.enabled);
        OnNextModal([](QWidget* w) {
            auto* d = qobject_cast<CReminderDialog*>(w);
            QVERIFY(d);
            d->RemindBox()->setChecked(false);
            d->SessionBox()->setChecked(false);
            d->accept();
        });
        app_->MainFrame()->OnCommand(RhythmCmd::Reminder);
        QVERIFY(!FileExists(autostart));
        QVERIFY(!rhythm->Reminders().Timer().isActive());
    }

    void trayMenuFinishesTodaysReadingAndBringsThePlanForward() {
        CReadingPlanDoc& plan = OpenAnna();
        CDailyRhythm* rhythm = app_->DailyRhythm();
        QMenu* menu = rhythm->TrayMenu();
        QStringList items;
        for (QAction* a : menu->actions())
            items << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(items, (QStringList{"&Open", "&Finished Reading", "-", "E&xit"}));

        SetTodayOverride(Day(2026, 12, 5)); // Saturday: the first reading is on Monday
        rhythm->UpdateTray();
        QCOMPARE(rhythm->TrayToolTip(),
                 QString("Next reading (Mon 12/07/2026): Genesis 1:1 through Genesis 1:31"));
        QVERIFY(!menu->actions()[1]->isEnabled());

        SetTodayOverride(Day(2026, 12, 8)); // Tuesday: Monday's reading is behind
        rhythm->UpdateTray();
        QCOMPARE(rhythm->TrayToolTip(),
                 QString("Overdue since Mon 12/07/2026: Genesis 1:1 through Genesis 1:31"));
        QVERIFY(menu->actions()[1]->isEnabled());
        menu->adjustSize();
        SaveScreenshot(menu, "tray_menu");
        menu->actions()[1]->trigger();
        QVERIFY(plan.IsElementFinished(0));
        QVERIFY(!plan.IsElementFinished(1));
        QCOMPARE(
            rhythm->TrayToolTip(),
            QString("Today's reading: Genesis 2:1 through Genesis 2:25; Psalms 23:0 through Psalms 23:6"));

        // Open (and a click on a notification) brings the plan window forward, even from minimised.
        CMainFrame* frame = app_->MainFrame();
        QMdiSubWindow* plansWindow = frame->MdiArea()->activeSubWindow();
        QVERIFY(qobject_cast<CPlanChildFrame*>(plansWindow));
        for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
            if (w != plansWindow) frame->MdiArea()->setActiveSubWindow(w);
        QVERIFY(frame->MdiArea()->activeSubWindow() != plansWindow);
        frame->showMinimized();
        emit rhythm->Notifier().Clicked();
        QVERIFY(!frame->isMinimized());
        QCOMPARE(frame->MdiArea()->activeSubWindow(), plansWindow);

        // Closing the environment: nothing to finish or remind of.
        app_->CloseReaderEnvironment();
        QCOMPARE(rhythm->TrayToolTip(), QString("Scrivane: no reader environment open"));
        QVERIFY(!menu->actions()[1]->isEnabled());
        QVERIFY(!rhythm->Reminders().Plan());
    }

    void autostartOpensTheLastReaderMinimised() {
        OpenAnna();
        app_->MainFrame()->close();
        app_.reset();
        app_ = std::make_unique<CScrivaneApp>();
        QVERIFY(app_->InitInstance({kAutostartArgument}));
        CSplashWindow::HideSplash();
        QVERIFY(app_->MainFrame()->isMinimized());
        QVERIFY(app_->Environment().IsOpen());
        QCOMPARE(QString::fromStdString(app_->Environment().CurrentDisplayName()), QString("Anna"));
        QVERIFY(app_->EnvironmentPlan());
        QCOMPARE(app_->EnvironmentPlan()->GetElementCount(), uint16_t(3));
    }
};

QTEST_MAIN(TestRhythm)
#include "test_rhythm.moc"
