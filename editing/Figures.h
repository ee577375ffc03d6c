// SPDX-License-Identifier: GPL-3.0-or-later
// The figure tools' cells: straight row and column lines, free lines, rectangles and ellipses
// (outlined or filled), their anti-aliased forms and the curved-edge frame. The cells are those
// the device context's rasteriser covers for the same figure, written column by column.
#pragma once

#include "document/IconTypes.h"
#include "editing/PixelWriter.h"

namespace editing {

enum class FigureShape { Rectangle, Ellipse };

struct FigureStyle {
    FigureShape shape = FigureShape::Rectangle;
    bool filled = false;
    // Ellipses only: rectangles are always drawn hard-edged.
    bool antiAlias = false;
};

struct FigureColours {
    COLORREF pen = 0;
    COLORREF fill = 0;
};

// The figure inscribed in box. Hard-edged, the outline's cells take the pen and (filled) the
// cells inside take the fill; only the cells of box as given are written, so an inverted box
// writes nothing. Anti-aliased, the figure is rasterised at twice the scale and each cell
// blended from its 2 x 2 coverage (see DrawFreeLine).
void DrawFigure(const IconGrid& grid, int side, const CRect& box, FigureStyle style,
    FigureColours colours, PixelWriter& out);

// The line from a through b, ending on b's cell. Anti-aliased, it is rasterised at twice the
// scale and blended twice over: each pass writes a covered cell as the mix of its present
// value (as the grid holds it when the cell is written) and the pen, weighted by its coverage.
// A cell covered by a filled figure's interior mixes fill and pen instead, and its present
// value plays no part.
void DrawFreeLine(const IconGrid& grid, int side, CPoint a, CPoint b, bool antiAlias, COLORREF pen,
    PixelWriter& out);

// The cells from a's to b's column on a's row, or from a's to b's row on a's column, left to
// right or top to bottom.
void DrawRowLine(CPoint a, CPoint b, COLORREF pen, PixelWriter& out);
void DrawColumnLine(CPoint a, CPoint b, COLORREF pen, PixelWriter& out);

// A black border round the image whose four corner cells are then made transparent, clockwise
// from the top-left, so the icon's corners look rounded.
void DrawCurvedFrame(const IconGrid& grid, int side, PixelWriter& out);

} // namespace editing
