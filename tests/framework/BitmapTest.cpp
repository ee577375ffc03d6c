// SPDX-License-Identifier: GPL-3.0-or-later
// Surfaces that remember what was drawn on them since their last fill, and block copies: both
// checked against plain per-pixel models on random input.
#include "PixelPicture.h"

#include "framework/DC.h"
#include "framework/QtColor.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Every pixel of the bitmap holds colour; the first one that does not is reported.
testing::AssertionResult AllPixels(const CBitmap& bmp, COLORREF colour)
{
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.GetPixel(x, y) != colour)
                return testing::AssertionFailure()
                    << "pixel " << x << "," << y << " is " << std::hex << bmp.GetPixel(x, y);
    return testing::AssertionSuccess();
}

// One random drawing call of any kind, anywhere (partly outside the surface too).
void DrawSomething(std::mt19937& rng, CBitmap& bmp, CDC& dc, const CBitmap& source)
{
    std::uniform_int_distribution<int> coordinate(-6, 30);
    std::uniform_int_distribution<int> kind(0, 11);
    const int x = coordinate(rng);
    const int y = coordinate(rng);
    const int x2 = coordinate(rng);
    const int y2 = coordinate(rng);
    const COLORREF colour = RGB(rng() % 256, rng() % 256, rng() % 256);
    dc.SelectObject(CBrush(colour));
    dc.SelectObject(CPen(PS_DOT, 1, colour ^ 0xFFFFFF));
    dc.SetROP2(rng() % 2 ? R2_COPYPEN : R2_NOTXORPEN);
    CDC sourceDC(const_cast<CBitmap*>(&source));
    switch (kind(rng)) {
    case 0:
        dc.SetPixel(x, y, colour);
        break;
    case 1:
        dc.FillSolidRect(CRect(x, y, x2, y2), colour);
        break;
    case 2:
        dc.Rectangle(x, y, x2, y2);
        break;
    case 3:
        dc.Ellipse(x, y, x2, y2);
        break;
    case 4:
        dc.MoveTo(x, y);
        dc.LineTo(x2, y2);
        break;
    case 5:
        dc.ExtFloodFill(x, y, dc.GetPixel(x, y), FLOODFILLSURFACE);
        break;
    case 6:
        dc.StretchBlt(x, y, 1 + x2 % 9, 1 + y2 % 9, &sourceDC, 0, 0, 5, 3, SRCCOPY);
        break;
    case 7:
        dc.TextOut(x, y, QStringLiteral("Wg"));
        break;
    case 8:
        bmp.SetPixel(x, y, colour);
        break;
    case 9:
        bmp.FillRect(CRect(x, y, x2, y2), colour);
        break;
    case 10:
        if (QRgb* row = bmp.WriteRow(y))
            row[std::size_t(x2 & 15)] = ToQRgb(colour);
        break;
    default: {
        // A clipped device context writes only inside its clip box.
        CDC clipped(&bmp);
        clipped.IntersectClipRect(x, y, x2, y2);
        clipped.FillSolidRect(bmp.GetRect(), colour);
        break;
    }
    }
}

TEST(Bitmap, FillCoversEverythingDrawnSinceTheLastFill)
{
    std::mt19937 rng(20261209);
    CBitmap source;
    ASSERT_TRUE(source.CreateCompatibleBitmap(5, 3));
    source.FillRect(CRect(1, 0, 4, 2), kRed);
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(24, 20));
    for (int round = 0; round < 400; ++round) {
        // Either colour in turn: a fill in the colour the surface already has, and a change.
        const COLORREF background = round % 3 == 0 ? kGreen : kWhite;
        {
            CDC dc(&bmp);
            const int calls = 1 + int(rng() % 4);
            for (int i = 0; i < calls; ++i)
                DrawSomething(rng, bmp, dc, source);
            if (round % 2 == 0) {
                dc.FillSolidRect(bmp.GetRect(), background);
                ASSERT_TRUE(AllPixels(bmp, background)) << "round " << round;
                continue;
            }
        }
        bmp.Fill(background);
        ASSERT_TRUE(AllPixels(bmp, background)) << "round " << round;
    }
}

