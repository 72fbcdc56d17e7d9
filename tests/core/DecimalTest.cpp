// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Decimal.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Every number a listing writes digit pair by digit pair, and the largest, as to_string writes them.
TEST(Decimal, WritesAsToString) {
    auto written = [](uint32_t n) {
        char text[10];
        return std::string(text, WriteDecimal(text, n));
    };
    for (uint32_t n = 0; n < 200000; ++n)
        ASSERT_EQ(written(n), std::to_string(n));
    for (uint32_t n : {999999u, 1000000u, 4294967295u})
        EXPECT_EQ(written(n), std::to_string(n));
}

} // namespace
