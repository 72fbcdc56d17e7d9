// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/WindowLayout.h"

#include <gtest/gtest.h>

namespace {

bool Inside(const WindowRect& r, WindowSize area) {
    return r.x >= 0 && r.y >= 0 && r.x + r.width <= area.width && r.y + r.height <= area.height;
}

TEST(WindowLayout, FitInsideMovesAndCutsButKeepsTheMinimum) {
    const WindowSize area{800, 500};
    struct Case {
        WindowRect in;
        WindowSize minimum;
        WindowRect out;
    };
    const std::vector<Case> cases = {
        {{10, 20, 300, 200}, {100, 60}, {10, 20, 300, 200}},   // already inside
        {{-900, -700, 300, 200}, {100, 60}, {0, 0, 300, 200}}, // far up and left
        {{3000, 2000, 300, 200}, {100, 60}, {500, 300, 300, 200}},
        {{100, 100, 1200, 900}, {100, 60}, {0, 0, 800, 500}},   // larger than the area
        {{700, 450, 50, 20}, {200, 100}, {600, 400, 200, 100}}, // smaller than its minimum
        {{50, 50, 300, 200}, {900, 600}, {0, 0, 900, 600}},     // a minimum the area cannot hold
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitInside(c.in, c.minimum, area), c.out) << c.in.x << "," << c.in.y;
}

TEST(WindowLayout, TileAndCascadeStayInsideAndKeepMinimums) {
    struct Case {
        WindowSize area;
        std::vector<WindowSize> minimums;
    };
    const std::vector<Case> cases = {
        {{800, 500}, {{470, 150}, {300, 120}, {200, 100}}},
        {{640, 400}, {{470, 180}, {480, 120}, {200, 100}}},
        {{1200, 800}, {{100, 60}}},
        {{300, 200}, {{100, 60}, {100, 60}, {100, 60}, {100, 60}, {100, 60}}},
    };
    for (const Case& c : cases) {
        for (const auto& rects : {TileWindows(c.minimums, c.area), CascadeWindows(c.minimums, c.area, 24)}) {
            ASSERT_EQ(rects.size(), c.minimums.size());
            for (size_t i = 0; i < rects.size(); ++i) {
                EXPECT_TRUE(Inside(rects[i], c.area)) << c.area.width << " window " << i;
                EXPECT_GE(rects[i].width, c.minimums[i].width);
                EXPECT_GE(rects[i].height, c.minimums[i].height);
            }
        }
    }
    // Three windows tile as two above one; cascading steps down and right.
    const auto tiled = TileWindows({{100, 60}, {100, 60}, {100, 60}}, {800, 600});
    EXPECT_EQ(tiled[0], (WindowRect{0, 0, 400, 300}));
    EXPECT_EQ(tiled[1], (WindowRect{400, 0, 400, 300}));
    EXPECT_EQ(tiled[2], (WindowRect{0, 300, 800, 300}));
    // Where the minimums fit, a wide window takes its width without covering its neighbour.
    const auto shared = TileWindows({{100, 60}, {400, 60}, {100, 60}}, {640, 400});
    EXPECT_EQ(shared[0], (WindowRect{0, 0, 170, 200}));
    EXPECT_EQ(shared[1], (WindowRect{170, 0, 470, 200}));
    // Windows too wide to stand two abreast go one under another rather than overlap: the plan,
    // the notes and a wide passage window.
    struct Fit {
        std::vector<WindowSize> minimums;
        WindowSize area;
    };
    for (const Fit& f : std::vector<Fit>{{{{500, 100}, {500, 100}, {300, 100}}, {800, 600}},
                                         {{{400, 200}, {300, 150}, {560, 300}}, {900, 700}},
                                         {{{300, 200}, {300, 150}, {300, 150}, {620, 200}}, {700, 720}}}) {
        const auto rects = TileWindows(f.minimums, f.area);
        for (size_t i = 0; i < rects.size(); ++i)
            for (size_t j = i + 1; j < rects.size(); ++j) {
                const WindowRect& a = rects[i];
                const WindowRect& b = rects[j];
                const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y ||
                                   b.y + b.height <= a.y;
                EXPECT_TRUE(apart) << "windows " << i << " and " << j << " of " << rects.size();
            }
    }
    const auto cascaded = CascadeWindows({{100, 60}, {100, 60}, {100, 60}}, {800, 600}, 24);
    EXPECT_EQ(cascaded[2], (WindowRect{48, 48, 752, 552}));
    EXPECT_TRUE(TileWindows({}, {800, 600}).empty());
}

} // namespace