TEST(Bitmap, DirectAccessMakesEveryLaterFillComplete)
{
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(6, 4));
    bmp.Fill(kWhite);
    QImage& image = bmp.Image();
    bmp.Fill(kWhite);
    image.setPixel(5, 3, qRgb(1, 2, 3)); // unseen by the bitmap
    bmp.Fill(kWhite);
    EXPECT_TRUE(AllPixels(bmp, kWhite));
    // A copy shares nothing it could write behind the original's back.
    CBitmap copy = bmp;
    CDC(&copy).SetPixel(0, 0, kRed);
    EXPECT_TRUE(AllPixels(bmp, kWhite));
    copy.Fill(kWhite);
    EXPECT_TRUE(AllPixels(copy, kWhite));
}

TEST(Bitmap, PixelWritesNeverReachAnImageThatSharedThePixels)
{
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(6, 4));
    bmp.Fill(kWhite);
    bmp.SetPixel(0, 0, kRed); // the bitmap now keeps where its pixels are
    const QImage taken = bmp.Image();
    bmp.SetPixel(1, 0, kRed);
    bmp.FillRect(CRect(2, 0, 4, 2), kRed);
    EXPECT_EQ(taken.pixel(1, 0), ToQRgb(kWhite));
    EXPECT_EQ(taken.pixel(3, 1), ToQRgb(kWhite));
    // A device context that draws while the pixels are shared moves them: later writes follow.
    const QImage second = bmp.Image();
    {
        CDC dc(&bmp);
        dc.SetPixel(5, 3, kGreen);
    }
    bmp.SetPixel(4, 3, kGreen);
    EXPECT_EQ(second.pixel(4, 3), ToQRgb(kWhite));
    EXPECT_EQ(bmp.GetPixel(4, 3), kGreen);
    EXPECT_EQ(bmp.GetPixel(5, 3), kGreen);
    EXPECT_EQ(bmp.GetPixel(3, 1), kRed);
}

// The destination pixel takes the source pixel under its centre; outside the source or the
// destination nothing changes.
QImage ModelStretch(QImage dst, const QImage& src, const CRect& to, const CRect& from)
{
    for (int dy = std::max(0, to.top); dy < std::min(dst.height(), to.bottom); ++dy) {
        for (int dx = std::max(0, to.left); dx < std::min(dst.width(), to.right); ++dx) {
            const int sx = from.left
                + int((2 * qint64(dx - to.left) + 1) * from.Width() / (2 * qint64(to.Width())));
            const int sy = from.top
                + int((2 * qint64(dy - to.top) + 1) * from.Height() / (2 * qint64(to.Height())));
            if (src.valid(sx, sy))
                dst.setPixel(dx, dy, src.pixel(sx, sy));
        }
    }
    return dst;
}

TEST(DC, BlockCopiesMatchCentreSamplingAtAnyOffset)
{
    std::mt19937 rng(7);
    CBitmap src;
    ASSERT_TRUE(src.CreateCompatibleBitmap(9, 7));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            src.SetPixel(x, y, RGB(x * 20, y * 30, 200));
    CDC srcDC(&src);
    std::uniform_int_distribution<int> offset(-12, 14);
    std::uniform_int_distribution<int> size(1, 16);
    for (int round = 0; round < 500; ++round) {
        CBitmap dst;
        ASSERT_TRUE(dst.CreateCompatibleBitmap(12, 10));
        const CRect to(offset(rng), offset(rng), 0, 0);
        const CRect target(to.left, to.top, to.left + size(rng), to.top + size(rng));
        const bool stretched = round % 2 != 0;
        const int xSrc = offset(rng);
        const int ySrc = offset(rng);
        const CRect from(xSrc, ySrc, xSrc + (stretched ? size(rng) : target.Width()),
            ySrc + (stretched ? size(rng) : target.Height()));
        const QImage expected = ModelStretch(dst.Image().copy(), src.Image(), target, from);
        CDC dc(&dst);
        ASSERT_TRUE(dc.StretchBlt(target.left, target.top, target.Width(), target.Height(), &srcDC,
            from.left, from.top, from.Width(), from.Height(), SRCCOPY));
        ASSERT_EQ(dst.Image(), expected) << "round " << round;
    }
}

} // namespace
