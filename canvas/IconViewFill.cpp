// SPDX-License-Identifier: GPL-3.0-or-later
// The flood fill tool: the area of the clicked cell's exact value takes the colour.
#include "canvas/IconView.h"

#include "canvas/PaintPixelWriter.h"
#include "editing/FloodFill.h"

void CIconView::FloodFillAt(int x, int y, COLORREF colour)
{
    if (const IconGrid* grid = ActiveGrid(*this)) {
        PaintPixelWriter out(*this);
        editing::FloodFill(*grid, Side(), { x, y }, colour, out);
    }
}
