// SPDX-License-Identifier: GPL-3.0-or-later
// Device context behaviour: colours, mix modes, dotted pens, clipping, fills, copies and text.
#include "PixelPicture.h"

#include "framework/DC.h"
#include "framework/QtColor.h"

#include <QFontDatabase>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A surface where neighbouring pixels all differ, so any misplaced write shows.
CBitmap NoiseBitmap(int width, int height)
{
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(width, height);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245 + 12345;
            bmp.SetPixel(x, y, (state >> 8) & 0xFFFFFF);
        }
    }
    return bmp;
}

TEST(Bitmap, ColourValuesKeepTheirChannelsOnTheSurface)
{
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(3, 2));
    EXPECT_EQ(bmp.GetPixel(2, 1), kBlack);
    bmp.SetPixel(1, 0, RGB(1, 2, 3));
    EXPECT_EQ(bmp.Image().pixel(1, 0), qRgb(1, 2, 3));
    EXPECT_EQ(bmp.GetPixel(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(bmp.GetPixel(3, 0), CLR_INVALID);
    EXPECT_EQ(bmp.GetPixel(0, -1), CLR_INVALID);
    bmp.SetPixel(5, 5, kWhite); // ignored
    EXPECT_FALSE(bmp.CreateCompatibleBitmap(0, 4));
    EXPECT_TRUE(bmp.IsNull());
}

TEST(DC, PixelsAndSolidFills)
{
    CBitmap bmp = WhiteBitmap(4, 3);
    CDC dc(&bmp);
    EXPECT_EQ(dc.SetPixel(0, 0, kRed), kRed);
    EXPECT_EQ(dc.SetPixel(4, 0, kRed), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(dc.GetPixel(-1, 0), CLR_INVALID);
    dc.FillSolidRect(CRect(1, 1, 9, 9), kGreen);
    EXPECT_EQ(Picture(bmp, kLegend),
        "r...\n"
        ".ggg\n"
        ".ggg\n");
    // A device context without a surface draws and reads nothing.
    CDC empty;
    EXPECT_EQ(empty.GetPixel(0, 0), CLR_INVALID);
    EXPECT_EQ(empty.SetPixel(0, 0, kRed), CLR_INVALID);
    EXPECT_TRUE(empty.Rectangle(0, 0, 3, 3));
    EXPECT_FALSE(empty.FloodFill(0, 0, kBlack));
}

TEST(DC, SelectReturnsThePreviousObjects)
{
    CBitmap a = WhiteBitmap(2, 2);
    CBitmap b = WhiteBitmap(2, 2);
    CDC dc(&a);
    EXPECT_EQ(dc.SelectObject(&b), &a);
    dc.SetPixel(0, 0, kRed);
    EXPECT_EQ(b.GetPixel(0, 0), kRed);
    EXPECT_EQ(a.GetPixel(0, 0), kWhite);
    const CPen old = dc.SelectObject(CPen(PS_DOT, 1, kRed));
    EXPECT_EQ(old.GetColor(), kBlack);
    EXPECT_EQ(old.GetStyle(), PS_SOLID);
    EXPECT_EQ(dc.SelectObject(CBrush::Hollow()).GetColor(), kWhite);
    EXPECT_EQ(dc.SetROP2(R2_NOTXORPEN), R2_COPYPEN);
    EXPECT_EQ(dc.SetROP2(99), 0);
    EXPECT_EQ(dc.GetROP2(), R2_NOTXORPEN);
}

TEST(DC, DottedPenAlternatesAlongEachFigure)
{
    CBitmap bmp = WhiteBitmap(8, 6);
    CDC dc(&bmp);
    dc.FillSolidRect(bmp.GetRect(), kGreen);
    dc.SelectObject(CPen(PS_DOT, 1, kBlack));
    dc.SelectObject(CBrush::Hollow());
    // Opaque background: the gaps get the white background colour.
    dc.Rectangle(0, 0, 5, 4);
    // Each line starts again with a dot.
    dc.MoveTo(0, 5);
    dc.LineTo(3, 5);
    dc.LineTo(8, 5);
    EXPECT_EQ(Picture(bmp, kLegend),
        "#.#.#ggg\n"
        ".ggg.ggg\n"
        "#ggg#ggg\n"
        ".#.#.ggg\n"
        "gggggggg\n"
        "#.##.#.#\n");
}

TEST(DC, DottedPenGapsStayWithATransparentBackground)
{
    CBitmap bmp = WhiteBitmap(6, 1);
    CDC dc(&bmp);
    dc.FillSolidRect(bmp.GetRect(), kGreen);
    dc.SelectObject(CPen(PS_DOT, 1, kRed));
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    dc.MoveTo(0, 0);
    dc.LineTo(6, 0);
    EXPECT_EQ(Picture(bmp, kLegend), "rgrgrg\n");
}

TEST(DC, NotXorInvertsUnderABlackPenAndKeepsUnderAWhiteBrush)
{
    CBitmap bmp = NoiseBitmap(6, 6);
    const QImage before = bmp.Image().copy();
    CDC dc(&bmp);
    dc.SetROP2(R2_NOTXORPEN);
    dc.Rectangle(0, 0, 6, 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const COLORREF old = ToColorRef(before.pixel(x, y));
            const bool ring = x == 0 || y == 0 || x == 5 || y == 5;
            EXPECT_EQ(bmp.GetPixel(x, y), ring ? (~old & 0xFFFFFF) : old) << x << "," << y;
        }
    }
}

// Any figure drawn twice in R2_NOTXORPEN restores every pixel: each figure writes each pixel
// exactly once, whatever its size, pen or brush.
TEST(DC, NotXorFigureDrawnTwiceRestoresTheSurface)
{
    const std::vector<std::pair<const char*, std::function<void(CDC&, const CRect&)>>> figures {
        { "rectangle", [](CDC& dc, const CRect& r) { dc.Rectangle(r); } },
        { "ellipse", [](CDC& dc, const CRect& r) { dc.Ellipse(r); } },
        { "line",
            [](CDC& dc, const CRect& r) {
                dc.MoveTo(r.left, r.top);
                dc.LineTo(r.right, r.bottom);
            } },
    };
    const std::vector<CPen> pens { CPen(), CPen(PS_DOT, 1, kBlack),
        CPen(PS_DOT, 1, RGB(10, 200, 30)), CPen(PS_NULL, 1, kBlack) };
    const std::vector<CBrush> brushes { CBrush(), CBrush(kRed), CBrush::Hollow() };
    for (const auto& [name, draw] : figures) {
        for (const CPen& pen : pens) {
            for (const CBrush& brush : brushes) {
                for (int w = 0; w <= 9; ++w) {
                    for (int h = 0; h <= 9; ++h) {
                        SCOPED_TRACE(testing::Message()
                            << name << " " << w << "x" << h << " pen " << pen.GetStyle()
                            << " brush " << brush.IsNull());
                        CBitmap bmp = NoiseBitmap(14, 14);
                        const QImage before = bmp.Image().copy();
                        CDC dc(&bmp);
                        dc.SetROP2(R2_NOTXORPEN);
                        dc.SelectObject(pen);
                        dc.SelectObject(brush);
                        // Part of each figure falls outside the clip and the surface.
                        dc.IntersectClipRect(1, 0, 14, 12);
                        const CRect box(10 - w, 10 - h, 10 + w, 10 + h);
                        draw(dc, box);
                        draw(dc, box);
                        ASSERT_EQ(bmp.Image(), before);
                    }
                }
            }
        }
    }
}

TEST(DC, ClipRectangleBoundsEveryWrite)
{
    CBitmap bmp = WhiteBitmap(10, 10);
    CDC dc(&bmp);
    dc.IntersectClipRect(CRect(2, 2, 8, 9));
    dc.IntersectClipRect(CRect(0, 3, 10, 10));
    EXPECT_EQ(dc.GetClipBox(), CRect(2, 3, 8, 9));
    dc.SelectObject(CBrush(kRed));
    dc.FillSolidRect(CRect(0, 0, 10, 10), kGreen);
    dc.Rectangle(0, 0, 10, 10);
    dc.Ellipse(-5, -5, 15, 15);
    dc.MoveTo(0, 0);
    dc.LineTo(10, 10);
    dc.SetPixel(1, 1, kBlack);
    dc.FloodFill(5, 5, kWhite);
    dc.TextOut(0, 0, QStringLiteral("WWWWWW"));
    CBitmap black;
    black.CreateCompatibleBitmap(10, 10);
    CDC src(&black);
    dc.BitBlt(0, 0, 10, 10, &src, 0, 0, SRCCOPY);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            if (!CRect(2, 3, 8, 9).PtInRect({ x, y })) {
                EXPECT_EQ(bmp.GetPixel(x, y), kWhite) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(bmp.GetPixel(5, 5), kBlack);
    EXPECT_EQ(dc.GetPixel(1, 1), CLR_INVALID);
    dc.ResetClip();
    EXPECT_EQ(dc.GetPixel(1, 1), kWhite);
    EXPECT_EQ(dc.GetClipBox(), bmp.GetRect());
}

TEST(DC, FloodFillIsFourConnectedAndStopsAtTheBoundary)
{
    CBitmap bmp = WhiteBitmap(5, 5);
    CDC dc(&bmp);
    for (int i = 0; i < 5; ++i)
        dc.SetPixel(i, i, kBlack);
    dc.SelectObject(CBrush(kRed));
    EXPECT_TRUE(dc.FloodFill(4, 0, kBlack));
    EXPECT_EQ(Picture(bmp, kLegend),
        "#rrrr\n"
        ".#rrr\n"
        "..#rr\n"
        "...#r\n"
        "....#\n");
    // Starting on the boundary colour fills nothing.
    EXPECT_FALSE(dc.FloodFill(2, 2, kBlack));
    // The surface kind fills only the seed's colour: the red area, not the white one.
    dc.SelectObject(CBrush(kGreen));
    EXPECT_FALSE(dc.ExtFloodFill(0, 4, kRed, FLOODFILLSURFACE));
    EXPECT_TRUE(dc.ExtFloodFill(1, 0, kRed, FLOODFILLSURFACE));
    EXPECT_EQ(Picture(bmp, kLegend),
        "#gggg\n"
        ".#ggg\n"
        "..#gg\n"
        "...#g\n"
        "....#\n");
}

TEST(DC, FloodFillCoversALargeWindingAreaWithoutRecursion)
{
    // A serpentine corridor through 192 x 192 pixels: the deepest possible fill.
    CBitmap bmp = WhiteBitmap(192, 192);
    CDC dc(&bmp);
    for (int y = 1; y < 192; y += 2) {
        const int gap = (y / 2) % 2 ? 0 : 191;
        dc.FillSolidRect(CRect(0, y, 192, y + 1), kBlack);
        dc.SetPixel(gap, y, kWhite);
    }
    dc.SelectObject(CBrush(kRed));
    ASSERT_TRUE(dc.ExtFloodFill(0, 0, kWhite, FLOODFILLSURFACE));
    int white = 0;
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 192; ++x)
            white += bmp.GetPixel(x, y) == kWhite;
    }
    EXPECT_EQ(white, 0);
}

