// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "SideFrame.h"

class CReadingHistoryView;
class CReadingPlanDoc;

// The Reading History window: the plan document's journal as a calendar, following its updates.
class CReadingHistoryFrame : public CSideFrame {
    Q_OBJECT
public:
    explicit CReadingHistoryFrame(CReadingPlanDoc& doc);
    ~CReadingHistoryFrame() override;

    CReadingHistoryView* History() const { return view_; }
    void Detach() override;

    static CReadingHistoryFrame* Find(QMdiArea* area) { return FindIn<CReadingHistoryFrame>(area); }
    static CReadingHistoryFrame* Open(QMdiArea* area, CReadingPlanDoc& doc);
    static void CloseAll(QMdiArea* area) { CloseAllIn<CReadingHistoryFrame>(area); }

protected:
    // The picture scrolls when the window is smaller than its readable size.
    QWidget* WrapView(QWidget* view) override;

private:
    CReadingHistoryView* view_;
};
