// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <initializer_list>
#include <set>

class QDialog;
class QPoint;

class QWidget;

// Help by context number: 0x10000 + control id opens the control's pop-up
// text, 0x20000 + resource id the topic of a window or dialog, shown in a
// small help browser over the pages in the resources.
class CHelpService {
public:
    static CHelpService& Instance();

    // The pop-up text of a control's help id; empty when there is none.
    static QString PopupText(int helpId);
    // The resource path of a topic's page (":/help/…", or ":/help/LANGUAGE/…" where the reader's
    // language has the page); the index for an unknown id.
    static QString TopicPage(int helpId);

    void ShowPopup(int helpId, const QPoint& globalPos);
    void ShowTopic(int helpId);
    void ShowIndex();
    // The browser window, once a topic was shown.
    QTextBrowser* Browser() const { return browser_; }
    // The help id of the pop-up shown last; 0 before any.
    int LastPopup() const { return lastPopup_; }

    // Gives a dialog context help: F1 on one of popupControls (control ids,
    // which are the widgets' object names) shows its pop-up, F1 anywhere else
    // the dialog's topic. The controls also get What's This texts.
    static void InstallDialogHelp(QDialog* dialog, int resourceId, std::initializer_list<int> popupControls);
    static void InstallDialogHelp(QDialog* dialog, int resourceId, const std::set<int>& popupControls);
    // The same for a bar of controls inside a window: F1 on one of them shows
    // its pop-up, anything else goes on to the window.
    static void InstallControlHelp(QWidget* bar, std::initializer_list<int> popupControls);

private:
    QPointer<QTextBrowser> browser_;
    int lastPopup_ = 0;
};
