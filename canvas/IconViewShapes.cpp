// SPDX-License-Identifier: GPL-3.0-or-later
// The figure tools: each passes the drag's cells, the pen and fill colours and the anti-alias
// switch to the figure operations, which write through PaintPixel.
#include "canvas/IconView.h"

#include "canvas/PaintPixelWriter.h"
#include "editing/Figures.h"
#include "resources/Resource.h"
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

void CIconView::DrawShape()
{
    const CPoint a = m_pressCell;
    const CPoint b = m_curCell;
    if (a == b)
        return;
    const CRect box(
        std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
    switch (toolState.currentTool) {
    case ID_TOOL_LINE:
        DrawLine(a, b);
        break;
    case ID_TOOL_STRAIGHT_LINE_H:
        DrawRowLine(a, b);
        break;
    case ID_TOOL_STRAIGHT_LINE_V:
        DrawColumnLine(a, b);
        break;
    case ID_TOOL_RECTANGLE:
        DrawRectangle(box.left, box.top, box.right, box.bottom);
        break;
    case ID_TOOL_FILLED_RECTANGLE:
        DrawFilledRectangle(box.left, box.top, box.right, box.bottom);
        break;
    case ID_TOOL_ELLIPSE:
        DrawEllipse(box.left, box.top, box.right, box.bottom);
        break;
    case ID_TOOL_FILLED_ELLIPSE:
        DrawFilledEllipse(box.left, box.top, box.right, box.bottom);
        break;
    case ID_TOOL_SELECTOR:
        SetSelection(box);
        toolState.currentTool = toolState.previousTool;
        Invalidate(true);
        break;
    default:
        break;
    }
}

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
