// SPDX-License-Identifier: GPL-3.0-or-later
#include "MdiChildFrame.h"

#include "framework/CommandIds.h"
#include "framework/WindowLayout.h"

#include <QCloseEvent>
#include <QMenu>
#include <QTimer>
#include <QWindowStateChangeEvent>

CMdiChildFrame::CMdiChildFrame(int resourceId, const QIcon& icon) : resourceId_(resourceId) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    ApplyWindowFlags();
    setWindowIcon(icon);
    if (QMenu* menu = systemMenu()) {
        for (QAction* a : menu->actions())
            if (a->shortcut() == QKeySequence(QKeySequence::Close) || a->text().contains("Close")) {
                closeAction_ = a;
                a->setVisible(false);
            }
    }
    // Ctrl+F4 is taken and ignored by every document window.
    target_.MapCommand(Cmd::CloseDocumentWindow, [] {});
}

CMdiChildFrame::~CMdiChildFrame() = default;

void CMdiChildFrame::ApplyWindowFlags() {
    // The title bar draws a close box wherever there is a system menu, so an
    // environment's window has none.
    if (closable_)
        setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    else
        setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowMinMaxButtonsHint);
}

void CMdiChildFrame::SetClosable(bool closable) {
    closable_ = closable;
    if (closeAction_) closeAction_->setVisible(closable);
    const bool visible = isVisible();
    ApplyWindowFlags();
    if (visible) show();
}

void CMdiChildFrame::SetView(QWidget* widget, CView* view, CDocument* document) {
    viewWidget_ = widget;
    view_ = view;
    document_ = document;
    setWidget(WrapView(widget));
}

void CMdiChildFrame::closeEvent(QCloseEvent* event) {
    if (closing_) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    event->ignore();
    // The document closes the window itself, once this event is over.
    if (closable_ && onCloseRequest)
        QTimer::singleShot(0, this, [this] {
            if (closing_ || !onCloseRequest) return;
            // The request deletes this window; it must not run from a member.
            std::function<void()> request = onCloseRequest;
            request();
        });
}

void CMdiChildFrame::CloseFrame() {
    closing_ = true;
    close();
}

void CMdiChildFrame::RememberNormalGeometry() {
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) && isVisible()) normal_ = geometry();
}

void CMdiChildFrame::moveEvent(QMoveEvent* event) {
    QMdiSubWindow::moveEvent(event);
    RememberNormalGeometry();
}

void CMdiChildFrame::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    RememberNormalGeometry();
}

void CMdiChildFrame::changeEvent(QEvent* event) {
    QMdiSubWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    // Restored from maximized or minimized, a window may be larger than the
    // client area is now. One placed and shown has been fitted already.
    const auto was = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) &&
        (was & (Qt::WindowMinimized | Qt::WindowMaximized)))
        QTimer::singleShot(0, this, [this] { FitIntoArea(); });
    RememberNormalGeometry();
}

void CMdiChildFrame::FitIntoArea() {
    QWidget* area = parentWidget();
    if (!area || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) return;
    const QSize m = minimumSize().expandedTo(minimumSizeHint());
    const QRect g = geometry();
    const WindowRect r = FitInside({g.x(), g.y(), g.width(), g.height()}, {m.width(), m.height()},
                                   {area->width(), area->height()});
    if (QRect(r.x, r.y, r.width, r.height) != g) setGeometry(r.x, r.y, r.width, r.height);
}

WindowPlacement CMdiChildFrame::GetPlacement() const {
    WindowPlacement p;
    p.length = 44;
    if (windowState() & Qt::WindowMinimized)
        p.showCmd = SW_SHOWMINIMIZED;
    else if (windowState() & Qt::WindowMaximized)
        p.showCmd = SW_SHOWMAXIMIZED;
    else
        p.showCmd = SW_SHOWNORMAL;
    QRect r = normal_.isValid() ? normal_ : geometry();
    p.left = r.left();
    p.top = r.top();
    p.right = r.left() + r.width();
    p.bottom = r.top() + r.height();
    return p;
}

void CMdiChildFrame::SetPlacement(const WindowPlacement& p) {
    // A damaged record must not make a window that cannot be seen or grabbed.
    int w = std::clamp(p.right - p.left, 100, 10000);
    int h = std::clamp(p.bottom - p.top, 60, 10000);
    QRect r(std::clamp(p.left, -w + 40, 10000), std::clamp(p.top, 0, 10000), w, h);
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) showNormal();
    setGeometry(r);
    // A record made in a larger main window, or damaged, must not leave the window out of reach.
    FitIntoArea();
    normal_ = geometry();
    switch (p.showCmd) {
    case 2: // minimized
    case 6: // minimize
    case 7: // minimized, not activated
        showMinimized();
        break;
    case 3: // maximized
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
}
