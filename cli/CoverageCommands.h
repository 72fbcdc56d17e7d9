// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CliCommand.h"

#include <iosfwd>

class CReadingPlanDoc;

// plan gaps STEM OUT.txt --days N --weekdays 0111110
int PlanGaps(const CliArgs& args, std::ostream& out, std::ostream& err);
// The schedule line that ends `plan show`.
void ShowSchedule(const CReadingPlanDoc& doc, std::ostream& out);
