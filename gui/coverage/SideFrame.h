// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/MdiChildFrame.h"

#include <QMdiArea>

// A window that shows the plan document without being one of its windows (Bible Coverage, Reading
// History): it has a close box, there is one of it at a time, and the environment closes it too.
class CSideFrame : public CMdiChildFrame {
    Q_OBJECT
public:
    CSideFrame(int resourceId, const QIcon& icon);
    void SetCloseBox();
    // Lets go of the document (it is closing); the view stays as drawn.
    virtual void Detach() = 0;

    template <class Frame> static Frame* FindIn(QMdiArea* area) {
        for (QMdiSubWindow* w : area->subWindowList())
            if (auto* f = qobject_cast<Frame*>(w)) return f;
        return nullptr;
    }
    // Brings the window up, making it when there is none, no larger than largest at first.
    template <class Frame, class Make> static Frame* OpenIn(QMdiArea* area, Make make, const QSize& largest) {
        Frame* frame = FindIn<Frame>(area);
        if (!frame) {
            frame = make();
            Place(area, frame, largest);
        }
        Raise(area, frame);
        return frame;
    }
    template <class Frame> static void CloseAllIn(QMdiArea* area) {
        while (Frame* frame = FindIn<Frame>(area)) {
            frame->Detach();
            area->removeSubWindow(frame);
            delete frame;
        }
    }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static void Place(QMdiArea* area, CSideFrame* frame, const QSize& largest);
    static void Raise(QMdiArea* area, CSideFrame* frame);
};
