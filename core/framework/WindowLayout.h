// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

// Where document windows go inside the main window's client area: each
// placement lies inside the area and is at least the window's minimum size
// (a window whose minimum is larger than the area starts at its top left).
struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

struct WindowSize {
    int width = 0;
    int height = 0;
};

// r moved and cut so that it lies inside an area of the given size, but no
// smaller than minimum.
WindowRect FitInside(WindowRect r, WindowSize minimum, WindowSize area);

// Tile: the windows side by side in rows (the last row shares the width among
// fewer windows), in the order given.
std::vector<WindowRect> TileWindows(const std::vector<WindowSize>& minimums, WindowSize area);

// Cascade: each window one step right of and below the one before, all of one
// size that leaves room for the steps.
std::vector<WindowRect> CascadeWindows(const std::vector<WindowSize>& minimums, WindowSize area, int step);
