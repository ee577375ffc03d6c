// SPDX-License-Identifier: GPL-3.0-or-later
// The figure operations over a grid: the cells, colours and order of rectangles, ellipses,
// lines, their anti-aliased blends and the curved frame.
#include "editing/Figures.h"
#include "editing/RecordingWriter.h"
#include "framework/Raster.h"
#include "support/CellSets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <tuple>

using namespace editing_test;
using namespace cell_sets;
using editing::FigureShape;

namespace {

constexpr int kSide = 32;
constexpr COLORREF kPen = RGB(200, 100, 0);
constexpr COLORREF kFill = RGB(0, 40, 80);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The writes of a figure in box on a transparent 32 x 32 image, stored into grid as made.
std::vector<CellWrite> Draw(const CRect& box, editing::FigureStyle style, IconGrid& grid,
    editing::FigureColours colours = { kPen, kFill })
{
    RecordingWriter out(&grid);
    editing::DrawFigure(grid, kSide, box, style, colours, out);
    return out.writes;
}

IconGrid Drawn(
    const CRect& box, editing::FigureStyle style, editing::FigureColours colours = { kPen, kFill })
{
    IconGrid grid = Transparent();
    Draw(box, style, grid, colours);
    return grid;
}

IconGrid Line(CPoint a, CPoint b, bool antiAlias, COLORREF pen, IconGrid grid = Transparent())
{
    RecordingWriter out(&grid);
    editing::DrawFreeLine(grid, kSide, a, b, antiAlias, pen, out);
    return grid;
}

CellSet Where(const IconGrid& grid, bool (*test)(COLORREF, COLORREF), COLORREF colour)
{
    CellSet cells;
    for (int x = 0; x < kSide; ++x)
        for (int y = 0; y < kSide; ++y)
            if (test(grid[std::size_t(x)][std::size_t(y)], colour))
                cells.insert({ x, y });
    return cells;
}
CellSet CellsOf(const IconGrid& grid, COLORREF colour)
{
    return Where(
        grid, [](COLORREF v, COLORREF c) { return v == c; }, colour);
}
CellSet Painted(const IconGrid& grid)
{
    return Where(
        grid, [](COLORREF v, COLORREF c) { return v != c; }, ICON_TRANSPARENT);
}

CRect BoundsOf(const CellSet& cells)
{
    CRect r(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (const auto& [x, y] : cells)
        r = CRect(std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
            std::max(r.bottom, y + 1));
    return r;
}

// The cells of grid mirrored about the centre lines of box hold the same values.
void ExpectSymmetricIn(const IconGrid& grid, const CRect& box)
{
    for (int x = box.left; x < box.right; ++x) {
        for (int y = box.top; y < box.bottom; ++y) {
            const COLORREF v = grid[std::size_t(x)][std::size_t(y)];
            const int mx = box.left + box.right - 1 - x;
            const int my = box.top + box.bottom - 1 - y;
            EXPECT_EQ(grid[std::size_t(mx)][std::size_t(y)], v) << x << "," << y;
            EXPECT_EQ(grid[std::size_t(x)][std::size_t(my)], v) << x << "," << y;
        }
    }
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
    // The rasteriser's own tests fix which cells a box's ring, ellipse and inside are; here
    // the operation must write exactly those, the pen on the outline and the fill inside, in
    // column order, for wide, thin, tiny and whole-image boxes alike.
    const CRect boxes[] = { CRect(5, 2, 11, 11), CRect(2, 3, 13, 10), CRect(1, 1, 9, 5),
        CRect(0, 0, 32, 32), CRect(4, 4, 6, 6), CRect(7, 2, 10, 20), CRect(3, 3, 4, 11),
        CRect(4, 4, 7, 7), CRect(10, 10, 12, 15) };
    for (const CRect& box : boxes) {
        for (const bool filled : { false, true }) {
            SCOPED_TRACE(testing::Message() << box.left << "," << box.top << "," << box.right << ","
                                            << box.bottom << (filled ? " filled" : ""));
            IconGrid a = Transparent();
            IconGrid b = Transparent();
            // Anti-aliasing leaves rectangles alone.
            EXPECT_EQ(Draw(box, { FigureShape::Rectangle, filled, true }, a),
                RasterWrites(raster::RectangleFigure(box, true), filled));
            EXPECT_EQ(Draw(box, { FigureShape::Ellipse, filled }, b),
                RasterWrites(raster::EllipseFigure(box, true), filled));
        }
    }
    // Only the box as given is read back: an inverted box writes nothing, and a figure running
    // past the image loses its cells there.
    IconGrid grid = Transparent();
    EXPECT_TRUE(Draw(CRect(10, 10, 5, 5), { FigureShape::Rectangle }, grid).empty());
    EXPECT_EQ(Draw(CRect(30, 0, 34, 2), { FigureShape::Rectangle }, grid),
        (std::vector<CellWrite> {
            { 30, 0, kPen }, { 30, 1, kPen }, { 31, 0, kPen }, { 31, 1, kPen } }));
}

TEST(FiguresOperation, LinesEndOnTheEndCellAlongTheAxesAndDiagonals)
{
    CellSet diagonal;
    CellSet antiDiagonal;
    for (int i = 0; i < 32; ++i) {
        if (i <= 5)
            diagonal.insert({ i, i });
        antiDiagonal.insert({ 31 - i, i });
    }
    const struct {
        CPoint a, b;
        CellSet cells;
    } cases[] = {
        { { 0, 0 }, { 5, 0 }, Box(CRect(0, 0, 6, 1)) },
        { { 5, 0 }, { 0, 0 }, Box(CRect(0, 0, 6, 1)) },
        { { 3, 9 }, { 3, 2 }, Box(CRect(3, 2, 4, 10)) },
        { { 0, 0 }, { 5, 5 }, diagonal },
        { { 5, 5 }, { 0, 0 }, diagonal },
        // Ending on the image's last row or column pushes the end past the image.
        { { 0, 31 }, { 31, 31 }, Box(CRect(0, 31, 32, 32)) },
        { { 31, 0 }, { 0, 31 }, antiDiagonal },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            testing::Message() << c.a.x << "," << c.a.y << " -> " << c.b.x << "," << c.b.y);
        const IconGrid grid = Line(c.a, c.b, false, kPen);
        EXPECT_EQ(Painted(grid), c.cells);
        EXPECT_EQ(CellsOf(grid, kPen), c.cells);
    }
}

TEST(FiguresOperation, FreeLinesArePushedOneStepPastTheEndAndStraightLinesRunLeftToRightOrDown)
{
    // Drawn to (-1, -1): the rounding puts its last pixel outside the image, not on (0, 0).
    const IconGrid grid = Transparent();
    RecordingWriter out;
    editing::DrawFreeLine(grid, kSide, { 3, 1 }, { 0, 0 }, false, kPen, out);
    EXPECT_EQ(
        out.writes, (std::vector<CellWrite> { { 1, 0, kPen }, { 2, 0, kPen }, { 3, 1, kPen } }));

    // Straight lines follow only the start cell's row or column.
    RecordingWriter row;
    editing::DrawRowLine({ 9, 7 }, { 2, 30 }, kPen, row);
    EXPECT_EQ(row.writes, BoxWrites(CRect(2, 7, 10, 8), kPen));
    RecordingWriter column;
    editing::DrawColumnLine({ 9, 30 }, { 2, 7 }, kPen, column);
    EXPECT_EQ(column.writes, BoxWrites(CRect(9, 7, 10, 31), kPen));
}

TEST(FiguresOperation, AntiAliasedLinesBlendTwiceReadingThePresentValueAtEachWrite)
{
    // Every cell of the row has half coverage. The first pass mixes the transparent value
    // (1, 2, 3) with the pen, the second mixes that result again.
    IconGrid grid = Transparent();
    RecordingWriter out(&grid);
    editing::DrawFreeLine(grid, kSide, { 0, 0 }, { 2, 0 }, true, kPen, out);
    const COLORREF once = RGB(100, 51, 1);
    const COLORREF twice = RGB(150, 75, 0);
    EXPECT_EQ(out.writes,
        (std::vector<CellWrite> { { 0, 0, once }, { 1, 0, once }, { 2, 0, once }, { 0, 0, twice },
            { 1, 0, twice }, { 2, 0, twice } }));

    // Where the first write was kept out (outside a selection) the second pass reads the old
    // value again.
    IconGrid clipped = Transparent();
    RecordingWriter selection(&clipped, CRect(0, 0, 1, 1));
    editing::DrawFreeLine(clipped, kSide, { 0, 0 }, { 1, 0 }, true, kPen, selection);
    ASSERT_EQ(selection.writes.size(), 4u);
    EXPECT_EQ(selection.writes[3], (CellWrite { 1, 0, once }));
    EXPECT_EQ(clipped[0][0], twice);

    // Over painted cells the blend starts from what they hold: (177, 25, 10), then
    // (216, 12, 5).
    IconGrid painted;
    FillGrid(painted, RGB(100, 50, 20));
    painted = Line({ 0, 3 }, { 5, 3 }, true, kRed, painted);
    EXPECT_EQ(CellsOf(painted, RGB(216, 12, 5)), Box(CRect(0, 3, 6, 4)));
    EXPECT_EQ(painted[6][3], RGB(100, 50, 20));
}

TEST(FiguresOperation, AntiAliasedLinesCoverTwoSubPixelsPerCellExceptDrawnBackwards)
{
    // Over unpainted cells two covered sub-pixels give (191, 0, 0) after both blends.
    const COLORREF half = RGB(191, 0, 0);
    const IconGrid down = Line({ 10, 10 }, { 10, 14 }, true, kRed);
    EXPECT_EQ(Painted(down), Box(CRect(10, 10, 11, 15)));
    EXPECT_EQ(CellsOf(down, half), Painted(down));
    // Drawn upwards, the doubled line starts on the top sub-pixel row of the press cell and
    // stops short of the doubled pushed end: one sub-pixel in the press cell and one in the
    // cell past the end, (64, 1, 2) after the first blend and (111, 0, 1) after the second.
    const IconGrid up = Line({ 10, 14 }, { 10, 10 }, true, kRed);
    EXPECT_EQ(Painted(up), Box(CRect(10, 9, 11, 15)));
    EXPECT_EQ(CellsOf(up, half), Box(CRect(10, 10, 11, 14)));
    EXPECT_EQ(CellsOf(up, RGB(111, 0, 1)), CellSet({ { 10, 9 }, { 10, 14 } }));
    const IconGrid diagonal = Line({ 20, 10 }, { 24, 14 }, true, kRed);
    EXPECT_EQ(
        Painted(diagonal), CellSet({ { 20, 10 }, { 21, 11 }, { 22, 12 }, { 23, 13 }, { 24, 14 } }));
    EXPECT_EQ(CellsOf(diagonal, half), Painted(diagonal));
}

TEST(FiguresOperation, AntiAliasedEdgesAreDarkTintsOfThePenNeverTransparent)
{
    // Over unpainted cells one to four covered sub-pixels give, after both blends:
    const std::array<COLORREF, 4> tints { RGB(111, 0, 1), RGB(191, 0, 0), RGB(239, 0, 0),
        RGB(255, 0, 0) };
    const auto expectTints = [&](const IconGrid& grid) {
        ASSERT_FALSE(Painted(grid).empty());
        for (const auto& [x, y] : Painted(grid)) {
            const COLORREF v = grid[std::size_t(x)][std::size_t(y)];
            EXPECT_NE(std::find(tints.begin(), tints.end(), v), tints.end())
                << x << "," << y << " holds " << std::hex << v;
        }
    };
    // The last line pushes its doubled end past the image's top-left corner.
    const std::pair<CPoint, CPoint> lines[] = { { { 0, 0 }, { 9, 4 } }, { { 30, 2 }, { 3, 27 } },
        { { 5, 20 }, { 6, 3 } }, { { 7, 3 }, { 0, 0 } } };
    for (const auto& [a, b] : lines) {
        const IconGrid grid = Line(a, b, true, kRed);
        expectTints(grid);
        // The blended line stays within its box pushed one cell on.
        const CRect bounds = BoundsOf(Painted(grid));
        EXPECT_GE(bounds.left, std::min(a.x, b.x) - 1);
        EXPECT_LE(bounds.right, std::max(a.x, b.x) + 2);
    }
    const IconGrid ellipse
        = Drawn(CRect(3, 4, 21, 14), { FigureShape::Ellipse, false, true }, { kRed, kFill });
    expectTints(ellipse);
    EXPECT_EQ(BoundsOf(Painted(ellipse)), CRect(3, 4, 21, 14));
    ExpectSymmetricIn(ellipse, CRect(3, 4, 21, 14));
}

TEST(FiguresOperation, AntiAliasedFilledEllipsesWeighFillAndPenByCoverageAlone)
{
    // At twice the scale the 2 x 2 box is a ring of eight pen pixels without its corners round
    // four interior ones: each cell has one uncovered pixel, two pen and one interior. The
    // uncovered pixel weighs nothing (rim cells come out darker) and the cell's own value
    // plays no part, so the second pass would write the same value again and writes nothing.
    IconGrid grid = Transparent();
    grid[0][0] = RGB(1, 1, 1);
    const std::vector<CellWrite> once = BoxWrites(CRect(0, 0, 2, 2), RGB(100, 60, 20));
    EXPECT_EQ(Draw(CRect(0, 0, 2, 2), { FigureShape::Ellipse, true, true }, grid), once);

    const CRect box(2, 2, 18, 12);
    const IconGrid large
        = Drawn(box, { FigureShape::Ellipse, true, true }, { kRed, RGB(0, 0, 252) });
    EXPECT_EQ(BoundsOf(Painted(large)), box);
    ExpectSymmetricIn(large, box);
    // Fully inside: the fill colour itself.
    EXPECT_EQ(large[9][7], RGB(0, 0, 252));
    EXPECT_EQ(large[10][6], RGB(0, 0, 252));
    // Cells touched by the interior take (fill x f + pen x p) / 4, so no blue channel is
    // anything but a quarter step of the fill's, and no green appears.
    for (const auto& [x, y] : Painted(large)) {
        const COLORREF v = large[std::size_t(x)][std::size_t(y)];
        EXPECT_EQ(GetGValue(v), 0);
        if (GetBValue(v) > 3)
            EXPECT_EQ(GetBValue(v) % 63, 0) << x << "," << y;
        EXPECT_LE(GetRValue(v) / 63 + GetBValue(v) / 63, 4) << x << "," << y;
    }
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
