#include "MdiChildFrame.h"

#include "framework/CommandIds.h"

#include <QCloseEvent>
#include <QMenu>

CMdiChildFrame::CMdiChildFrame(int resourceId, const QIcon& icon) : resourceId_(resourceId) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    ApplyWindowFlags();
    setWindowIcon(icon);
    if (QMenu* menu = systemMenu()) {
        for (QAction* a : menu->actions())
            if (a->shortcut() == QKeySequence(QKeySequence::Close) || a->text().contains("Close"))
                menu->removeAction(a);
    }
    // Ctrl+F4 is taken and ignored by every document window.
    target_.MapCommand(Cmd::CloseDocumentWindow, [] {});
}

CMdiChildFrame::~CMdiChildFrame() = default;

void CMdiChildFrame::ApplyWindowFlags() {
    // The title bar draws a close box wherever there is a system menu, so there is none.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinMaxButtonsHint);
}

void CMdiChildFrame::SetView(QWidget* widget, CView* view, CDocument* document) {
    viewWidget_ = widget;
    view_ = view;
    document_ = document;
    setWidget(WrapView(widget));
}

void CMdiChildFrame::closeEvent(QCloseEvent* event) {
    if (closing_)
        QMdiSubWindow::closeEvent(event);
    else
        event->ignore();
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
    if (event->type() == QEvent::WindowStateChange) RememberNormalGeometry();
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
    normal_ = r;
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
