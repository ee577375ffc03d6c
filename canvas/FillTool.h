// SPDX-License-Identifier: GPL-3.0-or-later
// The flood fill: the fill colour poured into the pressed cell's area, and again into the
// released cell's, each recorded in the history; a drag does nothing.
#pragma once

#include "canvas/IconView.h"
#include "canvas/Tool.h"

class FillTool final : public Tool {
public:
    void Press(CIconView& view) const override { Pour(view, view.m_pressCell); }
    void Release(CIconView& view) const override { Pour(view, view.m_curCell); }

private:
    static void Pour(CIconView& view, CPoint cell)
    {
        const RecordingScope recording(view.ActiveHistory());
        view.FloodFillAt(cell.x, cell.y, view.m_fillColor);
    }
};
