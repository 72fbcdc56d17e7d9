// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

// The text of a progress percentage, always seven characters: "  0.00%" for
// an empty total, "100.00%" once read reaches total, else " 12.34%" with the
// hundredths truncated, never rounded up to a finished look.
std::string FormatPercent(uint16_t read, uint16_t total);
