#include "CoverageFrame.h"

#include "CoverageMap.h"
#include "framework/ResourceIcon.h"
#include "plan/ReadingPlanDoc.h"

#include <QCloseEvent>
#include <QMdiArea>

CCoverageFrame::CCoverageFrame(CReadingPlanDoc& doc)
    : CMdiChildFrame(kCoverageResource, ResourceIcon(":/images/plan.png")), map_(new CCoverageMap(doc)) {
    setObjectName("coverageFrame");
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowTitle("Bible Coverage");
    // The plan document is next in the command route, so Enter Reading and the like reach it.
    SetView(map_, map_, &doc);
    SetCloseBox();
}

CCoverageFrame::~CCoverageFrame() = default;

void CCoverageFrame::SetCloseBox() {
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

void CCoverageFrame::closeEvent(QCloseEvent* event) {
    map_->Detach();
    QMdiSubWindow::closeEvent(event);
}

CCoverageFrame* CCoverageFrame::Find(QMdiArea* area) {
    for (QMdiSubWindow* w : area->subWindowList())
        if (auto* f = qobject_cast<CCoverageFrame*>(w)) return f;
    return nullptr;
}

CCoverageFrame* CCoverageFrame::Open(QMdiArea* area, CReadingPlanDoc& doc) {
    CCoverageFrame* frame = Find(area);
    if (!frame) {
        frame = new CCoverageFrame(doc);
        area->addSubWindow(frame);
        // The area sets its own title bar buttons when it takes a window.
        frame->SetCloseBox();
        // Placed where the whole map can be seen, not where the cascade would put it.
        frame->setGeometry(QRect(QPoint(0, 0), area->viewport()->size().boundedTo(QSize(1100, 800))));
    }
    frame->showNormal();
    area->setActiveSubWindow(frame);
    return frame;
}

void CCoverageFrame::CloseAll(QMdiArea* area) {
    while (CCoverageFrame* frame = Find(area)) {
        frame->Map()->Detach();
        area->removeSubWindow(frame);
        delete frame;
    }
}
