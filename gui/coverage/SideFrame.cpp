// SPDX-License-Identifier: GPL-3.0-or-later
#include "SideFrame.h"

#include <QCloseEvent>

CSideFrame::CSideFrame(int resourceId, const QIcon& icon) : CMdiChildFrame(resourceId, icon) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    // Closable like a window opened beside the environment: Ctrl+F4 and the window menu's Close too.
    SetClosable(true);
    SetCloseBox();
}

void CSideFrame::SetCloseBox() {
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

void CSideFrame::closeEvent(QCloseEvent* event) {
    Detach();
    QMdiSubWindow::closeEvent(event);
}

void CSideFrame::Place(QMdiArea* area, CSideFrame* frame, const QSize& largest) {
    area->addSubWindow(frame);
    // The area sets its own title bar buttons when it takes a window.
    frame->SetCloseBox();
    // Placed where the whole of it can be seen, not where the cascade would put it.
    frame->setGeometry(QRect(QPoint(0, 0), area->viewport()->size().boundedTo(largest)));
}

void CSideFrame::Raise(QMdiArea* area, CSideFrame* frame) {
    frame->showNormal();
    area->setActiveSubWindow(frame);
}
