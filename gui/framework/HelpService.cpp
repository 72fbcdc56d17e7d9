// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpService.h"

#include "framework/CommandIds.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLocale>
#include <QTextBrowser>
#include <QWhatsThis>
#include <QWidget>
#include <map>
#include <set>

namespace {

std::map<int, const char*> MakePopupTexts() {
    std::map<int, const char*> texts = {
        {1, QT_TRANSLATE_NOOP("Help", "Accepts what you entered and closes the dialog.")},
        {2, QT_TRANSLATE_NOOP("Help", "Closes the dialog without changing anything.")},
        {1034, QT_TRANSLATE_NOOP(
                   "Help",
                   "The reader's first name. Together with the last name it tells apart readers who share a "
                   "nick name.")},
        {1035, QT_TRANSLATE_NOOP("Help", "The reader's last name.")},
        {1036,
         QT_TRANSLATE_NOOP(
             "Help", "The name under which the reader is listed. The reader's files are named after it.")},
        {1041,
         QT_TRANSLATE_NOOP(
             "Help", "Tick to show the reading plan window when the environment opens; otherwise it starts "
                     "minimized.")},
        {1042,
         QT_TRANSLATE_NOOP(
             "Help", "Tick to show the verse notes window when the environment opens; otherwise it starts "
                     "minimized.")},
        {1044,
         QT_TRANSLATE_NOOP(
             "Help", "Tick to show the general notes window when the environment opens; otherwise it starts "
                     "minimized.")},
        {1045,
         QT_TRANSLATE_NOOP("Help", "The readers of this computer. Choose whose plan and notes to open.")},
        {1046, QT_TRANSLATE_NOOP("Help", "Adds a reader and makes a directory for the reader's files.")},
        {1048,
         QT_TRANSLATE_NOOP(
             "Help", "Removes the chosen reader from the list, and if you wish, the reader's files too.")},
        {1053,
         QT_TRANSLATE_NOOP("Help", "How much of the whole Bible you have read, counted over every plan.")},
        {1055, QT_TRANSLATE_NOOP("Help", "How much of the current plan you have read.")},
        {1065, QT_TRANSLATE_NOOP("Help", "How much of the current plan you have read.")},
        {1066,
         QT_TRANSLATE_NOOP("Help", "How much of the whole Bible you have read, counted over every plan.")},
        {1125, QT_TRANSLATE_NOOP("Help", "The book whose verses you write notes on.")},
        {1127, QT_TRANSLATE_NOOP(
                   "Help", "The chapter of the book. A book of one chapter has nothing to choose here.")},
        {1128,
         QT_TRANSLATE_NOOP(
             "Help",
             "The verse whose note is shown below. A psalm with a title starts at verse 0, the title.")},
        {1129, QT_TRANSLATE_NOOP("Help", "Goes back to the nearest earlier verse that has a note.")},
        {1130, QT_TRANSLATE_NOOP("Help", "Goes on to the nearest later verse that has a note.")},
        {1131, QT_TRANSLATE_NOOP("Help", "The upper bar shows your progress in the current plan.")},
        {1132,
         QT_TRANSLATE_NOOP("Help", "The lower bar shows your lifetime progress through the whole Bible.")},
        {1038, QT_TRANSLATE_NOOP("Help", "The first verse of the reading.")},
        {1052, QT_TRANSLATE_NOOP("Help", "The month and year the calendar shows.")},
        {1057, QT_TRANSLATE_NOOP(
                   "Help", "Counts the reading in your lifetime reading only; the plan is left as it is.")},
        {1058, QT_TRANSLATE_NOOP(
                   "Help",
                   "Counts the reading in your lifetime reading and marks the verses of the current plan as "
                   "read.")},
        {1063, QT_TRANSLATE_NOOP("Help", "The last verse of the reading.")},
        {1140,
         QT_TRANSLATE_NOOP(
             "Help",
             "Type the reading as you would write it, such as Ps 23, John 3:16-18 or 1 Cor 13, and press "
             "Enter. The verses below show what was read; a reference the Bible does not have is refused "
             "with the reason.")},
        {1072, QT_TRANSLATE_NOOP("Help", "Choose the first verse of the reading.")},
        {1073, QT_TRANSLATE_NOOP("Help", "Choose the last verse of the reading.")},
        {1074, QT_TRANSLATE_NOOP("Help", "Shows the previous month.")},
        {1075, QT_TRANSLATE_NOOP("Help", "Shows the next month.")},
        {1122, QT_TRANSLATE_NOOP("Help", "The book of the verse.")},
        {1123, QT_TRANSLATE_NOOP(
                   "Help", "The chapter of the verse. A book of one chapter has nothing to choose here.")},
        {1124, QT_TRANSLATE_NOOP("Help", "The verse. A psalm with a title starts at verse 0, the title.")},
        {1138, QT_TRANSLATE_NOOP(
                   "Help", "The title, format and description of the template the plan was made from.")},
    };
    for (int id = 1076; id <= 1117; ++id)
        texts[id] = QT_TRANSLATE_NOOP(
            "Help", "A day of the month: click it to choose it. Days in grey lie outside your plan.");
    return texts;
}

const std::map<int, const char*>& PopupTexts() {
    static const std::map<int, const char*> texts = MakePopupTexts();
    return texts;
}

int ControlIdOf(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        bool ok = false;
        int id = w->objectName().toInt(&ok);
        if (ok) return id;
        if (w->isWindow()) break;
    }
    return 0;
}

