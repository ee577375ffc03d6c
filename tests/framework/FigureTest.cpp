// SPDX-License-Identifier: GPL-3.0-or-later
// Exact pixels of the figures: rectangles, ellipses and lines.
#include "PixelPicture.h"

#include "framework/DC.h"
#include "framework/Raster.h"

#include <gtest/gtest.h>
#include <set>

namespace {

std::string DrawRect(int w, int h, const CRect& box, const CBrush& brush, const CPen& pen = {})
{
    CBitmap bmp = WhiteBitmap(w, h);
    CDC dc(&bmp);
    dc.SelectObject(pen);
    dc.SelectObject(brush);
    EXPECT_TRUE(dc.Rectangle(box));
    return Picture(bmp, kLegend);
}

std::string DrawEllipse(int w, int h, const CRect& box, const CBrush& brush = CBrush(kRed))
{
    CBitmap bmp = WhiteBitmap(w, h);
    CDC dc(&bmp);
    dc.SelectObject(brush);
    EXPECT_TRUE(dc.Ellipse(box));
    return Picture(bmp, kLegend);
}

TEST(Rectangle, PenRingInsideTheBoxAndBrushWithin)
{
    EXPECT_EQ(DrawRect(6, 5, { 1, 1, 5, 4 }, CBrush(kRed)),
        "......\n"
        ".####.\n"
        ".#rr#.\n"
        ".####.\n"
        "......\n");
    // Reversed corners give the same box.
    EXPECT_EQ(
        DrawRect(6, 5, { 5, 4, 1, 1 }, CBrush(kRed)), DrawRect(6, 5, { 1, 1, 5, 4 }, CBrush(kRed)));
    // A hollow brush leaves the inside alone.
    EXPECT_EQ(DrawRect(5, 5, { 0, 0, 5, 5 }, CBrush::Hollow()),
        "#####\n"
        "#...#\n"
        "#...#\n"
        "#...#\n"
        "#####\n");
}

TEST(Rectangle, SmallAndDegenerateBoxes)
{
    EXPECT_EQ(DrawRect(3, 3, { 1, 1, 2, 2 }, CBrush(kRed)),
        "...\n"
        ".#.\n"
        "...\n");
    // One pixel wide or high: a full line of pen pixels.
    EXPECT_EQ(DrawRect(3, 4, { 1, 0, 2, 4 }, CBrush(kRed)),
        ".#.\n"
        ".#.\n"
        ".#.\n"
        ".#.\n");
    EXPECT_EQ(DrawRect(4, 2, { 0, 1, 4, 2 }, CBrush(kRed)),
        "....\n"
        "####\n");
    // Two wide: all ring, no inside.
    EXPECT_EQ(DrawRect(2, 3, { 0, 0, 2, 3 }, CBrush(kRed)),
        "##\n"
        "##\n"
        "##\n");
    // Empty boxes draw nothing.
    EXPECT_EQ(DrawRect(3, 3, { 1, 0, 1, 3 }, CBrush(kRed)),
        "...\n"
        "...\n"
        "...\n");
}

TEST(Rectangle, NullPenFillsAllButTheLastColumnAndRow)
{
    // As the panel background is drawn: the brush covers all but the last column and row.
    EXPECT_EQ(DrawRect(5, 4, { 0, 0, 5, 4 }, CBrush(kRed), CPen(PS_NULL, 1, kBlack)),
        "rrrr.\n"
        "rrrr.\n"
        "rrrr.\n"
        ".....\n");
}

TEST(Ellipse, SmallBoxesAreExact)
{
    EXPECT_EQ(DrawEllipse(3, 3, { 1, 1, 2, 2 }),
        "...\n"
        ".#.\n"
        "...\n");
    EXPECT_EQ(DrawEllipse(2, 2, { 0, 0, 2, 2 }),
        "##\n"
        "##\n");
    EXPECT_EQ(DrawEllipse(3, 3, { 0, 0, 3, 3 }),
        ".#.\n"
        "#r#\n"
        ".#.\n");
    EXPECT_EQ(DrawEllipse(4, 4, { 0, 0, 4, 4 }),
        ".##.\n"
        "#rr#\n"
        "#rr#\n"
        ".##.\n");
    EXPECT_EQ(DrawEllipse(5, 3, { 0, 0, 5, 3 }),
        ".###.\n"
        "#rrr#\n"
        ".###.\n");
    EXPECT_EQ(DrawEllipse(7, 7, { 0, 0, 7, 7 }),
        "..###..\n"
        ".#rrr#.\n"
        "#rrrrr#\n"
        "#rrrrr#\n"
        "#rrrrr#\n"
        ".#rrr#.\n"
        "..###..\n");
    // Thin boxes still reach their ends and sides.
    EXPECT_EQ(DrawEllipse(8, 2, { 0, 0, 8, 2 }),
        "########\n"
        "########\n");
    EXPECT_EQ(DrawEllipse(9, 3, { 0, 0, 9, 3 }),
        ".#######.\n"
        "#rrrrrrr#\n"
        ".#######.\n");
}

// Every inscribed ellipse from 1 x 1 to 40 x 40: inside its box, touching all four sides,
// mirror-symmetric about both centre lines, its outline a closed chain of neighbouring pixels
// that seals the brush pixels in.
TEST(Ellipse, InscribedSymmetricAndClosedForAllSmallSizes)
{
    for (int w = 1; w <= 40; ++w) {
        for (int h = 1; h <= 40; ++h) {
            SCOPED_TRACE(testing::Message() << w << " x " << h);
            const CRect box(3, 2, 3 + w, 2 + h);
            const raster::Figure figure = raster::EllipseFigure(box, true);
            std::set<std::pair<int, int>> pen;
            std::set<std::pair<int, int>> brush;
            bool touches[4] = {};
            for (const CPoint& p : figure.outline) {
                ASSERT_TRUE(box.PtInRect(p));
                ASSERT_TRUE(pen.insert({ p.x, p.y }).second) << "pixel twice";
                touches[0] |= p.x == box.left;
                touches[1] |= p.x == box.right - 1;
                touches[2] |= p.y == box.top;
                touches[3] |= p.y == box.bottom - 1;
            }
            ASSERT_TRUE(touches[0] && touches[1] && touches[2] && touches[3]);
            for (const raster::Span& s : figure.interior) {
                for (int x = s.left; x < s.right; ++x) {
                    ASSERT_TRUE(box.PtInRect({ x, s.y }));
                    ASSERT_FALSE(pen.count({ x, s.y }));
                    brush.insert({ x, s.y });
                }
            }
            auto mirrored = [&](const std::set<std::pair<int, int>>& pixels) {
                for (auto [x, y] : pixels) {
                    if (!pixels.count({ box.left + box.right - 1 - x, y })
                        || !pixels.count({ x, box.top + box.bottom - 1 - y }))
                        return false;
                }
                return true;
            };
            ASSERT_TRUE(mirrored(pen));
            ASSERT_TRUE(mirrored(brush));
            for (auto [x, y] : brush) {
                for (auto [nx, ny] :
                    { std::pair(x - 1, y), { x + 1, y }, { x, y - 1 }, { x, y + 1 } })
                    ASSERT_TRUE(brush.count({ nx, ny }) || pen.count({ nx, ny }));
            }
            // The outline is one 8-connected chain, and a dotted pen follows it: consecutive
            // pixels are neighbours except where the path turns back from the one-pixel tip of
            // a flat ellipse (at most one jump per tip; a one-pixel-wide figure is a line whose
            // end jumps back to its start).
            int jumps = 0;
            for (std::size_t i = 0; i < figure.outline.size(); ++i) {
                const CPoint a = figure.outline[i];
                const CPoint b = figure.outline[(i + 1) % figure.outline.size()];
                jumps += std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)) > 1;
            }
            ASSERT_LE(jumps, 2);
            std::set<std::pair<int, int>> reached { { figure.outline[0].x, figure.outline[0].y } };
            std::vector<std::pair<int, int>> pending(reached.begin(), reached.end());
            while (!pending.empty()) {
                const auto [x, y] = pending.back();
                pending.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        if (pen.count({ x + dx, y + dy })
                            && reached.insert({ x + dx, y + dy }).second)
                            pending.push_back({ x + dx, y + dy });
                    }
                }
            }
            ASSERT_EQ(reached.size(), pen.size());
        }
    }
}

