// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowLayout.h"

#include <algorithm>
#include <cmath>

WindowRect FitInside(WindowRect r, WindowSize minimum, WindowSize area) {
    r.width = std::max(std::min(r.width, area.width), minimum.width);
    r.height = std::max(std::min(r.height, area.height), minimum.height);
    r.x = std::max(0, std::min(r.x, area.width - r.width));
    r.y = std::max(0, std::min(r.y, area.height - r.height));
    return r;
}

namespace {

// Whether n windows in rows of columns fit side by side without one covering another.
bool GridFits(const std::vector<WindowSize>& minimums, int columns, WindowSize area) {
    const int n = static_cast<int>(minimums.size());
    int height = 0;
    for (int first = 0; first < n; first += columns) {
        int width = 0, rowHeight = 0;
        for (int i = first; i < std::min(n, first + columns); ++i) {
            width += minimums[static_cast<size_t>(i)].width;
            rowHeight = std::max(rowHeight, minimums[static_cast<size_t>(i)].height);
        }
        if (width > area.width) return false;
        height += rowHeight;
    }
    return height <= area.height;
}

} // namespace

std::vector<WindowRect> TileWindows(const std::vector<WindowSize>& minimums, WindowSize area) {
    const int n = static_cast<int>(minimums.size());
    std::vector<WindowRect> rects;
    if (n == 0) return rects;
    // As square a grid as the windows' minimums allow: fewer columns, and so more rows, when a
    // wide window would otherwise cover its neighbour.
    int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
    const int squarest = columns;
    while (columns > 1 && !GridFits(minimums, columns, area))
        --columns;
    if (!GridFits(minimums, columns, area)) columns = squarest;
    const int rows = (n + columns - 1) / columns;
    // Rows share out the height left over their tallest minimums, when those fit.
    std::vector<int> rowMinimum(static_cast<size_t>(rows), 0);
    for (int i = 0; i < n; ++i)
        rowMinimum[static_cast<size_t>(i / columns)] =
            std::max(rowMinimum[static_cast<size_t>(i / columns)], minimums[static_cast<size_t>(i)].height);
    int minimumHeight = 0;
    for (int h : rowMinimum)
        minimumHeight += h;
    const bool shareHeight = minimumHeight <= area.height;
    int y = 0;
    for (int row = 0; row < rows; ++row) {
        const int first = row * columns;
        const int inRow = std::min(columns, n - first);
        int rowY = area.height * row / rows;
        int rowHeight = area.height * (row + 1) / rows - rowY;
        if (shareHeight) {
            const int extra = area.height - minimumHeight;
            rowY = y;
            rowHeight = rowMinimum[static_cast<size_t>(row)] + extra * (row + 1) / rows - extra * row / rows;
            y += rowHeight;
        }
        // A row whose minimums fit shares out what is left over them, so that a
        // wide window does not cover its neighbour; otherwise the widths are equal.
        int minimumSum = 0;
        for (int i = first; i < first + inRow; ++i)
            minimumSum += minimums[static_cast<size_t>(i)].width;
        const bool share = minimumSum <= area.width;
        int x = 0;
        for (int column = 0; column < inRow; ++column) {
            const int i = first + column;
            WindowRect r;
            if (share) {
                const int extra = area.width - minimumSum;
                r.x = x;
                r.width = minimums[static_cast<size_t>(i)].width + extra * (column + 1) / inRow -
                          extra * column / inRow;
                x += r.width;
            } else {
                r.x = area.width * column / inRow;
                r.width = area.width * (column + 1) / inRow - r.x;
            }
            r.y = rowY;
            r.height = rowHeight;
            rects.push_back(FitInside(r, minimums[static_cast<size_t>(i)], area));
        }
    }
    return rects;
}

std::vector<WindowRect> CascadeWindows(const std::vector<WindowSize>& minimums, WindowSize area, int step) {
    const int n = static_cast<int>(minimums.size());
    std::vector<WindowRect> rects;
    if (n == 0) return rects;
    // Fewer steps when the area is too small for all of them.
    int offset = step;
    int width = area.width - offset * (n - 1);
    int height = area.height - offset * (n - 1);
    for (const WindowSize& m : minimums) {
        width = std::max(width, std::min(m.width, area.width));
        height = std::max(height, std::min(m.height, area.height));
    }
    if (n > 1)
        offset = std::max(0, std::min(step, std::min(area.width - width, area.height - height) / (n - 1)));
    for (int i = 0; i < n; ++i)
        rects.push_back(
            FitInside({offset * i, offset * i, width, height}, minimums[static_cast<size_t>(i)], area));
    return rects;
}
