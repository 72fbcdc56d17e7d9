// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

// "00" to "99", end to end.
inline constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// n in decimal at p, which has room for ten bytes; the end is returned. Listings write tens of
// thousands of indices, chapters and verses, nearly all below 100000: those two digits at a time.
inline char* WriteDecimal(char* p, uint32_t n) {
    auto pair = [](char* at, uint32_t v) { std::memcpy(at, kDigitPairs.data() + 2 * v, 2); };
    if (n < 10) {
        *p = static_cast<char>('0' + n);
        return p + 1;
    }
    if (n < 100) {
        pair(p, n);
        return p + 2;
    }
    if (n < 1000) {
        *p = static_cast<char>('0' + n / 100);
        pair(p + 1, n % 100);
        return p + 3;
    }
    if (n < 10000) {
        pair(p, n / 100);
        pair(p + 2, n % 100);
        return p + 4;
    }
    if (n < 100000) {
        *p = static_cast<char>('0' + n / 10000);
        pair(p + 1, n / 100 % 100);
        pair(p + 3, n % 100);
        return p + 5;
    }
    return std::to_chars(p, p + 10, n).ptr;
}
