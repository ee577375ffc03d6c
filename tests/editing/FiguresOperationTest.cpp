// SPDX-License-Identifier: GPL-3.0-or-later
// The figure operations over a grid: the cells, colours and order of rectangles, ellipses,
// lines, their anti-aliased blends and the curved frame.
#include "editing/Figures.h"
#include "editing/RecordingWriter.h"
#include "framework/Raster.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace editing_test;
using editing::FigureShape;

namespace {

constexpr COLORREF kPen = RGB(200, 100, 0);
constexpr COLORREF kFill = RGB(0, 40, 80);
constexpr editing::FigureColours kColours { kPen, kFill };

std::vector<CellWrite> Draw(const CRect& box, editing::FigureStyle style, IconGrid* grid = nullptr)
{
    static const IconGrid kEmpty = Transparent();
    RecordingWriter out(grid);
    editing::DrawFigure(grid ? *grid : kEmpty, 32, box, style, kColours, out);
    return out.writes;
}

// The writes of a figure that the rasteriser covers with outline and interior, column by
// column, as the device context would draw them.
std::vector<CellWrite> RasterWrites(const raster::Figure& figure, bool filled)
{
    std::vector<CellWrite> writes;
    for (CPoint p : figure.outline)
        writes.push_back({ p.x, p.y, kPen });
    for (const raster::Span& span : figure.interior)
        for (int x = span.left; x < span.right && filled; ++x)
            writes.push_back({ x, span.y, kFill });
    std::sort(writes.begin(), writes.end(), [](const CellWrite& a, const CellWrite& b) {
        return std::tie(a.x, a.y) < std::tie(b.x, b.y);
    });
    return writes;
}

} // namespace

TEST(FiguresOperation, HardEdgedFiguresWriteTheRasterisersCellsColumnByColumn)
{
    const CRect box(5, 2, 11, 11);
    for (const bool filled : { false, true }) {
        EXPECT_EQ(Draw(box, { FigureShape::Rectangle, filled, true }),
            RasterWrites(raster::RectangleFigure(box, true), filled));
        EXPECT_EQ(Draw(box, { FigureShape::Ellipse, filled, false }),
            RasterWrites(raster::EllipseFigure(box, true), filled));
    }
    // The ring of a filled rectangle takes the pen, the cells inside the fill.
    const std::vector<CellWrite> small = Draw(CRect(4, 4, 7, 7), { FigureShape::Rectangle, true });
    ASSERT_EQ(small.size(), 9u);
    EXPECT_EQ(small[4], (CellWrite { 5, 5, kFill }));
    EXPECT_EQ(small[3], (CellWrite { 5, 4, kPen }));
    // Only the box as given is read back: an inverted box writes nothing, and a figure running
    // past the image loses its cells there.
    EXPECT_TRUE(Draw(CRect(10, 10, 5, 5), { FigureShape::Rectangle }).empty());
    EXPECT_EQ(Draw(CRect(30, 0, 34, 2), { FigureShape::Rectangle }),
        (std::vector<CellWrite> {
            { 30, 0, kPen }, { 30, 1, kPen }, { 31, 0, kPen }, { 31, 1, kPen } }));
}

