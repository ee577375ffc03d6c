// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Transforms.h"

#include <algorithm>

namespace editing {

namespace {
    COLORREF At(const IconGrid& grid, int x, int y) { return grid[std::size_t(x)][std::size_t(y)]; }
}

void MirrorBox(const IconGrid& grid, int side, const CRect& box, bool leftRight, bool topBottom,
    PixelWriter& out)
{
    const CRect area = box.Intersected(ImageRect(side));
    // The writer may store into grid, so the box is read from a copy.
    IconGrid old;
    for (int x = area.left; x < area.right; ++x)
        for (int y = area.top; y < area.bottom; ++y)
            old[std::size_t(x)][std::size_t(y)] = At(grid, x, y);
    for (int x = area.left; x < area.right; ++x) {
        const int fromX = leftRight ? area.left + area.right - 1 - x : x;
        for (int y = area.top; y < area.bottom; ++y) {
            const int fromY = topBottom ? area.top + area.bottom - 1 - y : y;
            out.Write(x, y, At(old, fromX, fromY));
        }
    }
}

void TurnQuarter(IconGrid& grid, int side, bool clockwise)
{
    const int n = std::clamp(side, 0, kMaxSide);
    const IconGrid old = grid;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int fromX = clockwise ? y : n - 1 - y;
            const int fromY = clockwise ? n - 1 - x : x;
            grid[std::size_t(x)][std::size_t(y)] = At(old, fromX, fromY);
        }
    }
}

void ClearBox(int side, const CRect& box, PixelWriter& out)
{
    const CRect area = box.Intersected(ImageRect(side));
    for (int x = area.left; x < area.right; ++x)
        for (int y = area.top; y < area.bottom; ++y)
            out.Write(x, y, ICON_TRANSPARENT);
}

CSize CopyBlock(const IconGrid& grid, int side, const CRect& box, IconGrid& block)
{
    const CRect area = box.Intersected(ImageRect(side));
    const CSize size { std::max(area.Width(), 0), std::max(area.Height(), 0) };
    for (int i = 0; i < size.cx; ++i)
        for (int j = 0; j < size.cy; ++j)
            block[std::size_t(i)][std::size_t(j)] = At(grid, area.left + i, area.top + j);
    return size;
}

void PasteBlock(const IconGrid& block, CSize size, CPoint topLeft, PixelWriter& out)
{
    const int width = std::clamp(size.cx, 0, kMaxSide);
    const int height = std::clamp(size.cy, 0, kMaxSide);
    for (int i = 0; i < width; ++i)
        for (int j = 0; j < height; ++j)
            if (const COLORREF c = At(block, i, j); c != ICON_TRANSPARENT)
                out.Write(topLeft.x + i, topLeft.y + j, c);
}

} // namespace editing
