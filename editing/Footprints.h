// SPDX-License-Identifier: GPL-3.0-or-later
// The pens of the brush-like tools: which cells around the pointer's cell one application
// covers, and the operations that paint or shade them.
#pragma once

#include "document/IconTypes.h"
#include "editing/ChannelShift.h"
#include "editing/PixelWriter.h"

#include <span>

namespace editing {

enum class PenShape { Dot, Square3, Square5, Round };

struct CellOffset {
    int dx;
    int dy;
};

// The pen's offsets in the order they are applied: dx ascending, then dy ascending.
std::span<const CellOffset> Footprint(PenShape pen);

// Writes colour on every cell of the footprint around cell, inside or outside the image alike
// (the writer decides what lands).
void PaintFootprint(CPoint cell, PenShape pen, COLORREF colour, PixelWriter& out);
// Shifts every channel of each painted cell of the footprint by amount (see ShadeCell).
void ShadeFootprint(
    const IconGrid& grid, int side, CPoint cell, PenShape pen, int amount, PixelWriter& out);

} // namespace editing
