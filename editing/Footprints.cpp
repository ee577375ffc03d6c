// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Footprints.h"

#include <array>

namespace editing {

namespace {

    // The square of 2 x Radius + 1 cells a side, dx ascending, then dy ascending; a round pen
    // leaves out the four corners.
    template <int Radius, bool Round> constexpr auto Pen()
    {
        constexpr int kSide = 2 * Radius + 1;
        std::array<CellOffset, kSide * kSide - (Round ? 4 : 0)> offsets {};
        std::size_t i = 0;
        for (int dx = -Radius; dx <= Radius; ++dx)
            for (int dy = -Radius; dy <= Radius; ++dy)
                if (!Round || (dx != -Radius && dx != Radius) || (dy != -Radius && dy != Radius))
                    offsets[i++] = { dx, dy };
        return offsets;
    }

    constexpr auto kDot = Pen<0, false>();
    constexpr auto kSquare3 = Pen<1, false>();
    constexpr auto kSquare5 = Pen<2, false>();
    constexpr auto kRound = Pen<2, true>();

} // namespace

std::span<const CellOffset> Footprint(PenShape pen)
{
    // In the order of PenShape.
    static constexpr std::array<std::span<const CellOffset>, 4> kPens { kDot, kSquare3, kSquare5,
        kRound };
    return kPens[std::size_t(pen)];
}

void PaintFootprint(CPoint cell, PenShape pen, COLORREF colour, PixelWriter& out)
{
    for (const CellOffset& o : Footprint(pen))
        out.Write(cell.x + o.dx, cell.y + o.dy, colour);
}

void ShadeFootprint(
    const IconGrid& grid, int side, CPoint cell, PenShape pen, int amount, PixelWriter& out)
{
    for (const CellOffset& o : Footprint(pen))
        ShadeCell(grid, side, { cell.x + o.dx, cell.y + o.dy }, { amount, amount, amount }, out);
}

} // namespace editing
