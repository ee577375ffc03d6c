// SPDX-License-Identifier: GPL-3.0-or-later
// Builds icon files byte by byte the way other programs write them (any depth, any palette,
// mismatched headers), and small helpers shared by the codec, CLI and fixture tests.
#pragma once

#include "document/IconDoc.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

struct ForeignImage {
    int entryWidth = 32; // the directory entry's width (and height) byte
    int headerWidth = 32; // the bitmap header's width; rows are laid out for this width
    int bits = 8; // bits per pixel in the bitmap header
    // Colour table, written with 1 << bits entries for depths up to 8 (missing entries black).
    // For 24 and 32 bits the pixels take their colour from it directly.
    std::vector<COLORREF> palette;
    std::function<int(int x, int y)> index = [](int, int) { return 0; };
    std::function<bool(int x, int y)> transparent = [](int, int) { return false; };
    // Sets the mask bits past the image's width, which a reader has to ignore.
    bool maskPaddingSet = false;
};

struct ForeignIcon {
    std::uint16_t type = 1;
    std::vector<ForeignImage> images;
};

QByteArray BuildIcon(const ForeignIcon& icon);

// Little-endian patching of a built or saved file.
void PutWord(QByteArray& bytes, int pos, std::uint16_t value);
void PutDWord(QByteArray& bytes, int pos, std::uint32_t value);
std::uint16_t GetWord(const QByteArray& bytes, int pos);
std::uint32_t GetDWord(const QByteArray& bytes, int pos);

// The bytes the document's writer produces for doc.
QByteArray SaveToBytes(CIconDoc& doc);
// Loads bytes through the archive as the framework would; throws CArchiveException on damage.
void LoadFromBytes(CIconDoc& doc, const QByteArray& bytes);

bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

// A document with a recognisable, deterministic picture in each size listed in sides, using at
// most colours distinct colours per image besides transparent cells.
void PaintTestPattern(CIconDoc& doc, std::initializer_list<int> sides, int colours = 40);
