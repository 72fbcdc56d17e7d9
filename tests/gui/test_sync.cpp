// SPDX-License-Identifier: GPL-3.0-or-later
#include "GenesisTemplate.h"
#include "ModalHelpers.h"
#include "Screenshots.h"
#include "foundation/Clock.h"
#include "foundation/FileAccess.h"
#include "framework/CommandIds.h"
#include "framework/ScriptedUiServices.h"
#include "plan/PlanTemplate.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "reader/ReaderEnvironment.h"
#include "reader/ReaderFile.h"
#include "shell/MainFrame.h"
#include "shell/PlanChildFrame.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"
#include "sync/SyncDialog.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

CJJulian Day(int y, int m, int d) {
    return CJJulian::Day(int16_t(y), int16_t(m), int16_t(d));
}

struct Prepared {
    SyncPaths paths;
    CReaderContext context;
};

// A reader "Ruth" in base, with a plan from templatePath when given.
Prepared PrepareReader(const QString& base, const std::string& templatePath) {
    CScriptedUiServices ui;
    CReaderEnvironment env(ui);
    env.SetBaseDirectory(base.toStdString());
    const int i = env.CreateReader({"Ruth", "", "Ruth"}, {});
    env.LastReader() = "Ruth";
    SaveReaderFile(env.BaseDirectory(), env.LastReader(), env.Readers());
    env.SelectReader(i);
    CReadingPlanDoc doc(ui, env.Context());
    doc.OnNewDocument();
    if (!templatePath.empty()) doc.NewPlanFromFile(templatePath);
    doc.SaveDirtyFiles();
    return {SyncPathsOf(env, env.CurrentReader()), env.Context()};
}

} // namespace

class TestSync : public QObject {
    Q_OBJECT
    QTemporaryDir root_;
    QTemporaryDir config_;

private slots:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        SetTodayOverride(Day(2027, 1, 4));
        qputenv("SCRIVANE_NOW", "2027-01-04T07:30:00");
    }

    // A reading finished on the laptop arrives in the desk's open window, and the status bar says so.
    void aReadingFromTheOtherComputerArrivesAndIsSaid() {
        const QString desk = root_.filePath("desk"), laptop = root_.filePath("laptop");
        const QString folder = root_.filePath("Shared");
        for (const QString& d : {desk, laptop, folder})
            QDir().mkpath(d);
        const std::string genesis = WriteGenesisTemplate(root_.path());
        qputenv("SCRIVANE_DEVICE", "desk");
        const SyncPaths deskPaths = PrepareReader(desk, genesis).paths;
        QCOMPARE(LinkReader(deskPaths, folder.toStdString(), LinkMode::share,
                            {{}, "Ruth", "", "Ruth", "Ruth"}, "desk"),
                 std::string());
        QVERIFY(Synchronize(deskPaths, "desk").ok);

        qputenv("SCRIVANE_DEVICE", "laptop");
        const Prepared laptopReader = PrepareReader(laptop, std::string());
        const SyncPaths& laptopPaths = laptopReader.paths;
        const std::vector<SharedReader> shared = FindSharedReaders(folder.toStdString());
        QCOMPARE(shared.size(), size_t(1));
        QCOMPARE(LinkReader(laptopPaths, folder.toStdString(), LinkMode::join, shared[0], "laptop"),
                 std::string());
        QVERIFY(Synchronize(laptopPaths, "laptop").ok);
        {
            CScriptedUiServices ui;
            CReadingPlanDoc doc(ui, laptopReader.context);
            doc.SetCommitAtOnce(true);
            QVERIFY(doc.OnNewDocument());
            QCOMPARE(doc.GetElementCount(), uint16_t(50));
            doc.FinishElement(0);
        }
        QVERIFY(Synchronize(laptopPaths, "laptop").ok);

        qputenv("SCRIVANE_DEVICE", "desk");
        QDir::setCurrent(desk);
        CScrivaneApp app;
        QVERIFY(app.InitInstance({}));
        CSplashWindow::HideSplash();
        app.MainFrame()->resize(900, 650);
        app.MainFrame()->show();
        OnNextModal([](QWidget* w) {
            auto* d = qobject_cast<CSelectReaderDialog*>(w);
            QVERIFY(d);
            d->findChild<QPushButton*>("1")->click();
        });
        app.MainFrame()->OnCommand(Cmd::OpenReaderEnvironment);
        CReadingPlanDoc* plan = app.EnvironmentPlan();
        QVERIFY(plan);
        QVERIFY(plan->IsElementFinished(0));
        QCOMPARE(app.MainFrame()->statusBar()->currentMessage(),
                 QString("Merged 1 reading from laptop (Mon 01/04/2027)"));
        SaveScreenshot(app.MainFrame(), "sync-status-bar");
        // And heard: the plan window's line of the last change says it.
        auto* strip = app.MainFrame()->findChild<CPlanChildFrame*>();
        QVERIFY(strip);
        QCOMPARE(strip->LastChange()->text(), QString("Merged 1 reading from laptop (Mon 01/04/2027)"));

        // The dialog lists the other computer with its entries.
        bool seen = false;
        OnNextModal([&seen](QWidget* w) {
            auto* d = qobject_cast<CSyncDialog*>(w);
            QVERIFY(d);
            auto* devices = d->findChild<QTreeWidget*>();
            QVERIFY(devices && devices->isVisible());
            QCOMPARE(devices->topLevelItemCount(), 1);
            QCOMPARE(devices->topLevelItem(0)->text(0), QString("laptop"));
            SaveScreenshot(d, "sync-dialog-linked");
            seen = true;
            d->reject();
        });
        app.MainFrame()->OnCommand(Cmd::SyncWithOtherComputers);
        QVERIFY(seen);
        app.MainFrame()->close();
    }

    // Not linked yet: the folder's readers are offered, and joining is chosen for the one of this name.
    void theDialogOffersTheReadersOfTheFolder() {
        const QString study = root_.filePath("study"), folder = root_.filePath("Shared");
        QDir().mkpath(study);
        qputenv("SCRIVANE_DEVICE", "study");
        const SyncPaths paths = PrepareReader(study, std::string()).paths;
        int syncs = 0;
        CSyncDialog dialog(
            paths, {{}, "Ruth", "", "Ruth", "Ruth"},
            [&] {
                ++syncs;
                return Synchronize(paths, "study");
            },
            nullptr);
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>();
        edit->setText(folder);
        emit edit->editingFinished();
        auto* readers = dialog.findChild<QListWidget*>();
        QCOMPARE(readers->count(), 1);
        QCOMPARE(readers->currentRow(), 0);
        QRadioButton* share = nullptr;
        QRadioButton* join = nullptr;
        for (QRadioButton* b : dialog.findChildren<QRadioButton*>()) {
            if (b->text().contains("Share")) share = b;
            if (b->text().contains("Use the readings")) join = b;
        }
        QVERIFY(share && join);
        QVERIFY(!share->isEnabled());
        QVERIFY(join->isChecked());
        SaveScreenshot(&dialog, "sync-dialog-unlinked");
        OnNextModal([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QVERIFY(box->text().contains("Before sync"));
            box->accept();
        });
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text() == "&Link") b->click();
        QCOMPARE(syncs, 1);
        QVERIFY(ReadSyncLink(paths.readerDirectory));
        QVERIFY(FileExists(paths.plan));
    }
};

QTEST_MAIN(TestSync)
#include "test_sync.moc"
