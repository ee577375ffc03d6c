// SPDX-License-Identifier: GPL-3.0-or-later
// The brush-like tools: a footprint around the cell, painted or shaded pixel by pixel.
#include "canvas/IconView.h"

#include "document/IconDoc.h"
#include "resources/Resource.h"
#include "state/ToolState.h"

#include <algorithm>
#include <span>

namespace {

struct Offset {
    int dx;
    int dy;
};

// Offsets in the order they are applied: dx ascending, then dy ascending.
constexpr std::array<Offset, 1> kPen1x1 { { { 0, 0 } } };

template <int Radius> constexpr std::array<Offset, (2 * Radius + 1) * (2 * Radius + 1)> Square()
{
    std::array<Offset, (2 * Radius + 1) * (2 * Radius + 1)> offsets {};
    std::size_t i = 0;
    for (int dx = -Radius; dx <= Radius; ++dx)
        for (int dy = -Radius; dy <= Radius; ++dy)
            offsets[i++] = { dx, dy };
    return offsets;
}

// The 5 x 5 square without its four corners.
constexpr std::array<Offset, 21> RoundPen()
{
    std::array<Offset, 21> offsets {};
    std::size_t i = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (!((dx == -2 || dx == 2) && (dy == -2 || dy == 2)))
                offsets[i++] = { dx, dy };
    return offsets;
}

constexpr auto kPen3x3 = Square<1>();
constexpr auto kPen5x5 = Square<2>();
constexpr auto kPenRound = RoundPen();

std::span<const Offset> Footprint(int penSize)
{
    switch (penSize) {
    case ID_PEN_1X1:
        return kPen1x1;
    case ID_PEN_3X3:
        return kPen3x3;
    case ID_PEN_5X5:
        return kPen5x5;
    case ID_PEN_ROUND:
        return kPenRound;
    default:
        return {};
    }
}

} // namespace

void CIconView::PaintFootprint(int x, int y, COLORREF colour)
{
    for (const Offset& o : Footprint(toolState.penSize))
        PaintPixel(x + o.dx, y + o.dy, colour);
}

void CIconView::ShadeFootprint(int x, int y, int d)
{
    for (const Offset& o : Footprint(toolState.penSize))
        ShadePixel(x + o.dx, y + o.dy, d, d, d);
}

void CIconView::ShadePixel(int x, int y, int dR, int dG, int dB)
{
    const int n = Side();
    if (x < 0 || y < 0 || x >= n || y >= n)
        return;
    const COLORREF v
        = GetDocument()->m_pixels[std::size_t(m_nSize)][std::size_t(x)][std::size_t(y)];
    if (v == ICON_TRANSPARENT)
        return;
    // Each channel saturates on its own. The offsets are bounded by their callers, so the
    // sums cannot overflow.
    const auto channel = [](int value, int delta) { return std::clamp(value + delta, 0, 255); };
    PaintPixel(
        x, y, RGB(channel(GetRValue(v), dR), channel(GetGValue(v), dG), channel(GetBValue(v), dB)));
}
