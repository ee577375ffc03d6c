// SPDX-License-Identifier: GPL-3.0-or-later
// The rectangle selector: the box of cells between the pressed and the released cell becomes
// the selection, and the tool chosen before the selector is current again. A release on the
// pressed cell selects nothing and keeps the selector.
#pragma once

#include "canvas/BandTool.h"
#include "state/ToolState.h"

class SelectorTool final : public BandTool {
public:
    constexpr SelectorTool()
        : BandTool(RectangleBand)
    {
    }

    void Release(CIconView& view) const override
    {
        view.DrawRubberBand(view.m_pressCell, view.m_curCell);
        if (view.m_pressCell == view.m_curCell)
            return;
        view.SetSelection(CellBox(view.m_pressCell, view.m_curCell));
        toolState.currentTool = toolState.previousTool;
        view.Invalidate(true);
    }
    bool RemembersPreviousTool() const override { return true; }
};
