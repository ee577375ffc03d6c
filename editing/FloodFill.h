// SPDX-License-Identifier: GPL-3.0-or-later
// The flood fill: the area of the seed cell's exact value, found through edge neighbours.
#pragma once

#include "document/IconTypes.h"
#include "editing/PixelWriter.h"

#include <bitset>

namespace editing {

using CellSet = std::bitset<kMaxSide * kMaxSide>;

constexpr std::size_t CellIndex(int x, int y) { return std::size_t(x * kMaxSide + y); }

// The 4-connected cells around seed holding the seed's value; empty when the seed is outside
// the image.
CellSet FloodArea(const IconGrid& grid, int side, CPoint seed);

// Writes colour on every cell of the seed's area, column by column, also when the area
// already has that colour. The area is found before the first write.
void FloodFill(const IconGrid& grid, int side, CPoint seed, COLORREF colour, PixelWriter& out);

} // namespace editing
