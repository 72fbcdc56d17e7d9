// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets assistive technology read the plan view: its date lines as text and
// each reading as an item that is read or not, marked read by its action.
void InstallPlanViewAccessible();
