// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/FormatPercent.h"

#include <gtest/gtest.h>

TEST(FormatPercent, Table) {
    struct Case {
        uint16_t read, total;
        const char* text;
    } cases[] = {
        {0, 0, "  0.00%"},         {5, 0, "  0.00%"},        {0, 100, "  0.00%"},    {100, 100, "100.00%"},
        {200, 100, "100.00%"},     {1234, 10000, " 12.34%"}, {50, 10000, "  0.50%"}, {999, 10000, "  9.99%"},
        {1, 10000, "  0.01%"},     {9999, 10000, " 99.99%"}, {1, 3, " 33.33%"},      {2, 3, " 66.66%"},
        {65534, 65535, " 99.99%"}, {1, 65535, "  0.00%"},    {1, 2, " 50.00%"},      {10, 100, " 10.00%"},
    };
    for (const Case& c : cases) {
        std::string s = FormatPercent(c.read, c.total);
        EXPECT_EQ(s, c.text) << c.read << "/" << c.total;
        EXPECT_EQ(s.size(), 7u);
    }
}
