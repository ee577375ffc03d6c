// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing tool: what a press, a drag and a release on the canvas do while it is the current
// tool, the rubber band it shows, and the few questions the view and the frame ask about it.
// Tools hold no state of their own: the press and current cells, the colours and the history
// are the view's, so one object serves every view.
#pragma once

#include "framework/Types.h"

class CDC;
class CIconView;

class Tool {
public:
    virtual ~Tool() = default;

    // The left button went down on view.m_pressCell (already noted as the current cell too).
    virtual void Press(CIconView& view) const = 0;
    // The pointer moved with the button down from the cell previous to view.m_curCell.
    virtual void Drag(CIconView& /*view*/, CPoint /*previous*/) const { }
    // The button came up on view.m_curCell.
    virtual void Release(CIconView& view) const = 0;
    // Draws the tool's rubber band between cells a and b on dc, a canvas of cellSize pixels
    // a cell, clipped and in the mix mode that makes a second draw take the band away.
    virtual void DrawBand(CDC& /*dc*/, CPoint /*a*/, CPoint /*b*/, int /*cellSize*/) const { }

    // The pen sizes shape what it paints, so their buttons are enabled while it is current.
    virtual bool UsesPenSizes() const { return false; }
    // After a release the document's other views render the active image again.
    virtual bool UpdatesViewsOnRelease() const { return true; }
    // Its command makes it the current tool, whatever the view; a tool entered by a command
    // of the view instead (moving a selection needs one) returns false.
    virtual bool ChosenByTheFrame() const { return true; }
    // Choosing it remembers the tool it replaces, to return to once it has done its work.
    virtual bool RemembersPreviousTool() const { return false; }
};
