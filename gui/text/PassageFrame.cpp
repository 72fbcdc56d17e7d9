// SPDX-License-Identifier: GPL-3.0-or-later
#include "PassageFrame.h"

#include "framework/ResourceIcon.h"
#include "resources/CommandTable.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QPointer>

CPassageFrame::CPassageFrame(const CPassageView::Followed& plan)
    : CMdiChildFrame(kPassageMenu, ResourceIcon(":/images/command34816.png")) {
    setObjectName("passageFrame");
    setAttribute(Qt::WA_DeleteOnClose, true);
    view_ = new CPassageView(plan);
    SetView(view_, view_, nullptr);
    // Closes with the plan window, that is with the reader's environment.
    QPointer<CPassageFrame> self(this);
    connect(&plan.window, &QObject::destroyed, [self] {
        if (self) delete self.data();
    });
}

void CPassageFrame::closeEvent(QCloseEvent* event) {
    // Unlike the document windows this one may be closed at any time.
    QMdiSubWindow::closeEvent(event);
}

CPassageFrame* CPassageFrame::Find(const QWidget& plan) {
    auto* planFrame = qobject_cast<QMdiSubWindow*>(plan.parentWidget());
    for (QWidget* w = plan.parentWidget(); w && !planFrame; w = w->parentWidget())
        planFrame = qobject_cast<QMdiSubWindow*>(w);
    QMdiArea* area = planFrame ? planFrame->mdiArea() : nullptr;
    if (!area) return nullptr;
    for (QMdiSubWindow* w : area->subWindowList())
        if (auto* f = qobject_cast<CPassageFrame*>(w); f && f->Passage()->PlanWindow() == &plan) return f;
    return nullptr;
}

CPassageFrame* CPassageFrame::Open(const CPassageView::Followed& plan) {
    QMdiSubWindow* planFrame = nullptr;
    for (QWidget* w = plan.window.parentWidget(); w && !planFrame; w = w->parentWidget())
        planFrame = qobject_cast<QMdiSubWindow*>(w);
    QMdiArea* area = planFrame ? planFrame->mdiArea() : nullptr;
    if (!area) return nullptr;
    CPassageFrame* frame = Find(plan.window);
    if (!frame) {
        frame = new CPassageFrame(plan);
        area->addSubWindow(frame);
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                              Qt::WindowCloseButtonHint);
        // Beside the plan window where there is room, else over the right half of the area.
        const QRect client = area->viewport()->rect();
        const QRect p = planFrame->isMinimized() ? QRect() : planFrame->geometry();
        QRect r(p.right() + 1, 0, client.width() - p.right() - 1, client.height());
        if (p.isNull() || r.width() < 320)
            r = QRect(client.width() / 2, 0, client.width() - client.width() / 2, client.height());
        frame->setGeometry(r);
        frame->show();
    } else {
        if (frame->isMinimized()) frame->showNormal();
        frame->Passage()->Refresh();
    }
    area->setActiveSubWindow(frame);
    return frame;
}
