// SPDX-License-Identifier: GPL-3.0-or-later
// The icon document's data model: the transparent value, the three image sides and the grid.
#pragma once

#include "framework/Types.h"

#include <array>

// The value of an unpainted, transparent cell (red 1, green 2, blue 3). There is no other
// transparency flag: a cell holding exactly this colour is transparent.
constexpr COLORREF ICON_TRANSPARENT = 0x00030201;

constexpr int kImageCount = 3;
constexpr int kMaxSide = 48;
constexpr std::array<int, kImageCount> kImageSides = { 16, 32, 48 };

// One image grid addressed [x][y], column-major with stride 48 whatever the image's side.
using IconGrid = std::array<std::array<COLORREF, kMaxSide>, kMaxSide>;

inline void FillGrid(IconGrid& grid, COLORREF colour)
{
    for (auto& column : grid)
        column.fill(colour);
}

// Side index (0, 1, 2) of an image side, or -1 when the side is not one of ours.
constexpr int SizeIndexOfSide(int side)
{
    for (int i = 0; i < kImageCount; ++i)
        if (kImageSides[i] == side)
            return i;
    return -1;
}
