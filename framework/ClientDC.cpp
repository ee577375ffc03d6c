// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ClientDC.h"

#include "framework/View.h"

CClientDC::CClientDC(CView* view)
    : CDC(&view->Screen())
    , m_pView(view)
{
}

void CClientDC::OnPixelsChanged(const CRect& rect) { m_pView->ScreenChanged(rect); }
