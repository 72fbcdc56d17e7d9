// SPDX-License-Identifier: GPL-3.0-or-later
// Every menu bar, menu, window and dialog: no two items in one scope share a mnemonic, so that
// Alt+letter always does what its underline says.
#include "ModalHelpers.h"
#include "coverage/UnreadPlanDialog.h"
#include "framework/CommandIds.h"
#include "framework/ScriptedUiServices.h"
#include "gallery/PlanGalleryDialog.h"
#include "notes/FindReplaceDialog.h"
#include "plan/TemplateEditorDialog.h"
#include "planview/EnterExtraReadingDialog.h"
#include "planview/PlanLoadProgressDialog.h"
#include "planview/PlanPropertiesDialog.h"
#include "planview/SelectDateDialog.h"
#include "planview/SelectVerseDialog.h"
#include "rhythm/ReminderDialog.h"
#include "shell/AboutDialog.h"
#include "shell/MainFrame.h"
#include "shell/ReaderDialog.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

namespace {

// The letter after a lone '&', lower case; 0 when there is none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

// Records text's mnemonic under scope; a letter taken twice is a clash, named with both texts.
struct Scope {
    QString name;
    std::map<QChar, QString> taken;
    QStringList* clashes;
    void Add(const QString& text) {
        const QChar m = Mnemonic(text);
        if (m.isNull()) return;
        auto [it, fresh] = taken.emplace(m, text);
        if (!fresh) *clashes << QString("%1: '%2' in \"%3\" and \"%4\"").arg(name, m, it->second, text);
    }
};

// The mnemonics a person can reach in w: its buttons, labels with a buddy, group boxes and tabs.
void AddWidgets(QWidget* w, Scope& scope) {
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(w)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(child)) {
            scope.Add(b->text());
            // Every push button that says something in words can be pressed by its letter; OK,
            // Cancel and Help have Enter, Escape and F1.
            static const QStringList keyed = {"OK", "Cancel", "Help", "Close"};
            if (qobject_cast<QPushButton*>(b) && Mnemonic(b->text()).isNull() &&
                b->text().contains(QRegularExpression("[A-Za-z]{2}")) && !keyed.contains(b->text()))
                scope.clashes->append(QString("%1: \"%2\" has no mnemonic").arg(scope.name, b->text()));
        } else if (auto* l = qobject_cast<QLabel*>(child); l && l->buddy())
            scope.Add(l->text());
        else if (auto* g = qobject_cast<QGroupBox*>(child))
            scope.Add(g->title());
        else if (auto* t = qobject_cast<QTabWidget*>(child))
            for (int i = 0; i < t->count(); ++i)
                scope.Add(t->tabText(i));
    }
}

// Each menu's items among themselves, and each submenu's as well.
void CheckMenu(QMenu* menu, const QString& path, QStringList& clashes) {
    Scope scope{path, {}, &clashes};
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        // Every item can be reached from the keyboard by its letter.
        // (The list of recent files, while empty, is one disabled line.)
        if (Mnemonic(a->text()).isNull() && !a->text().isEmpty() && a->text() != "Recent File")
            clashes << QString("%1: \"%2\" has no mnemonic").arg(path, a->text());
        scope.Add(a->text());
        if (a->menu()) CheckMenu(a->menu(), path + " > " + a->text(), clashes);
    }
}

} // namespace

class TestMnemonics : public QObject {
    Q_OBJECT
    QTemporaryDir base_, config_;

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        QDir::setCurrent(base_.path());
    }

    void windowsAndTheirMenusHaveNoClash() {
        CScrivaneApp app;
        QVERIFY(app.InitInstance({}));
        CSplashWindow::HideSplash();
        CMainFrame* frame = app.MainFrame();
        QStringList clashes;
        auto checkBar = [&](const QString& where, QWidget* window) {
            Scope bar{where, {}, &clashes};
            for (QAction* a : frame->menuBar()->actions()) {
                if (!a->isVisible()) continue;
                bar.Add(a->text());
                if (a->menu()) CheckMenu(a->menu(), where + " > " + a->text(), clashes);
            }
            // A window's own buttons share Alt with the menu bar above it.
            if (window) AddWidgets(window, bar);
        };
        checkBar("main window", nullptr);

        const int reader = app.Environment().CreateReader({"Anna", "Smith", "Anna"}, ReaderOptions{});
        QVERIFY(reader >= 0);
        app.Environment().LastReader() = "Anna";
        OnNextModal([](QWidget* w) { w->findChild<QPushButton*>("1")->click(); });
        frame->OnCommand(Cmd::OpenReaderEnvironment);
        QVERIFY(app.Environment().IsOpen());
        frame->OnCommand(Cmd::ViewBibleCoverage);
        for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
            if (w->windowTitle().endsWith("Reading Plan")) frame->MdiArea()->setActiveSubWindow(w);
        frame->OnCommand(Cmd::ReadAssignment);
        const QList<QMdiSubWindow*> windows = frame->MdiArea()->subWindowList();
        QCOMPARE(windows.size(), 5); // general notes, verse notes, plan, coverage, passage
        for (QMdiSubWindow* w : windows) {
            frame->MdiArea()->setActiveSubWindow(w);
            QCoreApplication::processEvents();
            checkBar(w->windowTitle(), w);
        }
        frame->close();
        if (!clashes.isEmpty()) QFAIL(qPrintable(clashes.join('\n')));
    }

    void dialogsHaveNoClash() {
        CScriptedUiServices ui;
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.emplace_back(new CFindReplaceDialog(false, nullptr));
        dialogs.emplace_back(new CFindReplaceDialog(true, nullptr));
        dialogs.emplace_back(new CTemplateEditorDialog(ui, 0));
        dialogs.emplace_back(new CReaderDialog(CReaderDialog::newReader, {}));
        dialogs.emplace_back(new CReaderDialog(CReaderDialog::editReader, {"A", "B", "C"}));
        dialogs.emplace_back(new CAboutDialog);
        dialogs.emplace_back(new CReminderDialog({}, false, true));
        dialogs.emplace_back(new CPlanGalleryDialog({}));
        dialogs.emplace_back(new CUnreadPlanDialog(10));
        dialogs.emplace_back(new CEnterExtraReadingDialog);
        dialogs.emplace_back(new CSelectDateDialog);
        dialogs.emplace_back(new CPlanLoadProgressDialog);
        dialogs.emplace_back(new CSelectVerseDialog);
        dialogs.emplace_back(new CPlanPropertiesDialog("Plan"));
        CQtUiServices qtUi;
        CReaderEnvironment env(qtUi);
        dialogs.emplace_back(new CSelectReaderDialog(env));
        QStringList clashes;
        for (const auto& d : dialogs) {
            Scope scope{d->metaObject()->className(), {}, &clashes};
            AddWidgets(d.get(), scope);
        }
        if (!clashes.isEmpty()) QFAIL(qPrintable(clashes.join('\n')));
    }
};

QTEST_MAIN(TestMnemonics)
#include "test_mnemonics.moc"