TEST(DC, BlockCopies)
{
    CBitmap src = WhiteBitmap(3, 2);
    src.SetPixel(0, 0, kRed);
    src.SetPixel(2, 1, kGreen);
    CDC srcDC(&src);
    CBitmap dst = WhiteBitmap(6, 4);
    dst.Fill(kBlack);
    CDC dc(&dst);
    // Source pixels beyond the source surface leave the destination as it was.
    EXPECT_TRUE(dc.BitBlt(1, 1, 4, 2, &srcDC, 0, 0, SRCCOPY));
    EXPECT_EQ(Picture(dst, kLegend),
        "######\n"
        "#r..##\n"
        "#..g##\n"
        "######\n");
    EXPECT_TRUE(dc.StretchBlt(0, 0, 6, 4, &srcDC, 0, 0, 3, 2, SRCCOPY));
    EXPECT_EQ(Picture(dst, kLegend),
        "rr....\n"
        "rr....\n"
        "....gg\n"
        "....gg\n");
    // Overlapping copy within one surface: shift everything one pixel right.
    EXPECT_TRUE(dc.BitBlt(1, 0, 5, 4, &dc, 0, 0, SRCCOPY));
    EXPECT_EQ(Picture(dst, kLegend),
        "rrr...\n"
        "rrr...\n"
        ".....g\n"
        ".....g\n");
    EXPECT_TRUE(dc.BitBlt(0, 0, 2, 2, nullptr, 0, 0, WHITENESS));
    EXPECT_EQ(dst.GetPixel(1, 1), kWhite);
    EXPECT_FALSE(dc.BitBlt(0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(dc.BitBlt(0, 0, 0, 2, &srcDC, 0, 0, SRCCOPY));
}

TEST(DC, HugeFiguresAreRefused)
{
    CBitmap bmp = WhiteBitmap(4, 4);
    CDC dc(&bmp);
    EXPECT_FALSE(dc.Ellipse(-1000000, -1000000, 1000000, 1000000));
    EXPECT_FALSE(dc.Rectangle(INT_MIN, 0, INT_MAX, 3));
    dc.MoveTo(0, 0);
    EXPECT_FALSE(dc.LineTo(INT_MAX, 1));
    EXPECT_EQ(Picture(bmp, kLegend), "....\n....\n....\n....\n");
}

TEST(DC, TextPixelsAreOnlyTextOrBackgroundColour)
{
    CBitmap bmp = WhiteBitmap(60, 30);
    CDC dc(&bmp);
    dc.FillSolidRect(bmp.GetRect(), kGreen);
    dc.SelectObject(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    dc.SetTextColor(kRed);
    dc.SetBkMode(TRANSPARENT);
    ASSERT_TRUE(dc.TextOut(2, 2, QStringLiteral("Sg")));
    int text = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            const COLORREF c = bmp.GetPixel(x, y);
            ASSERT_TRUE(c == kRed || c == kGreen) << x << "," << y;
            text += c == kRed;
        }
    }
    EXPECT_GT(text, 10);

    // Opaque: the text cell takes the background colour, the glyphs the text colour.
    const CSize extent = dc.GetTextExtent(QStringLiteral("F"));
    ASSERT_GT(extent.cx, 0);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kWhite);
    dc.FillSolidRect(bmp.GetRect(), kGreen);
    dc.TextOut(5, 3, QStringLiteral("F"));
    int cellText = 0;
    for (int y = 3; y < 3 + extent.cy; ++y) {
        for (int x = 5; x < 5 + extent.cx; ++x) {
            const COLORREF c = bmp.GetPixel(x, y);
            ASSERT_TRUE(c == kRed || c == kWhite) << x << "," << y;
            cellText += c == kRed;
        }
    }
    EXPECT_GT(cellText, 3);
    EXPECT_EQ(bmp.GetPixel(4, 3), kGreen);
}

} // namespace
