// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/FloodFill.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace editing {

namespace {
    using CellSet = std::bitset<kMaxSide * kMaxSide>;

    constexpr std::size_t CellIndex(int x, int y) { return std::size_t(x * kMaxSide + y); }

    // The columns and rows the area reaches, so writing it back scans no more than that.
    struct Extent {
        CRect box { kMaxSide, kMaxSide, 0, 0 };
        void Add(CPoint p)
        {
            box = { std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x + 1),
                std::max(box.bottom, p.y + 1) };
        }
    };

    // The 4-connected cells around seed holding the seed's value, and their extent.
    CellSet SearchArea(const IconGrid& grid, int side, CPoint seed, Extent& extent)
    {
        CellSet area;
        const int n = std::clamp(side, 0, kMaxSide);
        if (!ImageRect(n).PtInRect(seed))
            return area;
        const COLORREF target = grid[std::size_t(seed.x)][std::size_t(seed.y)];
        // Every cell is pushed at most once, when it first joins the area.
        std::array<CPoint, kMaxSide * kMaxSide> pending;
        std::size_t count = 0;
        const auto join = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= n || y >= n || area.test(CellIndex(x, y))
                || grid[std::size_t(x)][std::size_t(y)] != target)
                return;
            area.set(CellIndex(x, y));
            extent.Add({ x, y });
            pending[count++] = { x, y };
        };
        join(seed.x, seed.y);
        while (count > 0) {
            const CPoint p = pending[--count];
            join(p.x - 1, p.y);
            join(p.x + 1, p.y);
            join(p.x, p.y - 1);
            join(p.x, p.y + 1);
        }
        return area;
    }
} // namespace

void FloodFill(const IconGrid& grid, int side, CPoint seed, COLORREF colour, PixelWriter& out)
{
    Extent extent;
    const CellSet area = SearchArea(grid, side, seed, extent);
    for (int x = extent.box.left; x < extent.box.right; ++x)
        for (int y = extent.box.top; y < extent.box.bottom; ++y)
            if (area.test(CellIndex(x, y)))
                out.Write(x, y, colour);
}

} // namespace editing
