// SPDX-License-Identifier: GPL-3.0-or-later
// CIconFile: working storage of the icon file reader and writer, and the two operations.
#pragma once

#include "document/IconImage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

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
// True when at least one of the three images (16, 32, 48) is drawn.
bool IsAnyImageDrawn(const std::array<IconGrid, kImageCount>& grids);

class CIconFile {
public:
    CIconFile();

    // Writes the directory and every drawn image, as one write to the archive. When nothing is
    // drawn, shows the nothing-drawn message, writes nothing and returns false.
    bool SaveIconFile(
        CArchive& ar, const IconGrid& grid16, const IconGrid& grid32, const IconGrid& grid48);
    // Reads every entry of width 16, 32 or 48 into its grid; a later entry of a width replaces
    // an earlier one. Throws CArchiveException when the directory or an image of such an entry
    // runs past the end of the file. An entry whose image the reader cannot use is skipped and
    // noted in m_skippedImages.
    void LoadIconFile(CArchive& ar, IconGrid& grid16, IconGrid& grid32, IconGrid& grid48);

    // What the last load left out, because the reader cannot decode it or a later entry of
    // the same width replaced it: "256 x 256 PNG", "32 x 32 32-bit", one text per kind, in
    // directory order. Saving writes only the document's grids, so these are not kept.
    std::string SkippedImagesText() const;

    IconDirHeader m_header;
    std::array<IconDirEntry, kImageCount> m_entries;
    IconDirEntry m_readEntry;
    std::array<CIconImage, kImageCount> m_images;
    std::vector<std::string> m_skippedImages;

private:
    void NoteSkipped(const std::string& description);
};

// Shows the message for a document with nothing drawn.
void ShowNothingDrawnMessage();
