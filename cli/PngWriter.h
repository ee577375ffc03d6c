// SPDX-License-Identifier: GPL-3.0-or-later
// A PNG encoder for 8-bit RGBA pictures over zlib alone, so that writing a PNG needs no image
// library, or QtCore: export runs in the standard library alone.
#pragma once

#include "framework/Bytes.h"

#include <cstdint>

// The PNG file of a width x height picture given as rows top first, four bytes a pixel (red,
// green, blue, alpha, not premultiplied). Each row is stored with the filter that leaves the
// smallest sum of residues, the usual predictor of the smallest compressed size. An empty
// result when zlib fails (it cannot for a picture of our sizes, short of memory).
Bytes EncodeRgbaPng(const std::uint8_t* rgba, int width, int height);
