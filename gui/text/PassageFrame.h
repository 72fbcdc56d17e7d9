// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "PassageView.h"
#include "framework/MdiChildFrame.h"

// The passage window: a window of the main window's client area that belongs
// to no document. It has a close box, shows the plan's menus and closes when
// the plan window it follows closes (with the environment).
class CPassageFrame : public CMdiChildFrame {
    Q_OBJECT
public:
    explicit CPassageFrame(const CPassageView::Followed& plan);

    CPassageView* Passage() const { return view_; }

    // Shows the passage window of plan beside it, making one if there is
    // none; null when plan is not in a main window.
    static CPassageFrame* Open(const CPassageView::Followed& plan);
    // The passage window that follows the plan window planWindow, if any.
    static CPassageFrame* Find(const QWidget& planWindow);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CPassageView* view_ = nullptr;
};
