// SPDX-License-Identifier: GPL-3.0-or-later
// CIconFile: working storage of the icon file reader and writer, and the two operations.
#pragma once

#include "document/IconImage.h"

#include <array>
#include <cstdint>

class ByteWriter;
class CArchive;

struct IconDirHeader {
    std::uint16_t idReserved = 0;
    std::uint16_t idType = 1;
    std::uint16_t idCount = 0;
};

struct IconDirEntry {
    std::uint8_t bWidth = 0;
    std::uint8_t bHeight = 0;
    std::uint8_t bColorCount = 0;
    std::uint8_t bReserved = 0;
    std::uint16_t wPlanes = 0;
    std::uint16_t wBitCount = 0;
    std::uint32_t dwBytesInRes = 0;
    std::uint32_t dwImageOffset = 0;

    static constexpr std::size_t kBytes = 16;
    void Read(CArchive& ar);
    void Write(ByteWriter& out) const;
};

// Bytes taken by the directory header and count entries; images start at or after this.
constexpr std::uint32_t IconDirectoryBytes(unsigned count)
{
    return 6 + std::uint32_t(IconDirEntry::kBytes) * count;
}

// True when at least one cell of the image differs from ICON_TRANSPARENT.
bool IsImageDrawn(const IconGrid& grid, int side);

class CIconFile {
public:
    CIconFile();

    // Writes the directory and every drawn image, as one write to the archive. When nothing is
    // drawn, shows the nothing-drawn message, writes nothing and returns false.
    bool SaveIconFile(
        CArchive& ar, const IconGrid& grid16, const IconGrid& grid32, const IconGrid& grid48);
    // Reads every entry of width 16, 32 or 48 into its grid; a later entry of a width replaces
    // an earlier one. Throws CArchiveException when the directory or a decoded image runs past
    // the end of the file, or when the image offset of such an entry lies outside the file or
    // inside the directory.
    void LoadIconFile(CArchive& ar, IconGrid& grid16, IconGrid& grid32, IconGrid& grid48);

    IconDirHeader m_header;
    std::array<IconDirEntry, kImageCount> m_entries;
    IconDirEntry m_readEntry;
    std::array<CIconImage, kImageCount> m_images;
};

// Shows the message for a document with nothing drawn.
void ShowNothingDrawnMessage();
