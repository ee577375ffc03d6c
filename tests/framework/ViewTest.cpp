// SPDX-License-Identifier: GPL-3.0-or-later
// The view's screen image: deferred OnDraw after Invalidate, immediate client drawing, and
// paint events that only show the image.
#include "PixelPicture.h"

#include "framework/ClientDC.h"
#include "framework/QtColor.h"
#include "framework/View.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class TestView : public CView {
public:
    TestView() { resize(40, 30); }

    int draws = 0;
    bool invalidateWhileDrawing = false;
    QRegion painted;
    // Run by a mouse press, as a tool's drawing would be.
    std::function<void()> onPress;

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
    void mousePressEvent(QMouseEvent*) override
    {
        if (onPress)
            onPress();
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

void FillOnScreen(CView& view, const CRect& rect)
{
    CClientDC dc(&view);
    dc.FillSolidRect(rect, kGreen);
}

// A shown view that has had its first paint and nothing pending.
class BatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        view.show();
        // A first paint asks for a second one, which Qt delivers a little later.
        for (int quiet = 0, round = 0; quiet < 3 && round < 100; ++round) {
            view.painted = QRegion();
            QTest::qWait(5);
            quiet = view.painted.isEmpty() ? quiet + 1 : 0;
        }
        view.painted = QRegion();
    }
    TestView view;
};

TEST_F(BatchTest, WritesLandAtOnceAndAreShownInOneRepaintWhenTheOutermostBatchEnds)
{
    {
        const CView::ScreenBatch outer(&view);
        {
            const CView::ScreenBatch inner(&view);
            FillOnScreen(view, CRect(2, 20, 4, 22));
        }
        FillOnScreen(view, CRect(30, 24, 32, 26));
        EXPECT_EQ(ScreenPixel(view, 3, 21), kGreen); // readable at once
        QApplication::processEvents();
        EXPECT_TRUE(view.painted.isEmpty()); // but not yet asked for, not even by the inner one
    }
    QApplication::processEvents();
    // The bounding box of both writes, between them too.
    EXPECT_TRUE(view.painted.contains(QRect(2, 20, 30, 6)));
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(31, 25), ToQRgb(kGreen));
}

TEST_F(BatchTest, APaintInsideABatchDoesNotSwallowWhatItDidNotCover)
{
    {
        const CView::ScreenBatch batch(&view);
        FillOnScreen(view, CRect(30, 20, 33, 22));
        view.repaint(QRect(0, 0, 4, 4)); // a dialog's event loop paints another part
        view.painted = QRegion();
    }
    QApplication::processEvents();
    EXPECT_TRUE(view.painted.contains(QRect(30, 20, 3, 2)));
}

TEST_F(BatchTest, EveryEventRunsInABatch)
{
    bool paintedDuringPress = true;
    view.onPress = [this, &paintedDuringPress] {
        FillOnScreen(view, CRect(30, 20, 33, 22));
        QApplication::processEvents();
        paintedDuringPress = view.painted.contains(QRect(30, 20, 3, 2));
    };
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), view.mapToGlobal(QPointF(5, 5)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &press);
    EXPECT_FALSE(paintedDuringPress);
    QApplication::processEvents();
    EXPECT_TRUE(view.painted.contains(QRect(30, 20, 3, 2)));
}

TEST(ViewScreenBatch, AViewClosedInsideABatchIsLeftAlone)
{
    auto* view = new TestView;
    const CView::ScreenBatch batch(view);
    FillOnScreen(*view, CRect(1, 1, 3, 3));
    delete view; // the batch's end must not touch it (ASan reports if it does)
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
