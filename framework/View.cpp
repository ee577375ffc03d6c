// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/View.h"

#include "framework/Bitmap.h"
#include "framework/DC.h"
#include "framework/Document.h"
#include "framework/QtColor.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <algorithm>

namespace {
QRect ToQRect(const CRect& rc) { return { rc.left, rc.top, rc.Width(), rc.Height() }; }
}

CView::CView(QWidget* parent)
    : QWidget(parent)
{
    // paintEvent covers every pixel from the screen image; Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::SetDocument(CDocument* doc)
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    m_pDocument = doc;
    if (doc)
        doc->AddView(this);
}

void CView::OnUpdate(CView*, long, void*) { Invalidate(true); }

void CView::OnDraw(CDC*) { }

void CView::OnEraseBkgnd(CDC* pDC)
{
    pDC->FillSolidRect(GetClientRect(), ToColorRef(palette().color(backgroundRole())));
}

void CView::Invalidate(bool bErase)
{
    m_bDrawPending = true;
    m_bErasePending = m_bErasePending || bErase;
    update();
}

void CView::UpdateWindow()
{
    DrawPending();
    if (isVisible())
        repaint();
}

const QImage& CView::ScreenImage() { return Screen(); }

QImage& CView::Screen()
{
    const QSize needed = size().expandedTo(m_screen.size());
    if (needed != m_screen.size() && !needed.isEmpty()) {
        QImage grown(needed, QImage::Format_RGB32);
        grown.fill(palette().color(backgroundRole()));
        if (!m_screen.isNull()) {
            QPainter painter(&grown);
            painter.drawImage(0, 0, m_screen);
        }
        m_screen = std::move(grown);
        m_bDrawPending = true;
        m_bErasePending = true;
    }
    WriteHeldChanges();
    return m_screen;
}

void CView::WriteHeldChanges()
{
    if (m_bWritingHeld)
        return;
    const QScopedValueRollback writing(m_bWritingHeld, true);
    // Shown together when the batch they were held in ends, like its other writes.
    const QScopedValueRollback batch(m_batchDepth, m_batchDepth + 1);
    OnWriteHeldChanges();
}

void CView::CopyToScreen(const QImage& image, const CRect& source, CPoint to)
{
    QImage& screen = Screen();
    // Clipped to the source first, then the part of it that lands on the screen.
    const CRect from = source.Intersected(CRect(0, 0, image.width(), image.height()));
    const CPoint shift(to.x - source.left, to.y - source.top);
    const CRect target = CRect(
        from.left + shift.x, from.top + shift.y, from.right + shift.x, from.bottom + shift.y)
                             .Intersected(CRect(0, 0, screen.width(), screen.height()));
    if (target.IsRectEmpty())
        return;
    const qsizetype stride = screen.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* row = reinterpret_cast<QRgb*>(screen.bits()) + target.top * stride + target.left;
    for (int y = target.top; y < target.bottom; ++y, row += stride) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y - shift.y));
        std::copy_n(pixels + target.left - shift.x, target.Width(), row);
    }
    ScreenChanged(target);
}

void CView::FillScreenRect(const CRect& rect, COLORREF colour)
{
    const CRect area = FillImageRect(Screen(), rect, ToQRgb(colour));
    if (!area.IsRectEmpty())
        ScreenChanged(area);
}

void CView::ScreenChanged(const CRect& rect)
{
    m_pendingShow = m_pendingShow.United(rect);
    if (m_batchDepth == 0)
        ShowPendingChanges();
}

void CView::ShowPendingChanges()
{
    if (!m_pendingShow.IsRectEmpty())
        update(ToQRect(m_pendingShow));
}

CView::ScreenBatch::ScreenBatch(CView* view)
    : m_view(view)
{
    ++view->m_batchDepth;
}

CView::ScreenBatch::~ScreenBatch()
{
    if (!m_view || --m_view->m_batchDepth > 0)
        return;
    m_view->WriteHeldChanges();
    m_view->ShowPendingChanges();
}

void CView::DrawPending()
{
    QImage& screen = Screen();
    if (!m_bDrawPending || screen.isNull())
        return;
    const bool erase = m_bErasePending;
    // Cleared first, so an Invalidate from within OnDraw asks for another paint.
    m_bDrawPending = false;
    m_bErasePending = false;
    CDC dc(&screen);
    if (erase)
        OnEraseBkgnd(&dc);
    OnDraw(&dc);
    update();
}

void CView::paintEvent(QPaintEvent* event)
{
    DrawPending();
    // A paint in the middle of a batch (a dialog's event loop) may cover less than the batch
    // has changed so far; what it leaves is asked for when the batch ends.
    if (m_batchDepth == 0)
        m_pendingShow = CRect();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_screen, event->rect());
}

bool CView::event(QEvent* event)
{
    // A paint shows what batches collected; one inside a batch would keep asking for itself.
    if (event->type() == QEvent::Paint)
        return QWidget::event(event);
    const ScreenBatch batch(this);
    return QWidget::event(event);
}
