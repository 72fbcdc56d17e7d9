// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "JJulian.h"

#include <optional>

// Today's date at 01:00:00.000. Tests set it; the programs honour
// SCRIVANE_TODAY=YYYY-MM-DD; otherwise it is the local system date.
CJJulian Today();
void SetTodayOverride(std::optional<CJJulian> day);

// Parses "Y-M-D" (each part a decimal number, the month and day may be out of
// range and are normalised by SetDate). Empty when the text is not of that form.
std::optional<CJJulian> ParseIsoDate(const std::string& text);
