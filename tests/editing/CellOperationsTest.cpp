// SPDX-License-Identifier: GPL-3.0-or-later
// The per-cell operations over a grid: pen footprints, shading and colour adjustment,
// mirrors, quarter turns, clearing and the block copy and paste.
#include "editing/ChannelShift.h"
#include "editing/Footprints.h"
#include "editing/RecordingWriter.h"
#include "editing/Transforms.h"

#include <gtest/gtest.h>

#include <climits>

using namespace editing_test;
using editing::PenShape;

namespace {

// A different colour in every cell, so any misplaced cell shows.
COLORREF P(int x, int y) { return RGB(8 + 4 * x, 8 + 4 * y, 99); }

IconGrid Pattern()
{
    IconGrid grid;
    for (int x = 0; x < kMaxSide; ++x)
        for (int y = 0; y < kMaxSide; ++y)
            grid[std::size_t(x)][std::size_t(y)] = P(x, y);
    return grid;
}

} // namespace

TEST(CellOperations, FootprintsCoverTheirPenInColumnOrderEvenPastTheImage)
{
    RecordingWriter square;
    editing::PaintFootprint({ 0, 0 }, PenShape::Square3, RGB(1, 1, 1), square);
    EXPECT_EQ(square.writes, BoxWrites(CRect(-1, -1, 2, 2), RGB(1, 1, 1)));

    // The round pen is the 5 x 5 square without its corners.
    const auto round = editing::Footprint(PenShape::Round);
    ASSERT_EQ(round.size(), 21u);
    EXPECT_EQ(round[0].dx, -2);
    EXPECT_EQ(round[0].dy, -1);
    EXPECT_EQ(round[20].dx, 2);
    EXPECT_EQ(round[20].dy, 1);
}

TEST(CellOperations, ShadingSaturatesEachChannelAloneAndSkipsUnpaintedCells)
{
    IconGrid grid = Transparent();
    grid[0][0] = RGB(250, 100, 0);
    grid[1][1] = RGB(255, 255, 255);
    RecordingWriter out;
    editing::AdjustColours(grid, 16, { 16, -16, 16 }, out);
    // Every painted cell is written, also one that does not change.
    EXPECT_EQ(out.writes,
        (std::vector<CellWrite> { { 0, 0, RGB(255, 84, 16) }, { 1, 1, RGB(255, 239, 255) } }));
    // Offsets far beyond a channel's range saturate it without overflowing.
    EXPECT_EQ(editing::Shifted(RGB(10, 20, 30), { INT_MAX, INT_MIN, 0 }), RGB(255, 0, 30));

    // A footprint shades only the painted cells inside the image, in the pen's order.
    grid[1][0] = RGB(10, 10, 10);
    RecordingWriter footprint;
    editing::ShadeFootprint(grid, 16, { 0, 0 }, PenShape::Square3, -10, footprint);
    EXPECT_EQ(footprint.writes,
        (std::vector<CellWrite> {
            { 0, 0, RGB(240, 90, 0) }, { 1, 0, RGB(0, 0, 0) }, { 1, 1, RGB(245, 245, 245) } }));
}

TEST(CellOperations, MirrorsRearrangeTheBoxFromItsOldValuesWritingEveryCell)
{
    IconGrid grid = Pattern();
    RecordingWriter out(&grid);
    editing::MirrorBox(grid, 32, CRect(2, 3, 5, 7), true, true, out);
    ASSERT_EQ(out.writes.size(), 12u);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y) {
            const bool inBox = x >= 2 && x < 5 && y >= 3 && y < 7;
            ASSERT_EQ(grid[std::size_t(x)][std::size_t(y)], inBox ? P(6 - x, 9 - y) : P(x, y))
                << x << "," << y;
        }
    EXPECT_EQ(out.writes.front(), (CellWrite { 2, 3, P(4, 6) }));
    // A second half turn restores the pattern.
    editing::MirrorBox(grid, 32, CRect(2, 3, 5, 7), true, true, out);
    EXPECT_EQ(grid, Pattern());

    // A box one cell wide reverses its column.
    RecordingWriter column;
    editing::MirrorBox(Pattern(), 32, CRect(7, 0, 8, 32), true, true, column);
    ASSERT_EQ(column.writes.size(), 32u);
    for (int y = 0; y < 32; ++y)
        EXPECT_EQ(column.writes[std::size_t(y)], (CellWrite { 7, y, P(7, 31 - y) }));

    // One row swapped with the other, and a single cell still written.
    RecordingWriter rows;
    editing::MirrorBox(Pattern(), 32, CRect(4, 4, 8, 6), false, true, rows);
    EXPECT_EQ(rows.writes[0], (CellWrite { 4, 4, P(4, 5) }));
    EXPECT_EQ(rows.writes[7], (CellWrite { 7, 5, P(7, 4) }));
    RecordingWriter single;
    editing::MirrorBox(Pattern(), 32, CRect(9, 9, 10, 10), true, false, single);
    EXPECT_EQ(single.writes, (std::vector<CellWrite> { { 9, 9, P(9, 9) } }));
}

TEST(CellOperations, QuarterTurnsTurnTheImageAndLeaveTheCellsBeyondIt)
{
    IconGrid grid = Pattern();
    editing::TurnQuarter(grid, 16, false);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            ASSERT_EQ(grid[std::size_t(x)][std::size_t(y)], P(15 - y, x)) << x << "," << y;
    EXPECT_EQ(grid[0][0], P(15, 0));
    EXPECT_EQ(grid[31][0], P(31, 0));
    EXPECT_EQ(grid[0][16], P(0, 16));

    editing::TurnQuarter(grid, 16, true);
    EXPECT_EQ(grid, Pattern());
    IconGrid turned = Pattern();
    editing::TurnQuarter(turned, 32, true);
    EXPECT_EQ(turned[31][0], P(0, 0));
    EXPECT_EQ(turned[20][7], P(7, 11));
}

TEST(CellOperations, ClearAndPasteStayInTheImageAndPastingLetsTransparentCellsThrough)
{
    RecordingWriter cleared;
    editing::ClearBox(16, CRect(14, 3, 20, 5), cleared);
    EXPECT_EQ(cleared.writes, BoxWrites(CRect(14, 3, 16, 5), ICON_TRANSPARENT));

    IconGrid block = Transparent();
    const CSize size = editing::CopyBlock(Pattern(), 32, CRect(3, 4, 5, 7), block);
    EXPECT_EQ(size, (CSize { 2, 3 }));
    EXPECT_EQ(block[1][2], P(4, 6));
    block[0][1] = ICON_TRANSPARENT;
    RecordingWriter pasted;
    editing::PasteBlock(block, size, { 30, 0 }, pasted);
    EXPECT_EQ(pasted.writes,
        (std::vector<CellWrite> { { 30, 0, P(3, 4) }, { 30, 2, P(3, 6) }, { 31, 0, P(4, 4) },
            { 31, 1, P(4, 5) }, { 31, 2, P(4, 6) } }));
}
