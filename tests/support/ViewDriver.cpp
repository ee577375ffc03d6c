// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ViewDriver.h"

#include "canvas/IconView.h"
#include "document/IconDoc.h"

#include <QApplication>
#include <QMouseEvent>

ViewDriver::ViewDriver(CIconView* view)
    : m_view(view)
{
}

void ViewDriver::Paint()
{
    QApplication::processEvents();
    for (int i = 0; i < 3; ++i)
        m_view->UpdateWindow();
}

CPoint ViewDriver::CellCentre(int x, int y) const
{
    const int c = m_view->CellSize();
    constexpr int o = CIconView::kCanvasOrigin;
    return { o + c * x + c / 2, o + c * y + c / 2 };
}

namespace {
void Send(CIconView* view, QEvent::Type type, CPoint p, Qt::MouseButton button,
    Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    const QPointF local(p.x, p.y);
    QMouseEvent event(type, local, view->mapToGlobal(local), button, buttons, mods);
    QApplication::sendEvent(view, &event);
}
}

void ViewDriver::Press(CPoint p, Qt::KeyboardModifiers mods)
{
    Send(m_view, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, mods);
}

void ViewDriver::Move(CPoint p, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    Send(m_view, QEvent::MouseMove, p, Qt::NoButton, buttons, mods);
}

void ViewDriver::Release(CPoint p, Qt::KeyboardModifiers mods)
{
    Send(m_view, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, mods);
}

void ViewDriver::Drag(std::initializer_list<CPoint> cells, Qt::KeyboardModifiers mods)
{
    const CPoint* cell = cells.begin();
    Press(CellCentre(cell->x, cell->y), mods);
    for (++cell; cell != cells.end(); ++cell)
        Move(CellCentre(cell->x, cell->y), Qt::LeftButton, mods);
    const CPoint last = *(cells.end() - 1);
    Release(CellCentre(last.x, last.y), mods);
}

COLORREF ViewDriver::Screen(int x, int y)
{
    const QRgb rgb = m_view->ScreenImage().pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

COLORREF ViewDriver::Cell(int x, int y) const
{
    return m_view->GetDocument()
        ->m_pixels[std::size_t(m_view->m_nSize)][std::size_t(x)][std::size_t(y)];
}
