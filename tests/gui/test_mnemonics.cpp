// SPDX-License-Identifier: GPL-3.0-or-later
// Every menu bar, menu, window and dialog: no two items in one scope share a mnemonic, so that
// Alt+letter always does what its underline says. Under LANGUAGE=es or de the same walk runs in that
// language, and every text it saw is also looked for among those the English walk showed; so are the
// help pages.
#include "ModalHelpers.h"
#include "Screenshots.h"
#include "coverage/CoverageMap.h"
#include "coverage/UnreadPlanDialog.h"
#include "foundation/Clock.h"
#include "framework/CommandIds.h"
#include "framework/HelpService.h"
#include "framework/ScriptedUiServices.h"
#include "framework/TextConvert.h"
#include "framework/Translation.h"
#include "gallery/PlanGalleryDialog.h"
#include "notes/FindReplaceDialog.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateEditorDialog.h"
#include "planview/EnterExtraReadingDialog.h"
#include "planview/PlanLoadProgressDialog.h"
#include "planview/PlanPropertiesDialog.h"
#include "planview/ReadingPlanView.h"
#include "planview/SelectDateDialog.h"
#include "planview/SelectVerseDialog.h"
#include "rhythm/ReminderDialog.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"
#include "shell/AboutDialog.h"
#include "shell/MainFrame.h"
#include "shell/ReaderDialog.h"
#include "shell/ScrivaneApp.h"
#include "shell/SelectReaderDialog.h"
#include "shell/SplashWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
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

// Every text the walk saw, when it is collecting them.
QSet<QString>* shown = nullptr;

void Show(const QString& text) {
    if (shown && !text.isEmpty()) shown->insert(text);
}

// Records text's mnemonic under scope; a letter taken twice is a clash, named with both texts.
struct Scope {
    QString name;
    std::map<QChar, QString> taken;
    QStringList* clashes;
    void Add(const QString& text) {
        Show(text);
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
            // (Their names in the language shown, too, which the translated walk installs later.)
            QStringList keyed;
            for (const char* text : {"OK", "Cancel", "Help", "Close"})
                keyed << text << QCoreApplication::translate("QPlatformTheme", text);
            if (qobject_cast<QPushButton*>(b) && Mnemonic(b->text()).isNull() &&
                b->text().contains(QRegularExpression("[A-Za-z]{2}")) && !keyed.contains(b->text()))
                scope.clashes->append(QString("%1: \"%2\" has no mnemonic").arg(scope.name, b->text()));
        } else if (auto* l = qobject_cast<QLabel*>(child); l && l->buddy()) {
            scope.Add(l->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(child)) {
            scope.Add(g->title());
        } else if (auto* t = qobject_cast<QTabWidget*>(child)) {
            for (int i = 0; i < t->count(); ++i)
                scope.Add(t->tabText(i));
        } else if (auto* label = qobject_cast<QLabel*>(child)) {
            Show(label->text());
        }
        if (child->isWindow()) Show(child->windowTitle());
        Show(child->toolTip());
    }
}

// Each menu's items among themselves, and each submenu's as well.
void CheckMenu(QMenu* menu, const QString& path, QStringList& clashes) {
    Scope scope{path, {}, &clashes};
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        // Every item can be reached from the keyboard by its letter.
        // (The list of recent files, while empty, is one disabled line.)
        if (Mnemonic(a->text()).isNull() && !a->text().isEmpty() &&
            a->text() != QCoreApplication::translate("Menu", "Recent File"))
            clashes << QString("%1: \"%2\" has no mnemonic").arg(path, a->text());
        scope.Add(a->text());
        Show(a->statusTip());
        if (a->menu()) CheckMenu(a->menu(), path + " > " + a->text(), clashes);
    }
}

} // namespace

class TestMnemonics : public QObject {
    Q_OBJECT
    QTemporaryDir config_;
    QString language_;
    QSet<QString> english_, translated_;

