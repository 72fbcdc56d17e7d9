// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/MdiChildFrame.h"

// The general notes window: a plain document window.
class CChildFrame : public CMdiChildFrame {
    Q_OBJECT
public:
    CChildFrame();
};
