// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatPercent.h"

std::string FormatPercent(uint16_t read, uint16_t total) {
    if (total == 0) return "  0.00%";
    if (read >= total) return "100.00%";
    // Divide first, then scale: the order decides the truncation at the edges.
    const auto v = static_cast<unsigned>(static_cast<double>(read) / static_cast<double>(total) * 10000.0);
    std::string s = "     " + std::to_string(v);
    s = s.substr(s.size() - 4);
    for (size_t i = 1; i < 4; ++i)
        if (s[i] == ' ') s[i] = '0';
    return " " + s.substr(0, 2) + "." + s.substr(2, 2) + "%";
}
