// SPDX-License-Identifier: GPL-3.0-or-later
// Rearranging and clearing cells: mirrors of a box, quarter turns of a whole image, clearing a
// box, and copying a block out of an image and back in.
#pragma once

#include "document/IconTypes.h"
#include "editing/PixelWriter.h"

namespace editing {

// Mirrors the cells of box (clipped to the image) left to right, top to bottom, or both (a
// half turn). Every cell of the box is written, column by column, also where its value stays;
// the values come from the grid as it was before the first write.
void MirrorBox(const IconGrid& grid, int side, const CRect& box, bool leftRight, bool topBottom,
    PixelWriter& out);

// Turns the image a quarter in place. Cells beyond the side stay as they are.
void TurnQuarter(IconGrid& grid, int side, bool clockwise);

// Writes ICON_TRANSPARENT on every cell of box clipped to the image, column by column.
void ClearBox(int side, const CRect& box, PixelWriter& out);

// The cells of box (clipped to the image) into block[column offset][row offset] from the box's
// top-left cell; returns the size copied.
CSize CopyBlock(const IconGrid& grid, int side, const CRect& box, IconGrid& block);
// Writes the first size.cx columns and size.cy rows of block with its top-left cell at topLeft,
// column by column. Transparent cells of the block are skipped so the image shows through.
void PasteBlock(const IconGrid& block, CSize size, CPoint topLeft, PixelWriter& out);

} // namespace editing
