// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

#include <cstdlib>
#include <limits>

namespace {
std::optional<CJJulian> overrideDay;

bool ParsePart(const std::string& s, size_t& i, int& out) {
    bool negative = false;
    if (i < s.size() && s[i] == '-') {
        negative = true;
        ++i;
    }
    size_t start = i;
    long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        v = v * 10 + (s[i] - '0');
        if (v > std::numeric_limits<int16_t>::max() + 1L) return false;
        ++i;
    }
    if (i == start) return false;
    v = negative ? -v : v;
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) return false;
    out = static_cast<int>(v);
    return true;
}
} // namespace

std::optional<CJJulian> ParseIsoDate(const std::string& text) {
    int y, m, d;
    size_t i = 0;
    if (!ParsePart(text, i, y) || i >= text.size() || text[i++] != '-') return std::nullopt;
    if (!ParsePart(text, i, m) || i >= text.size() || text[i++] != '-') return std::nullopt;
    if (!ParsePart(text, i, d) || i != text.size()) return std::nullopt;
    return CJJulian::Day(static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d));
}

void SetTodayOverride(std::optional<CJJulian> day) {
    overrideDay = day;
}

CJJulian Today() {
    if (overrideDay) return CJJulian(overrideDay->GetDayNumber(), CJJulian::kOneOClock);
    if (const char* env = std::getenv("SCRIVANE_TODAY")) {
        if (auto d = ParseIsoDate(env)) return *d;
    }
    CJJulian now;
    now.SetToNow();
    return CJJulian(now.GetDayNumber(), CJJulian::kOneOClock);
}
