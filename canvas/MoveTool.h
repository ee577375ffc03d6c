// SPDX-License-Identifier: GPL-3.0-or-later
// Move Selection: the selection's outline follows the drag and the selection takes its place
// at the release. Only the view's own command enters it (there must be a selection), and
// nothing in the image changes, so the other views are not asked to render again.
#pragma once

#include "canvas/IconView.h"
#include "canvas/Tool.h"
#include "framework/DC.h"

#include <algorithm>

class MoveTool final : public Tool {
public:
    void Press(CIconView& view) const override { view.BeginMove(); }
    void Drag(CIconView& view, CPoint /*previous*/) const override { view.MoveStep(); }
    void Release(CIconView& view) const override { view.EndMove(); }
    // Here a and b are the corners of a rectangle of cells; the band lies one pixel outside
    // its cells.
    void DrawBand(CDC& dc, CPoint a, CPoint b, int c) const override
    {
        dc.Rectangle(c * std::min(a.x, b.x) + 4, c * std::min(a.y, b.y) + 4,
            c * std::max(a.x, b.x) + 6, c * std::max(a.y, b.y) + 6);
    }
    bool UpdatesViewsOnRelease() const override { return false; }
    bool ChosenByTheFrame() const override { return false; }
};
