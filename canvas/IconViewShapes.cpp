// SPDX-License-Identifier: GPL-3.0-or-later
// The figure tools: each passes the drag's cells, the pen and fill colours and the anti-alias
// switch to the figure operations, which write through PaintPixel.
#include "canvas/IconView.h"

#include "canvas/PaintPixelWriter.h"
#include "editing/Figures.h"
#include "state/ToolState.h"

namespace {

void DrawBoxFigure(CIconView& view, const CRect& box, editing::FigureShape shape, bool filled)
{
    const IconGrid* grid = ActiveGrid(view);
    if (!grid)
        return;
    PaintPixelWriter out(view);
    editing::DrawFigure(*grid, view.Side(), box, { shape, filled, toolState.antiAlias != 0 },
        { view.m_penColor, view.m_fillColor }, out);
}

} // namespace

void CIconView::DrawRowLine(CPoint a, CPoint b)
{
    PaintPixelWriter out(*this);
    editing::DrawRowLine(a, b, m_penColor, out);
}

void CIconView::DrawColumnLine(CPoint a, CPoint b)
{
    PaintPixelWriter out(*this);
    editing::DrawColumnLine(a, b, m_penColor, out);
}

void CIconView::DrawRectangle(int left, int top, int right, int bottom)
{
    DrawBoxFigure(*this, CRect(left, top, right, bottom), editing::FigureShape::Rectangle, false);
}

void CIconView::DrawFilledRectangle(int left, int top, int right, int bottom)
{
    DrawBoxFigure(*this, CRect(left, top, right, bottom), editing::FigureShape::Rectangle, true);
}

void CIconView::DrawEllipse(int left, int top, int right, int bottom)
{
    DrawBoxFigure(*this, CRect(left, top, right, bottom), editing::FigureShape::Ellipse, false);
}

void CIconView::DrawFilledEllipse(int left, int top, int right, int bottom)
{
    DrawBoxFigure(*this, CRect(left, top, right, bottom), editing::FigureShape::Ellipse, true);
}

void CIconView::DrawLine(CPoint a, CPoint b)
{
    if (const IconGrid* grid = ActiveGrid(*this)) {
        PaintPixelWriter out(*this);
        editing::DrawFreeLine(*grid, Side(), a, b, toolState.antiAlias != 0, m_penColor, out);
    }
}
