// SPDX-License-Identifier: GPL-3.0-or-later
// What the stored bytes of an icon directory entry say about their picture, read without
// decoding it: whether they are a PNG stream and what its header says, or the layout of a
// device-independent bitmap. Needs QtCore alone, so pixmora-cli can list the icons it can
// describe without the image library.
#pragma once

#include <QByteArray>
#include <QSize>
#include <optional>

// Larger pictures are refused: no icon entry comes near, and the sizes below stay in range.
constexpr int kMaxEntrySide = 4096;

// What a PNG stream's header says about its picture.
struct PngFacts {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0; // channels times bit depth: 32 for 8-bit RGBA
};

// True when data starts with the PNG signature.
bool IsPngStream(const QByteArray& data);
// The IHDR facts of a PNG stream; nullopt when the signature or header chunk is missing.
std::optional<PngFacts> ReadPngFacts(const QByteArray& data);

// Where the parts of an uncompressed bitmap entry lie, from its 40-byte header on.
struct DibLayout {
    int width = 0;
    int height = 0;
    int bits = 0;
    qsizetype paletteAt = 0;
    int paletteEntries = 0;
    qsizetype pixelsAt = 0;
    qsizetype pixelStride = 0;
    qsizetype maskAt = 0;
    qsizetype maskStride = 0;
    bool hasMask = false;
};

// The layout of a bitmap of 1, 4, 8, 24 or 32 bits whose pixels, and mask where it needs one,
// are all there; nullopt for anything else, PNG streams included.
std::optional<DibLayout> ReadDibLayout(const QByteArray& data);

// The size of the picture a bitmap entry decodes into; empty when it does not decode.
QSize BitmapPictureSize(const QByteArray& data);
