// SPDX-License-Identifier: GPL-3.0-or-later
// An icon grid as a PNG file, for export, without an image library.
#pragma once

#include "document/IconTypes.h"
#include "framework/Bytes.h"

// The PNG of a side x side grid: transparent cells become alpha 0 (black), every other cell
// its colour, fully opaque. Pixel for pixel what GridToImage gives.
Bytes GridToPng(const IconGrid& grid, int side);
