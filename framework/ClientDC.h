// SPDX-License-Identifier: GPL-3.0-or-later
// CClientDC: a device context on a view's client area. It draws into the view's screen image
// at once and has the touched part shown at the next repaint, without running OnDraw.
#pragma once

#include "framework/DC.h"

class CView;

class CClientDC : public CDC {
public:
    explicit CClientDC(CView* view);

protected:
    void OnPixelsChanged(const CRect& rect) override;

private:
    CView* m_pView;
};