    QStringList WindowsAndMenus() {
        // Readers of their own: the English walk made its reader in another directory.
        QTemporaryDir base;
        QDir::setCurrent(base.path());
        CScrivaneApp app;
        if (!app.InitInstance({})) return {"the application did not start"};
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
        if (reader < 0) return {"no reader"};
        app.Environment().LastReader() = "Anna";
        QStringList selectReader;
        OnNextModal([&selectReader](QWidget* w) {
            Scope scope{"Select Reader", {}, &selectReader};
            AddWidgets(w, scope);
            w->findChild<QPushButton*>("1")->click();
        });
        frame->OnCommand(Cmd::OpenReaderEnvironment);
        if (!app.Environment().IsOpen()) return {"the reader environment did not open"};
        // A plan with a reading finished: the windows' titles, the plan's drawn lines, the status bar
        // and Undo then show texts made of names and numbers too.
        auto* planView = frame->findChild<CReadingPlanView*>();
        if (!planView ||
            !planView->Document().NewPlanFromFile(ShippedPlansDirectory() + "/Bible in one year.txt"))
            return {"no plan"};
        planView->OnFinishedReading();
        Show(TrCore(planView->Document().UndoName()));
        Show(frame->statusBar()->currentMessage());
        for (const CReadingPlanView::DrawnLine& line : planView->Layout(16, 8, false, Qt::black))
            Show(line.text);
        frame->OnCommand(Cmd::ViewBibleCoverage);
        // The map is drawn; what a screen reader hears of its first book stands for its texts.
        if (auto* map = frame->findChild<CCoverageMap*>())
            if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(map);
                a && a->childCount() > 0)
                Show(a->child(0)->text(QAccessible::Name));
        for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
            if (w->inherits("CPlanChildFrame")) frame->MdiArea()->setActiveSubWindow(w);
        frame->OnCommand(Cmd::ReadAssignment);
        const QList<QMdiSubWindow*> windows = frame->MdiArea()->subWindowList();
        if (windows.size() != 5) // general notes, verse notes, plan, coverage, passage
            return {QString("%1 windows instead of 5").arg(windows.size())};
        for (QMdiSubWindow* w : windows) {
            frame->MdiArea()->setActiveSubWindow(w);
            QCoreApplication::processEvents();
            Show(w->windowTitle());
            Show(frame->windowTitle());
            checkBar(w->windowTitle(), w);
        }
        SaveScreenshot(frame, "main-" + DesktopLanguage());
        frame->close();
        return clashes;
    }

    static QStringList Dialogs() {
        CScriptedUiServices ui;
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.emplace_back(new CFindReplaceDialog(false, nullptr));
        dialogs.emplace_back(new CFindReplaceDialog(true, nullptr));
        dialogs.emplace_back(new CTemplateEditorDialog(ui, 0));
        dialogs.emplace_back(new CReaderDialog(CReaderDialog::newReader, {}));
        dialogs.emplace_back(new CReaderDialog(CReaderDialog::editReader, {"A", "B", "C"}));
        dialogs.emplace_back(new CAboutDialog);
        dialogs.emplace_back(new CReminderDialog({}, false, true));
        dialogs.emplace_back(new CPlanGalleryDialog(ListGallery(ShippedPlansDirectory(), {}, Today())));
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
            Show(d->windowTitle());
            AddWidgets(d.get(), scope);
            SaveScreenshot(d.get(), QString(d->metaObject()->className()) + "-" + DesktopLanguage());
        }
        return clashes;
    }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        language_ = DesktopLanguage();
        if (language_.startsWith("en")) return;
        // What the walk shows in English first, to be looked for later among the translated texts.
        shown = &english_;
        WindowsAndMenus();
        Dialogs();
        shown = &translated_;
        QVERIFY2(InstallTranslators(language_), qPrintable("no catalogue for " + language_));
    }

    void windowsAndTheirMenusHaveNoClash() {
        const QStringList clashes = WindowsAndMenus();
        if (!clashes.isEmpty()) QFAIL(qPrintable(clashes.join('\n')));
    }

    void dialogsHaveNoClash() {
        const QStringList clashes = Dialogs();
        if (!clashes.isEmpty()) QFAIL(qPrintable(clashes.join('\n')));
    }

    // What the plan view, the passage heading and the coverage map name days and books by.
    void datesAndBookNamesAreTheLanguages() {
        const struct {
            const char* language;
            const char* date;
            const char* psalms;
            const char* range;
        } cases[] = {{"en", "Mon 12/07/2026", "Psalms", "Genesis 1:1 through Genesis 2:3"},
                     {"es", "lun 7/12/26", "Salmos", "G\u00e9nesis 1:1 hasta G\u00e9nesis 2:3"},
                     {"de", "Mo. 07.12.26", "Psalmen", "1. Mose 1:1 bis 1. Mose 2:3"}};
        CJJulian day;
        day.SetDate(2026, 12, 7);
        CBible& bible = TheBible();
        const uint16_t first = bible.GetVerseIndex(CVerse(1, 1, 1)),
                       last = bible.GetVerseIndex(CVerse(1, 2, 3));
        for (const auto& c : cases) {
            if (!language_.startsWith(c.language)) continue;
            QCOMPARE(DateText(day), QString::fromUtf8(c.date));
            QCOMPARE(ShownBookName(19), QString::fromUtf8(c.psalms));
            QCOMPARE(QString::fromStdString(RangeText(first, last, ShownForms())),
                     QString::fromUtf8(c.range));
            // Files and the command line keep the canon's English.
            QCOMPARE(QString::fromStdString(RangeText(first, last)),
                     QString("Genesis 1:1 through Genesis 2:3"));
            return;
        }
        QFAIL("no case for the language");
    }

    // Every help page in the language and none left as the English one; its links are the English
    // page's and lead to pages of the language.
    void helpPagesAreTheLanguages() {
        if (language_.startsWith("en")) QSKIP("the pages are written in English");
        const QString language = language_.section('_', 0, 0);
        static const QRegularExpression link("href=\"([^\"#]*)#?([^\"]*)\"");
        auto read = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        auto links = [](const QString& page) {
            QStringList found;
            for (auto it = link.globalMatch(page); it.hasNext();)
                found << it.next().captured(0);
            return found;
        };
        QStringList faults;
        const QStringList pages = QDir(":/help").entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.size() >= 18);
        for (const QString& name : pages) {
            const QString english = read(":/help/" + name), page = read(":/help/" + language + "/" + name);
            if (page.isEmpty()) faults << name + ": no page";
            if (page == english) faults << name + ": still the English page";
            if (links(page) != links(english)) faults << name + ": its links are not the English page's";
            for (auto it = link.globalMatch(page); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const QString target =
                    read(":/help/" + language + "/" + (m.captured(1).isEmpty() ? name : m.captured(1)));
                const QString anchor = m.captured(2);
                if (target.isEmpty() || (!anchor.isEmpty() && !target.contains("id=\"" + anchor + "\"") &&
                                         !target.contains("name=\"" + anchor + "\"")))
                    faults << name + ": " + m.captured(0) + " leads nowhere";
            }
        }
        if (!faults.isEmpty()) QFAIL(qPrintable(faults.join('\n')));
        QCOMPARE(CHelpService::TopicPage(0x20081), ":/help/" + language + "/20081.html");
        CHelpService::Instance().ShowTopic(0x20081);
        SaveScreenshot(CHelpService::Instance().Browser(), "help-" + language);
        // The shipped plans, which the walk sees only one of.
        for (const GalleryEntry& e : ListGallery(ShippedPlansDirectory(), {}, Today()))
            for (const std::string& text : {e.title, e.description})
                QVERIFY2(ShippedPlanText(text) != ToQ(text), text.c_str());
    }

    void nothingIsLeftInEnglish() {
        if (language_.startsWith("en")) QSKIP("the English walk has nothing to compare");
        // Texts that are the same in the language, and names the walk made.
        static const QStringList same = {
            "OK", "Plan", "optional", "Version 1.00", "Scrivane", "<b>Scrivane</b>", "Anna", "Smith", "A"};
        QStringList left;
        for (const QString& text : translated_)
            if (english_.contains(text) && !same.contains(text) &&
                text.contains(QRegularExpression("[A-Za-z]{3}")))
                left << text;
        left.sort();
        QVERIFY2(translated_.size() > 200, "the walk saw too few texts");
        if (!left.isEmpty()) QFAIL(qPrintable("still in English:\n" + left.join('\n')));
    }
};

QTEST_MAIN(TestMnemonics)
#include "test_mnemonics.moc"
