// SPDX-License-Identifier: GPL-3.0-or-later
// The figure tools: lines, straight lines, rectangles and ellipses. The release draws the
// figure between the pressed and the released cell into the image, recorded in the history
// together with the band's last draw; a release on the pressed cell draws nothing. They
// differ only by their band and their figure.
#pragma once

#include "canvas/BandTool.h"

class ShapeTool final : public BandTool {
public:
    using Figure = void (*)(CIconView& view, CPoint from, CPoint to);

    constexpr ShapeTool(Band band, Figure figure)
        : BandTool(band)
        , m_figure(figure)
    {
    }

    void Release(CIconView& view) const override
    {
        const RecordingScope recording(view.ActiveHistory());
        view.DrawRubberBand(view.m_pressCell, view.m_curCell);
        if (view.m_pressCell != view.m_curCell)
            m_figure(view, view.m_pressCell, view.m_curCell);
    }

    // A figure drawn from one cell to the other.
    template <void (CIconView::*Draw)(CPoint, CPoint)>
    static void Between(CIconView& view, CPoint from, CPoint to)
    {
        (view.*Draw)(from, to);
    }
    // A figure drawn in the box of cells the two corner cells span.
    template <void (CIconView::*Draw)(int, int, int, int)>
    static void Boxed(CIconView& view, CPoint from, CPoint to)
    {
        const CRect box = CellBox(from, to);
        (view.*Draw)(box.left, box.top, box.right, box.bottom);
    }

private:
    Figure m_figure;
};