TEST(Ellipse, NullPenFillsTheShrunkenFigure)
{
    CBitmap bmp = WhiteBitmap(5, 5);
    CDC dc(&bmp);
    dc.SelectStockObject(NULL_PEN);
    dc.SelectObject(CBrush(kRed));
    dc.Ellipse(0, 0, 5, 5);
    EXPECT_EQ(Picture(bmp, kLegend),
        ".rr..\n"
        "rrrr.\n"
        "rrrr.\n"
        ".rr..\n"
        ".....\n");
}

TEST(Line, EndExcludedOnePixelPerStepInEveryOctant)
{
    const CPoint start(20, 20);
    for (CPoint end : { CPoint(30, 20), CPoint(30, 24), CPoint(30, 30), CPoint(24, 30),
             CPoint(20, 30), CPoint(16, 30), CPoint(10, 30), CPoint(10, 24), CPoint(10, 20),
             CPoint(10, 16), CPoint(10, 10), CPoint(16, 10), CPoint(20, 10), CPoint(24, 10),
             CPoint(30, 10), CPoint(30, 13), CPoint(27, 2) }) {
        SCOPED_TRACE(testing::Message() << "to " << end.x << ", " << end.y);
        CBitmap bmp = WhiteBitmap(40, 40);
        CDC dc(&bmp);
        dc.MoveTo(start);
        ASSERT_TRUE(dc.LineTo(end));
        EXPECT_EQ(dc.GetCurrentPosition(), end);
        const int steps = std::max(std::abs(end.x - start.x), std::abs(end.y - start.y));
        int black = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x)
                black += bmp.GetPixel(x, y) == kBlack;
        }
        EXPECT_EQ(black, steps);
        EXPECT_EQ(bmp.GetPixel(start.x, start.y), kBlack);
        EXPECT_EQ(bmp.GetPixel(end.x, end.y), kWhite);

        const std::vector<CPoint> pixels = raster::LinePixels(start, end);
        ASSERT_EQ(int(pixels.size()), steps);
        const bool alongX = std::abs(end.x - start.x) >= std::abs(end.y - start.y);
        for (std::size_t i = 1; i < pixels.size(); ++i) {
            const int major
                = alongX ? pixels[i].x - pixels[i - 1].x : pixels[i].y - pixels[i - 1].y;
            const int minor
                = alongX ? pixels[i].y - pixels[i - 1].y : pixels[i].x - pixels[i - 1].x;
            EXPECT_EQ(std::abs(major), 1);
            EXPECT_LE(std::abs(minor), 1);
        }
        const CPoint last = pixels.back();
        EXPECT_LE(std::max(std::abs(last.x - end.x), std::abs(last.y - end.y)), 1);
    }
}

TEST(Line, StraightAndDiagonalLinesAreExact)
{
    CBitmap bmp = WhiteBitmap(6, 6);
    CDC dc(&bmp);
    dc.MoveTo(0, 0);
    dc.LineTo(5, 5);
    dc.MoveTo(5, 0);
    dc.LineTo(2, 0);
    dc.MoveTo(1, 0);
    dc.LineTo(1, 0); // zero length: nothing
    EXPECT_EQ(Picture(bmp, kLegend),
        "#..###\n"
        ".#....\n"
        "..#...\n"
        "...#..\n"
        "....#.\n"
        "......\n");
}

} // namespace
