// SPDX-License-Identifier: GPL-3.0-or-later
// The brush-like tools: the current pen's footprint around the cell, painted or shaded pixel by
// pixel.
#include "canvas/IconView.h"

#include "canvas/PaintPixelWriter.h"
#include "editing/Footprints.h"
#include "resources/Resource.h"
#include "state/ToolState.h"

#include <optional>

namespace {

// The shape of the pen size command, or none for an id that is not a pen size.
std::optional<editing::PenShape> CurrentPen()
{
    switch (toolState.penSize) {
    case ID_PEN_1X1:
        return editing::PenShape::Dot;
    case ID_PEN_3X3:
        return editing::PenShape::Square3;
    case ID_PEN_5X5:
        return editing::PenShape::Square5;
    case ID_PEN_ROUND:
        return editing::PenShape::Round;
    default:
        return std::nullopt;
    }
}

} // namespace

void CIconView::PaintFootprint(int x, int y, COLORREF colour)
{
    PaintPixelWriter out(*this);
    if (const auto pen = CurrentPen())
        editing::PaintFootprint({ x, y }, *pen, colour, out);
}

void CIconView::ShadeFootprint(int x, int y, int d)
{
    const IconGrid* grid = ActiveGrid(*this);
    const auto pen = CurrentPen();
    if (!grid || !pen)
        return;
    PaintPixelWriter out(*this);
    editing::ShadeFootprint(*grid, Side(), { x, y }, *pen, d, out);
}

void CIconView::ShadePixel(int x, int y, int dR, int dG, int dB)
{
    const IconGrid* grid = ActiveGrid(*this);
    if (!grid)
        return;
    PaintPixelWriter out(*this);
    editing::ShadeCell(*grid, Side(), { x, y }, { dR, dG, dB }, out);
}
