// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingHistoryFrame.h"

#include "ReadingHistoryView.h"
#include "framework/ResourceIcon.h"
#include "plan/ReadingPlanDoc.h"
#include "resources/CommandTable.h"

#include <QCoreApplication>
#include <QScrollArea>

CReadingHistoryFrame::CReadingHistoryFrame(CReadingPlanDoc& doc)
    : CSideFrame(kHistoryMenu, ResourceIcon(":/images/plan.png")), view_(new CReadingHistoryView(doc)) {
    setObjectName("readingHistoryFrame");
    setWindowTitle(QCoreApplication::translate("CReadingHistoryView", "Reading History"));
    SetView(view_, view_, &doc);
}

CReadingHistoryFrame::~CReadingHistoryFrame() = default;

void CReadingHistoryFrame::Detach() {
    view_->Detach();
}

QWidget* CReadingHistoryFrame::WrapView(QWidget* view) {
    auto* scroller = new QScrollArea;
    scroller->setObjectName("historyScroller");
    scroller->setAccessibleName(QCoreApplication::translate("Accessibility", "Reading history"));
    // The view takes the room there is; below its readable size the window scrolls.
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setBackgroundRole(QPalette::Base);
    scroller->setWidget(view);
    scroller->setFocusProxy(view);
    return scroller;
}

CReadingHistoryFrame* CReadingHistoryFrame::Open(QMdiArea* area, CReadingPlanDoc& doc) {
    return OpenIn<CReadingHistoryFrame>(
        area, [&doc] { return new CReadingHistoryFrame(doc); }, QSize(1000, 560));
}