TEST(FiguresOperation, FreeLinesArePushedOneStepPastTheEndAndStraightLinesRunLeftToRightOrDown)
{
    // Drawn to (-1, -1): the rounding puts its last pixel outside the image, not on (0, 0).
    const IconGrid grid = Transparent();
    RecordingWriter out;
    editing::DrawFreeLine(grid, 32, { 3, 1 }, { 0, 0 }, false, kPen, out);
    EXPECT_EQ(
        out.writes, (std::vector<CellWrite> { { 1, 0, kPen }, { 2, 0, kPen }, { 3, 1, kPen } }));
    // Pushed one step past the image's edge, the line still stops at it.
    RecordingWriter edge;
    editing::DrawFreeLine(grid, 32, { 29, 5 }, { 31, 5 }, false, kPen, edge);
    EXPECT_EQ(edge.writes,
        (std::vector<CellWrite> { { 29, 5, kPen }, { 30, 5, kPen }, { 31, 5, kPen } }));

    RecordingWriter row;
    editing::DrawRowLine({ 6, 2 }, { 4, 9 }, kPen, row);
    EXPECT_EQ(
        row.writes, (std::vector<CellWrite> { { 4, 2, kPen }, { 5, 2, kPen }, { 6, 2, kPen } }));
    RecordingWriter column;
    editing::DrawColumnLine({ 1, 8 }, { 7, 7 }, kPen, column);
    EXPECT_EQ(column.writes, (std::vector<CellWrite> { { 1, 7, kPen }, { 1, 8, kPen } }));
}

TEST(FiguresOperation, AntiAliasedLinesBlendTwiceReadingThePresentValueAtEachWrite)
{
    // Every cell of the row has half coverage. The first pass mixes the transparent value
    // (1, 2, 3) with the pen, the second mixes that result again.
    IconGrid grid = Transparent();
    RecordingWriter out(&grid);
    editing::DrawFreeLine(grid, 32, { 0, 0 }, { 2, 0 }, true, kPen, out);
    const COLORREF once = RGB(100, 51, 1);
    const COLORREF twice = RGB(150, 75, 0);
    EXPECT_EQ(out.writes,
        (std::vector<CellWrite> { { 0, 0, once }, { 1, 0, once }, { 2, 0, once }, { 0, 0, twice },
            { 1, 0, twice }, { 2, 0, twice } }));

    // Where the first write was kept out (outside a selection) the second pass reads the old
    // value again.
    IconGrid clipped = Transparent();
    RecordingWriter selection(&clipped, CRect(0, 0, 1, 1));
    editing::DrawFreeLine(clipped, 32, { 0, 0 }, { 1, 0 }, true, kPen, selection);
    ASSERT_EQ(selection.writes.size(), 4u);
    EXPECT_EQ(selection.writes[3], (CellWrite { 1, 0, once }));
    EXPECT_EQ(clipped[0][0], twice);
}

TEST(FiguresOperation, AntiAliasedFilledEllipsesMixFillAndPenByCoverageAlone)
{
    // At twice the scale the 2 x 2 box is a ring of eight pen pixels without its corners round
    // four interior ones: each cell has one uncovered pixel, two pen and one interior. The
    // uncovered pixel weighs nothing (rim cells come out darker) and the cell's own value
    // plays no part, so both passes write the same value.
    IconGrid grid = Transparent();
    grid[0][0] = RGB(1, 1, 1);
    const COLORREF rim = RGB(100, 60, 20);
    std::vector<CellWrite> once = BoxWrites(CRect(0, 0, 2, 2), rim);
    std::vector<CellWrite> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(Draw(CRect(0, 0, 2, 2), { FigureShape::Ellipse, true, true }, &grid), twice);
}

TEST(FiguresOperation, TheCurvedFrameIsABlackRingThenItsCornersUnpaintedClockwise)
{
    const IconGrid grid = Transparent();
    RecordingWriter out;
    editing::DrawCurvedFrame(grid, 16, out);
    ASSERT_EQ(out.writes.size(), 60u + 4u);
    EXPECT_EQ(out.writes[0], (CellWrite { 0, 0, RGB(0, 0, 0) }));
    EXPECT_EQ(out.writes[16], (CellWrite { 1, 0, RGB(0, 0, 0) }));
    const std::vector<CellWrite> corners(out.writes.end() - 4, out.writes.end());
    EXPECT_EQ(corners,
        (std::vector<CellWrite> { { 0, 0, ICON_TRANSPARENT }, { 15, 0, ICON_TRANSPARENT },
            { 15, 15, ICON_TRANSPARENT }, { 0, 15, ICON_TRANSPARENT } }));
}
