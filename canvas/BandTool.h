// SPDX-License-Identifier: GPL-3.0-or-later
// A tool that drags a rubber band from the pressed cell to the pointer's cell: the shapes and
// the selector. The band is drawn at the press and drawn twice at each step of the drag, once
// where it was (which takes it away) and once where it now is; the release takes it away
// again before the tool does its work.
#pragma once

#include "canvas/IconView.h"
#include "canvas/Tool.h"
#include "framework/DC.h"

#include <algorithm>

class BandTool : public Tool {
public:
    // A band figure between the pixel centres of the two cells.
    using Band = void (*)(CDC& dc, CPoint from, CPoint to);

    explicit constexpr BandTool(Band band)
        : m_band(band)
    {
    }

    void Press(CIconView& view) const override
    {
        view.DrawRubberBand(view.m_pressCell, view.m_pressCell);
    }
    void Drag(CIconView& view, CPoint previous) const override
    {
        view.DrawRubberBand(view.m_pressCell, previous);
        view.DrawRubberBand(view.m_pressCell, view.m_curCell);
    }
    void DrawBand(CDC& dc, CPoint a, CPoint b, int cellSize) const override
    {
        const auto centre = [cellSize](CPoint cell) {
            return CPoint(cellSize * cell.x + cellSize / 2 + CIconView::kCanvasOrigin,
                cellSize * cell.y + cellSize / 2 + CIconView::kCanvasOrigin);
        };
        m_band(dc, centre(a), centre(b));
    }

    // The default white brush leaves closed figures' interiors unchanged in the band's mix
    // mode.
    static void RectangleBand(CDC& dc, CPoint from, CPoint to)
    {
        dc.Rectangle(from.x, from.y, to.x, to.y);
    }
    static void EllipseBand(CDC& dc, CPoint from, CPoint to)
    {
        dc.Ellipse(from.x, from.y, to.x, to.y);
    }
    static void LineBand(CDC& dc, CPoint from, CPoint to)
    {
        dc.MoveTo(from);
        dc.LineTo(to);
    }
    // Straight lines stay on the pressed cell's row or column.
    static void RowLineBand(CDC& dc, CPoint from, CPoint to)
    {
        dc.MoveTo(from);
        dc.LineTo(to.x, from.y);
    }
    static void ColumnLineBand(CDC& dc, CPoint from, CPoint to)
    {
        dc.MoveTo(from);
        dc.LineTo(from.x, to.y);
    }

protected:
    // The cells of the rectangle with corner cells a and b, both included.
    static CRect CellBox(CPoint a, CPoint b)
    {
        return { std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
            std::max(a.y, b.y) + 1 };
    }

private:
    Band m_band;
};