class HelpKeyFilter : public QObject {
public:
    HelpKeyFilter(QObject* parent, int resourceId, std::set<int> popups)
        : QObject(parent), resourceId_(resourceId), popups_(std::move(popups)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        // A bar's controls get their own keys; a dialog sees those its controls pass on.
        QWidget* focus = resourceId_ == 0 ? qobject_cast<QWidget*>(watched) : QApplication::focusWidget();
        int id = ControlIdOf(focus);
        if (event->type() == QEvent::ShortcutOverride) {
            // A control with a pop-up keeps F1 from the main window's help
            // shortcut, which would otherwise take it first.
            if (!popups_.count(id)) return false;
            event->accept();
            return true;
        }
        if (popups_.count(id)) {
            QPoint at = focus->mapToGlobal(QPoint(focus->width() / 2, focus->height()));
            CHelpService::Instance().ShowPopup(HelpIdForControl(id), at);
            return true;
        }
        if (resourceId_ == 0) return false; // a bar: the window's help takes it
        CHelpService::Instance().ShowTopic(HelpIdForResource(resourceId_));
        return true;
    }

private:
    int resourceId_;
    std::set<int> popups_;
};

class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
        window_->close();
        return true;
    }

private:
    QWidget* window_;
};

// A help page by file name, in the reader's language when it has that page, else the English one.
QString PageInLanguage(const QString& fileName) {
    const QString translated = ":/help/" + QLocale().name().section('_', 0, 0) + "/" + fileName;
    return QFile::exists(translated) ? translated : ":/help/" + fileName;
}

// Links between the pages are relative, so a page of one language leads to the others of that
// language; a page a language lacks is taken in English.
class CHelpBrowser : public QTextBrowser {
protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        QUrl url = name;
        if (url.scheme() == "qrc" && url.path().startsWith("/help/") && !QFile::exists(":" + url.path()))
            url.setPath(PageInLanguage(url.fileName()).mid(1));
        QTextBrowser::doSetSource(url, type);
    }
};

void SetWhatsThis(QWidget* root, const std::set<int>& ids) {
    for (int id : ids)
        for (QWidget* w : root->findChildren<QWidget*>(QString::number(id)))
            w->setWhatsThis(CHelpService::PopupText(HelpIdForControl(id)));
}

} // namespace

CHelpService& CHelpService::Instance() {
    static CHelpService service;
    return service;
}

QString CHelpService::PopupText(int helpId) {
    auto it = PopupTexts().find(helpId - 0x10000);
    return it == PopupTexts().end() ? QString() : QCoreApplication::translate("Help", it->second);
}

QString CHelpService::TopicPage(int helpId) {
    const QString name = QString("%1.html").arg(helpId, 0, 16);
    return PageInLanguage(QFile::exists(":/help/" + name) ? name : QString("index.html"));
}

void CHelpService::ShowPopup(int helpId, const QPoint& globalPos) {
    QString text = PopupText(helpId);
    if (text.isEmpty()) return;
    lastPopup_ = helpId;
    QWhatsThis::showText(globalPos, text);
}

void CHelpService::ShowTopic(int helpId) {
    if (!browser_) {
        browser_ = new CHelpBrowser;
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setObjectName("helpBrowser");
        browser_->setWindowTitle(QCoreApplication::translate("CHelpService", "Scrivane Help"));
        browser_->setOpenLinks(true);
        browser_->resize(520, 440);
        // Without a window manager there is no other way to close it.
        browser_->installEventFilter(new EscapeCloses(browser_));
    }
    browser_->setSource(QUrl("qrc" + TopicPage(helpId)));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

void CHelpService::ShowIndex() {
    ShowTopic(0);
}

void CHelpService::InstallDialogHelp(QDialog* dialog, int resourceId,
                                     std::initializer_list<int> popupControls) {
    InstallDialogHelp(dialog, resourceId, std::set<int>(popupControls));
}

void CHelpService::InstallDialogHelp(QDialog* dialog, int resourceId, const std::set<int>& ids) {
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    dialog->installEventFilter(new HelpKeyFilter(dialog, resourceId, ids));
    SetWhatsThis(dialog, ids);
}

void CHelpService::InstallControlHelp(QWidget* bar, std::initializer_list<int> popupControls) {
    std::set<int> ids(popupControls);
    auto* filter = new HelpKeyFilter(bar, 0, ids);
    for (QWidget* w : bar->findChildren<QWidget*>())
        w->installEventFilter(filter);
    SetWhatsThis(bar, ids);
}
