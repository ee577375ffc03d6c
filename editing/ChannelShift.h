// SPDX-License-Identifier: GPL-3.0-or-later
// Colour shading: signed offsets added to the channels of painted cells, each channel
// saturating on its own. Transparent cells are left alone; every painted cell shaded is
// written, changed or not.
#pragma once

#include "document/IconTypes.h"
#include "editing/PixelWriter.h"

namespace editing {

struct ChannelShift {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The value of colour with shift applied, each channel held to 0..255.
COLORREF Shifted(COLORREF colour, ChannelShift shift);

// Shades cell of the image when it lies inside the image and is painted.
void ShadeCell(const IconGrid& grid, int side, CPoint cell, ChannelShift shift, PixelWriter& out);
// Shades every painted cell of the image, column by column.
void AdjustColours(const IconGrid& grid, int side, ChannelShift shift, PixelWriter& out);

} // namespace editing
