// SPDX-License-Identifier: GPL-3.0-or-later
// The flood fill: the area of the seed cell's exact value, found through edge neighbours.
#pragma once

#include "document/IconTypes.h"
#include "editing/PixelWriter.h"

namespace editing {

// Writes colour on every cell of the 4-connected area of cells holding the seed's exact value,
// column by column, also when the area already has that colour; nothing when the seed is
// outside the image. The area is found before the first write.
void FloodFill(const IconGrid& grid, int side, CPoint seed, COLORREF colour, PixelWriter& out);

} // namespace editing
