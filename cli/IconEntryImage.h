// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding of any icon directory entry into a picture, for import: PNG-compressed entries and
// device-independent bitmaps of 1, 4, 8, 24 and 32 bits with their transparency mask. This is
// wider than the editor's reader, which takes 8- and 4-bit images of its three sizes only.
#pragma once

#include "cli/IconEntryFacts.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

// The picture of one entry's bytes (from its offset, as long as the entry says) as ARGB32: a
// pixel the mask marks transparent has alpha 0. A 32-bit bitmap uses its alpha channel unless
// every alpha byte is 0, as older writers leave it. A null image when the bytes are neither
// PNG nor a bitmap this decoder understands, or are cut short.
QImage DecodeIconEntry(const QByteArray& data);
// The size of the picture DecodeIconEntry makes of data; empty when it makes none. For a
// bitmap that is BitmapPictureSize(data); a PNG stream has to be decoded to tell.
QSize DecodedPictureSize(const QByteArray& data);
