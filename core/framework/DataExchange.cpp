// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataExchange.h"

#include <charconv>

std::string PleaseEnterIntegerBetween(int lo, int hi) {
    return "Please enter an integer between " + std::to_string(lo) + " and " + std::to_string(hi) + ".";
}

std::optional<int> ParseDialogInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    text.remove_prefix(i);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    long long magnitude = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    long long v = negative ? -magnitude : magnitude;
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int>(v);
}

CIntegerField ValidateIntegerField(std::string_view text, int lo, int hi) {
    CIntegerField field;
    field.value = ParseDialogInteger(text);
    if (!field.value)
        field.failure = kPleaseEnterInteger;
    else if (*field.value < lo || *field.value > hi)
        field.failure = PleaseEnterIntegerBetween(lo, hi);
    return field;
}
