// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildFrame.h"

#include "framework/ResourceIcon.h"

CChildFrame::CChildFrame() : CMdiChildFrame(132, ResourceIcon(":/images/generalnotes.png")) {}
