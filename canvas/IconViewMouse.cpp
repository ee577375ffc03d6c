// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse input: presses, drags and releases on the canvas reach the current tool (the tool
// table's entry for the current tool id; an id with no tool does nothing); presses beside it
// reach the swatches, the swap button and the previews.
#include "canvas/IconView.h"

#include "canvas/ToolTable.h"
#include "document/IconDoc.h"
#include "framework/ClientDC.h"
#include "framework/DC.h"
#include "framework/MDIFrameWnd.h"
#include "framework/Platform.h"
#include "resources/Menus.h"
#include "state/ToolState.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

unsigned FlagsOf(const QMouseEvent* event)
{
    unsigned flags = 0;
    if (event->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

CPoint PointOf(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return { p.x(), p.y() };
}

// Strictly inside: a press on a 1-pixel outline does not count.
bool StrictlyInside(const CRect& rect, CPoint p)
{
    return rect.left < p.x && p.x < rect.right && rect.top < p.y && p.y < rect.bottom;
}

constexpr COLORREF kMarkGrey = RGB(192, 192, 192);

} // namespace

bool CIconView::IsOnCanvas(CPoint point) const
{
    const int w = CellSize() * Side();
    const auto inside = [w](int v) { return v >= kCanvasOrigin && v < w + kCanvasOrigin; };
    return inside(point.x) && inside(point.y);
}

CPoint CIconView::PointToCell(CPoint point) const
{
    const int c = CellSize();
    return { (point.x - kCanvasOrigin) / c, (point.y - kCanvasOrigin) / c };
}

void CIconView::OnLButtonDown(unsigned flags, CPoint point)
{
    if (!IsOnCanvas(point)) {
        OnPanelClick(point);
        return;
    }
    m_pressCell = m_curCell = PointToCell(point);
    BeginStep();
    if (flags & MK_CONTROL) {
        // Ctrl picks the pen colour, Ctrl+Shift the fill colour; a transparent cell gives the
        // transparent value, so painting with it erases.
        const COLORREF picked = GetDocument()->m_pixels[std::size_t(m_nSize)][std::size_t(
            m_pressCell.x)][std::size_t(m_pressCell.y)];
        (flags & MK_SHIFT ? m_fillColor : m_penColor) = picked;
        Invalidate(false);
        return;
    }
    if (const Tool* tool = FindTool(toolState.currentTool))
        tool->Press(*this);
}

void CIconView::OnMouseMove(unsigned flags, CPoint point)
{
    if (!IsOnCanvas(point))
        return;
    ShowPositionMarks(point);
    if (!(flags & MK_LBUTTON) || (flags & (MK_SHIFT | MK_CONTROL)))
        return;
    const CPoint previous = m_curCell;
    m_curCell = PointToCell(point);
    if (const Tool* tool = FindTool(toolState.currentTool))
        tool->Drag(*this, previous);
}

void CIconView::OnLButtonUp(unsigned flags, CPoint point)
{
    // Off the canvas or with a modifier the operation is abandoned where it stands.
    if (!IsOnCanvas(point) || (flags & (MK_SHIFT | MK_CONTROL)))
        return;
    if (const Tool* tool = FindTool(toolState.currentTool)) {
        tool->Release(*this);
        if (!tool->UpdatesViewsOnRelease())
            return;
    }
    if (CIconDoc* doc = GetDocument())
        doc->UpdateAllViews(this, kRenderActiveImage);
}

void CIconView::DrawRubberBand(CPoint a, CPoint b)
{
    const int c = CellSize();
    const int w = c * Side();
    CClientDC dc(this);
    dc.IntersectClipRect(kCanvasOrigin, kCanvasOrigin, w + kCanvasOrigin, w + kCanvasOrigin);
    dc.SetROP2(R2_NOTXORPEN);
    dc.SelectObject(CPen(PS_DOT, 1, RGB(0, 0, 0)));
    if (const Tool* tool = FindTool(toolState.currentTool))
        tool->DrawBand(dc, a, b, c);
}

void CIconView::ShowPositionMarks(CPoint point)
{
    CClientDC dc(this);
    const auto marks = [&dc](CPoint p, COLORREF colour) {
        for (int i = 1; i <= 3; ++i) {
            dc.SetPixel(i, p.y, colour);
            dc.SetPixel(p.x, i, colour);
        }
    };
    if (m_lastCursor != CPoint(-1, -1))
        marks(m_lastCursor, kMarkGrey);
    m_lastCursor = point;
    marks(point, RGB(0, 0, 0));
}

void CIconView::OnPanelClick(CPoint point)
{
    if (StrictlyInside(m_rcPenSwatch, point) || StrictlyInside(m_rcFillSwatch, point)) {
        COLORREF& target = StrictlyInside(m_rcPenSwatch, point) ? m_penColor : m_fillColor;
        if (const std::optional<COLORREF> chosen = platform().ChooseColor(this, RGB(0, 0, 0))) {
            target = *chosen;
            Invalidate(true);
        }
        return;
    }
    if (StrictlyInside(m_rcSwap, point)) {
        std::swap(m_penColor, m_fillColor);
        Invalidate(false);
        return;
    }
    for (int s = 0; s < kImageCount; ++s) {
        if (StrictlyInside(m_rcPreview[std::size_t(s)], point) && s != m_nSize) {
            m_nSize = s;
            Invalidate(false);
            return;
        }
    }
}

void CIconView::OnContextMenu(CPoint point)
{
    if (point == CPoint(-1, -1)) {
        const QPoint corner = mapToGlobal(QPoint(kCanvasOrigin, kCanvasOrigin));
        point = CPoint(corner.x(), corner.y());
    }
    // The menu belongs to the main frame, so its commands are routed like any menu command
    // and reach this view first.
    auto* owner = dynamic_cast<CMDIFrameWnd*>(window());
    const Menu& resource = ContextMenu();
    if (!owner || resource.empty())
        return;
    QMenu menu(owner);
    owner->BuildMenu(&menu, resource.front().children);
    menu.exec(QPoint(point.x, point.y));
}

void CIconView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(FlagsOf(event), PointOf(event));
}

// The view does not capture the mouse, but Qt hands the pressed view every movement and the
// release wherever the pointer goes. What happens outside the view, or over another window
// covering it (a floating palette), is not over the view at all.
bool CIconView::IsUnderPointer(const QMouseEvent* event) const
{
    if (!rect().contains(event->position().toPoint()))
        return false;
    const QWidget* above = QApplication::topLevelAt(event->globalPosition().toPoint());
    return !above || above == window();
}

void CIconView::mouseMoveEvent(QMouseEvent* event)
{
    if (IsUnderPointer(event))
        OnMouseMove(FlagsOf(event), PointOf(event));
}

void CIconView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && IsUnderPointer(event))
        OnLButtonUp(FlagsOf(event), PointOf(event));
}

void CIconView::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint global = event->globalPos();
    OnContextMenu(event->reason() == QContextMenuEvent::Keyboard ? CPoint(-1, -1)
                                                                 : CPoint(global.x(), global.y()));
}
