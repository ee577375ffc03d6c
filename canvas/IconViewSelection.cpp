// SPDX-License-Identifier: GPL-3.0-or-later
// The selection of each image: drawn by the selector, moved by the Move Selection tool,
// removed by Unselect, and shown as a dotted marquee one pixel outside its cells.
#include "canvas/IconView.h"

#include "framework/ClientDC.h"
#include "framework/DC.h"
#include "resources/Resource.h"
#include "state/ToolState.h"

CRect CIconView::Selection() const
{
    const std::size_t s = std::size_t(m_nSize);
    return { m_selTopLeft[s].x, m_selTopLeft[s].y, m_selBottomRight[s].x, m_selBottomRight[s].y };
}

void CIconView::SetSelection(const CRect& rect)
{
    const std::size_t s = std::size_t(m_nSize);
    m_selTopLeft[s] = rect.TopLeft();
    m_selBottomRight[s] = rect.BottomRight();
}

bool CIconView::HasSelection() const { return Selection() != CRect(0, 0, Side(), Side()); }

void CIconView::DrawSelectionMarquee()
{
    const int c = CellSize();
    const int w = c * Side();
    const CRect sel = Selection();
    CClientDC dc(this);
    dc.IntersectClipRect(kCanvasOrigin, kCanvasOrigin, w + kCanvasOrigin, w + kCanvasOrigin);
    dc.SelectObject(CPen(PS_DOT, 1, RGB(0, 0, 0)));
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(c * sel.left + 4, c * sel.top + 4, c * sel.right + 6, c * sel.bottom + 6);
}

void CIconView::OnEditUnselect()
{
    SetSelection(CRect(0, 0, Side(), Side()));
    Invalidate(false);
}

void CIconView::OnUpdateEditUnselect(CCmdUI* pCmdUI) { pCmdUI->Enable(HasSelection()); }

void CIconView::OnMoveSelection()
{
    if (!HasSelection())
        return;
    toolState.currentTool = ID_MOVE_SELECTION;
    Invalidate(false);
    DrawSelectionMarquee();
}

void CIconView::OnUpdateMoveSelection(CCmdUI* pCmdUI)
{
    if (!HasSelection()) {
        pCmdUI->Enable(false);
        pCmdUI->SetCheck(0);
        // Nothing to move: the tool gives way to the selector.
        if (toolState.currentTool == ID_MOVE_SELECTION)
            toolState.currentTool = ID_TOOL_SELECTOR;
        return;
    }
    pCmdUI->Enable(true);
    pCmdUI->SetCheck(toolState.currentTool == ID_MOVE_SELECTION ? 1 : 0);
}

void CIconView::BeginMove()
{
    m_moveStartRect = m_moveRect = Selection();
    DrawRubberBand(m_moveRect.TopLeft(), m_moveRect.BottomRight());
}

void CIconView::MoveStep()
{
    DrawRubberBand(m_moveRect.TopLeft(), m_moveRect.BottomRight());
    // The offset is bounded so the rectangle keeps its size and stays inside the image.
    const int n = Side();
    const int dx
        = std::clamp(m_curCell.x - m_pressCell.x, -m_moveStartRect.left, n - m_moveStartRect.right);
    const int dy
        = std::clamp(m_curCell.y - m_pressCell.y, -m_moveStartRect.top, n - m_moveStartRect.bottom);
    m_moveRect = CRect(m_moveStartRect.left + dx, m_moveStartRect.top + dy,
        m_moveStartRect.right + dx, m_moveStartRect.bottom + dy);
    DrawRubberBand(m_moveRect.TopLeft(), m_moveRect.BottomRight());
}

void CIconView::EndMove()
{
    DrawRubberBand(m_moveRect.TopLeft(), m_moveRect.BottomRight());
    SetSelection(m_moveRect);
    Invalidate(false);
    DrawSelectionMarquee();
}
