// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/CmdTarget.h"

// A command target whose map is filled from outside: the windows and the
// application object of the GUI keep one each for their own commands.
class CCommandMap : public CCmdTarget {
public:
    using CCmdTarget::MapCommand;
    using CCmdTarget::MapUpdate;
};
