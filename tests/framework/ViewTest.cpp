// SPDX-License-Identifier: GPL-3.0-or-later
// The view's screen image: deferred OnDraw after Invalidate, immediate client drawing, and
// paint events that only show the image.
#include "PixelPicture.h"

#include "framework/ClientDC.h"
#include "framework/QtColor.h"
#include "framework/View.h"

#include <QApplication>
#include <QPaintEvent>
#include <gtest/gtest.h>

namespace {

class TestView : public CView {
public:
    TestView() { resize(40, 30); }

    int draws = 0;
    bool invalidateWhileDrawing = false;
    QRegion painted;

protected:
    void OnDraw(CDC* pDC) override
    {
        ++draws;
        pDC->FillSolidRect(CRect(0, 0, 10, 10), kRed);
        if (invalidateWhileDrawing) {
            invalidateWhileDrawing = false;
            Invalidate(false);
        }
    }
    void paintEvent(QPaintEvent* event) override
    {
        painted += event->region();
        CView::paintEvent(event);
    }
};

COLORREF ScreenPixel(CView& view, int x, int y)
{
    return ToColorRef(view.ScreenImage().pixel(x, y));
}

COLORREF WindowColour(const CView& view)
{
    return ToColorRef(view.palette().color(view.backgroundRole()));
}

TEST(ViewScreen, FirstPaintErasesAndDrawsOnce)
{
    TestView view;
    ASSERT_GE(view.ScreenImage().width(), 40);
    view.UpdateWindow();
    EXPECT_EQ(view.draws, 1);
    EXPECT_EQ(ScreenPixel(view, 5, 5), kRed);
    EXPECT_EQ(ScreenPixel(view, 20, 20), WindowColour(view));
    // Nothing pending: no further OnDraw.
    view.UpdateWindow();
    EXPECT_EQ(view.draws, 1);
}

TEST(ViewScreen, InvalidateWithAndWithoutErase)
{
    TestView view;
    view.UpdateWindow();
    {
        CClientDC dc(&view);
        dc.SetPixel(20, 20, kGreen);
    }
    view.Invalidate(false);
    EXPECT_EQ(view.draws, 1); // deferred to the next paint
    view.UpdateWindow();
    EXPECT_EQ(view.draws, 2);
    EXPECT_EQ(ScreenPixel(view, 20, 20), kGreen);
    view.Invalidate(true);
    view.Invalidate(false); // a requested erase is not lost
    view.UpdateWindow();
    EXPECT_EQ(view.draws, 3);
    EXPECT_EQ(ScreenPixel(view, 20, 20), WindowColour(view));
}

TEST(ViewScreen, InvalidateFromOnDrawWaitsForTheNextPaint)
{
    TestView view;
    view.invalidateWhileDrawing = true;
    view.UpdateWindow();
    EXPECT_EQ(view.draws, 1);
    view.UpdateWindow();
    EXPECT_EQ(view.draws, 2);
}

TEST(ViewScreen, ClientDrawingAppearsAtOnceAndTwoInvertingBandsCancel)
{
    TestView view;
    view.UpdateWindow();
    const QImage before = view.ScreenImage().copy();
    auto band = [&view] {
        CClientDC dc(&view);
        dc.IntersectClipRect(2, 2, 30, 25);
        dc.SetROP2(R2_NOTXORPEN);
        dc.SelectObject(CPen(PS_DOT, 1, kBlack));
        dc.Rectangle(4, 4, 35, 20);
    };
    band();
    EXPECT_EQ(ScreenPixel(view, 4, 4), RGB(0, 255, 255)); // inverted red
    EXPECT_EQ(view.draws, 1);
    band();
    EXPECT_EQ(view.ScreenImage(), before);
}

TEST(ViewScreen, PaintShowsTheImageWithoutRedrawing)
{
    TestView view;
    view.show();
    QApplication::processEvents();
    const int draws = view.draws;
    ASSERT_GE(draws, 1);
    view.painted = QRegion();
    {
        CClientDC dc(&view);
        dc.FillSolidRect(CRect(30, 20, 33, 22), kGreen);
    }
    QApplication::processEvents();
    EXPECT_EQ(view.draws, draws);
    EXPECT_TRUE(view.painted.contains(QRect(30, 20, 3, 2)));
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(31, 21), ToQRgb(kGreen));
    EXPECT_EQ(shown.pixel(5, 5), ToQRgb(kRed));
}

TEST(ViewScreen, GrowingKeepsTheImageAndRedrawsAtTheNextPaint)
{
    TestView view;
    view.UpdateWindow();
    {
        CClientDC dc(&view);
        dc.SetPixel(39, 29, kGreen);
    }
    view.resize(60, 50);
    EXPECT_GE(view.ScreenImage().width(), 60);
    EXPECT_GE(view.ScreenImage().height(), 50);
    EXPECT_EQ(ScreenPixel(view, 39, 29), kGreen);
    view.UpdateWindow();
    EXPECT_EQ(view.draws, 2);
    EXPECT_EQ(ScreenPixel(view, 55, 45), WindowColour(view));
}

} // namespace
