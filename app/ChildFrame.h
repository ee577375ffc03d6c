// SPDX-License-Identifier: GPL-3.0-or-later
// CChildFrame: the fixed-size window of one icon document. It opens at (5, 5) with room for
// exactly the canvas panel, has a caption with the document name, a system menu and a
// minimize box, and cannot be resized or maximized.
#pragma once

#include "framework/MDIChildWnd.h"

class CChildFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    CChildFrame();

    CRect CalcFrameRect(const CRect& proposed) override;
    // The frame rectangle for a canvas side, with the given frame metrics.
    static CRect FrameRect(int canvas, int edge, int caption);
};
