// SPDX-License-Identifier: GPL-3.0-or-later
// CIconImage: the codec of one image side. Encodes a grid into an 8-bit image with its own
// 256-entry colour table and a transparency mask, writes it, and decodes 8- and 4-bit images.
#pragma once

#include "document/ColorTable.h"
#include "document/IconTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>

class ByteWriter;
class CArchive;

// The 40-byte bitmap header that starts every image.
struct BitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 8;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;

    void Read(CArchive& ar);
    void Write(ByteWriter& out) const;
};

class CIconImage {
public:
    explicit CIconImage(int side);

    int Side() const { return m_nSide; }
    // Bytes of mask data per row: bits padded to a multiple of four bytes.
    static int MaskRowLength(int side) { return ((side + 31) / 32) * 4; }
    // Bytes in the written image: header, 256-entry table, index rows and mask rows.
    std::uint32_t GetResourceSize() const;
    // The reader decodes these depths only; others are skipped.
    static bool IsDecodableBitCount(int bits) { return bits == 8 || bits == 4; }
    // Bytes a decodable image of the given side and depth takes from its offset: header, a full
    // colour table (16 or 256 entries whatever the header says), index rows and mask rows.
    static std::size_t StoredBytes(int side, int bits);

    // Fills the colour table, index buffer and mask buffer from the grid.
    void Encode(const IconGrid& grid);
    // Writes header, colour table, index rows and mask rows as encoded: GetResourceSize()
    // bytes, in one write to the archive.
    void WriteImage(CArchive& ar) const;
    // The same bytes into out, which has room for GetResourceSize() of them.
    void WriteImage(ByteWriter& out) const;
    // Decodes the image at offset into grid when its header matches side and it has 8 or 4
    // bits per pixel, and returns true; otherwise leaves grid alone and returns false. The
    // archive position is restored. Throws CArchiveException when the image runs past the end
    // of the file.
    bool ReadImage(CArchive& file, std::uint32_t offset, IconGrid& grid, int side);

    const CColorTable& ColorTable() const { return m_colorTable; }

private:
    // Sets a mask bit for each transparent cell.
    void EncodeMask(const IconGrid& grid);

    int m_nSide;
    BitmapInfoHeader m_header;
    CColorTable m_colorTable;
    // The index rows as stored, bottom row first, side bytes each.
    std::array<std::uint8_t, kMaxSide * kMaxSide> m_indices {};
    std::array<std::uint8_t, kMaxSide * 8> m_mask {};
};
