// SPDX-License-Identifier: GPL-3.0-or-later
// The brush-like tools: brush, eraser, darken and lighten. Each applies its action to the
// pen's footprint at the pressed cell, at every cell the drag reaches and at the released
// cell, every dab recorded in the history; they differ only by the action.
#pragma once

#include "canvas/IconView.h"
#include "canvas/Tool.h"
#include "state/BrushStrengths.h"

class BrushLikeTool final : public Tool {
public:
    using Action = void (*)(CIconView& view, CPoint cell);

    explicit constexpr BrushLikeTool(Action action)
        : m_action(action)
    {
    }

    void Press(CIconView& view) const override { Dab(view, view.m_pressCell); }
    void Drag(CIconView& view, CPoint /*previous*/) const override { Dab(view, view.m_curCell); }
    void Release(CIconView& view) const override { Dab(view, view.m_curCell); }
    bool UsesPenSizes() const override { return true; }

    static void Paint(CIconView& view, CPoint cell)
    {
        view.PaintFootprint(cell.x, cell.y, view.m_penColor);
    }
    static void Erase(CIconView& view, CPoint cell)
    {
        view.PaintFootprint(cell.x, cell.y, ICON_TRANSPARENT);
    }
    static void Darken(CIconView& view, CPoint cell)
    {
        view.ShadeFootprint(
            cell.x, cell.y, -DensityBrushAmount(brushStrengths.densityBrushStrength));
    }
    static void Lighten(CIconView& view, CPoint cell)
    {
        view.ShadeFootprint(
            cell.x, cell.y, DensityBrushAmount(brushStrengths.densityBrushStrength));
    }

private:
    void Dab(CIconView& view, CPoint cell) const
    {
        const RecordingScope recording(view.ActiveHistory());
        m_action(view, cell);
    }

    Action m_action;
};
