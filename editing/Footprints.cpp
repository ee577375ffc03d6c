// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Footprints.h"

#include <array>

namespace editing {

namespace {

    constexpr std::array<CellOffset, 1> kDot { { { 0, 0 } } };

    template <int Radius>
    constexpr std::array<CellOffset, (2 * Radius + 1) * (2 * Radius + 1)> Square()
    {
        std::array<CellOffset, (2 * Radius + 1) * (2 * Radius + 1)> offsets {};
        std::size_t i = 0;
        for (int dx = -Radius; dx <= Radius; ++dx)
            for (int dy = -Radius; dy <= Radius; ++dy)
                offsets[i++] = { dx, dy };
        return offsets;
    }

    // The 5 x 5 square without its four corners.
    constexpr std::array<CellOffset, 21> RoundPen()
    {
        std::array<CellOffset, 21> offsets {};
        std::size_t i = 0;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (!((dx == -2 || dx == 2) && (dy == -2 || dy == 2)))
                    offsets[i++] = { dx, dy };
        return offsets;
    }

    constexpr auto kSquare3 = Square<1>();
    constexpr auto kSquare5 = Square<2>();
    constexpr auto kRound = RoundPen();

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
