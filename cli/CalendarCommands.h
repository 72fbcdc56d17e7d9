// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CliCommand.h"

// plan ics STEM OUT: the plan's calendar file.
int PlanIcs(const CliArgs& args, std::ostream& out, std::ostream& err);
