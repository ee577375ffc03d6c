// SPDX-License-Identifier: GPL-3.0-or-later
// The flood fill over a grid: which cells the area takes in and the order they are written.
#include "editing/FloodFill.h"
#include "editing/RecordingWriter.h"

#include <gtest/gtest.h>

using namespace editing_test;

namespace {
constexpr COLORREF kWall = RGB(0, 0, 200);
constexpr COLORREF kFill = RGB(255, 0, 0);
}

TEST(FloodFillOperation, OnlyEdgeNeighboursOfTheExactValueConnect)
{
    // A one-cell-wide diagonal separates the corner triangle from the rest.
    IconGrid grid = Transparent();
    for (int i = 0; i <= 10; ++i)
        grid[std::size_t(i)][std::size_t(10 - i)] = kWall;
    // One step off the seed's value is another area.
    grid[0][0] = ICON_TRANSPARENT + 1;
    RecordingWriter out;
    editing::FloodFill(grid, 32, { 2, 2 }, kFill, out);
    std::vector<CellWrite> triangle;
    for (int x = 0; x < 10; ++x)
        for (int y = 0; x + y < 10; ++y)
            if (x + y > 0)
                triangle.push_back({ x, y, kFill });
    EXPECT_EQ(out.writes, triangle);

    // A diagonal chain of one colour is no area: the seed is filled alone.
    grid[5][5] = grid[6][6] = grid[7][7] = kWall;
    RecordingWriter single;
    editing::FloodFill(grid, 32, { 6, 6 }, kFill, single);
    EXPECT_EQ(single.writes, (std::vector<CellWrite> { { 6, 6, kFill } }));
}

TEST(FloodFillOperation, TheAreaIsFoundBeforeTheFirstWriteAndWrittenColumnByColumn)
{
    // Filling the left half with the right half's colour must not run on into the right half
    // as the writes land in the grid; refilling with the area's own colour still writes it.
    IconGrid grid = Transparent();
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            grid[std::size_t(x)][std::size_t(y)] = x < 8 ? kWall : kFill;
    RecordingWriter out(&grid);
    editing::FloodFill(grid, 16, { 15, 15 }, kWall, out);
    EXPECT_EQ(out.writes, BoxWrites(CRect(8, 0, 16, 16), kWall));

    // The whole image of every side, and nothing beyond the side.
    for (const int side : kImageSides) {
        IconGrid empty = Transparent();
        RecordingWriter whole(&empty);
        editing::FloodFill(empty, side, { side - 1, 0 }, kFill, whole);
        EXPECT_EQ(whole.writes, BoxWrites(ImageRect(side), kFill)) << side;
    }
    // A seed outside the image fills nothing.
    RecordingWriter outside;
    editing::FloodFill(grid, 16, { 16, 0 }, kFill, outside);
    editing::FloodFill(grid, 16, { -1, 3 }, kFill, outside);
    EXPECT_TRUE(outside.writes.empty());
}
