// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Document.h"

// The view of the prayer book document; it draws nothing.
class CPrayerBookView : public CView {
public:
    void OnUpdate(CView*, long) override {}
    void OnDraw() {}
};
