// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between an icon grid and an RGBA image, for export and create, and the PNG
// encoding of such an image.
#pragma once

#include "document/IconTypes.h"

#include <QImage>

// A side x side ARGB32 image: transparent cells become alpha 0 (black), every other cell its
// colour, fully opaque.
QImage GridToImage(const IconGrid& grid, int side);

// Fills the image part of grid from a square image of the grid's side: a pixel with alpha below
// 128 becomes ICON_TRANSPARENT, any other its red, green and blue. Cells outside the image are
// left alone.
void ImageToGrid(const QImage& image, IconGrid& grid);

// The PNG file of image, in memory.
QByteArray EncodePng(const QImage& image);
