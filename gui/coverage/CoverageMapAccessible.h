// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets assistive technology read the coverage map: each book with its totals,
// and under it each chapter with its counts, opened by its action.
void InstallCoverageMapAccessible();
