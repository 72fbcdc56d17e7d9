// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverageFrame.h"

#include "CoverageMap.h"
#include "framework/ResourceIcon.h"
#include "plan/ReadingPlanDoc.h"

#include <QAction>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Keeps the map fitted to what can be seen of it.
class CMapScroller : public QScrollArea {
public:
    explicit CMapScroller(CCoverageMap* map) : map_(map) {
        setObjectName("coverageScroller");
        setAccessibleName(QCoreApplication::translate("Accessibility", "Bible coverage"));
        setWidgetResizable(false);
        setFrameShape(QFrame::NoFrame);
        setBackgroundRole(QPalette::Base);
        setWidget(map);
        setFocusProxy(map);
        map->setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QScrollArea::resizeEvent(e);
        // What a scroll bar takes from the other direction is left to it, so that a map only too
        // tall does not need a horizontal bar as well.
        QSize room = maximumViewportSize();
        map_->FitTo(room);
        if (map_->height() > room.height()) room.rwidth() -= verticalScrollBar()->sizeHint().width();
        if (map_->width() > room.width()) room.rheight() -= horizontalScrollBar()->sizeHint().height();
        map_->FitTo(room);
    }

private:
    CCoverageMap* map_;
};

} // namespace

CCoverageFrame::CCoverageFrame(CReadingPlanDoc& doc)
    : CSideFrame(kCoverageResource, ResourceIcon(":/images/plan.png")), map_(new CCoverageMap(doc)) {
    setObjectName("coverageFrame");
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowTitle(QCoreApplication::translate("CCoverageFrame", "Bible Coverage"));
    // The plan document is next in the command route, so Enter Reading and the like reach it.
    SetView(map_, map_, &doc);
}

CCoverageFrame::~CCoverageFrame() = default;

QWidget* CCoverageFrame::WrapView(QWidget* view) {
    auto* scroller = new CMapScroller(static_cast<CCoverageMap*>(view));
    // Ctrl+= too, where + needs Shift.
    auto* zoomIn = new QAction(scroller);
    zoomIn->setShortcut(QKeySequence("Ctrl+="));
    zoomIn->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(zoomIn, &QAction::triggered, this, [this] { map_->ZoomIn(); });
    scroller->addAction(zoomIn);
    return scroller;
}

void CCoverageFrame::Detach() {
    map_->Detach();
}

CCoverageFrame* CCoverageFrame::Open(QMdiArea* area, CReadingPlanDoc& doc) {
    return OpenIn<CCoverageFrame>(
        area, [&doc] { return new CCoverageFrame(doc); }, QSize(1100, 800));
}
