// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/IconFile.h"

#include "document/ByteWriter.h"
#include "framework/Archive.h"
#include "framework/Platform.h"

#include <vector>

void IconDirEntry::Read(CArchive& ar)
{
    bWidth = ar.ReadByte();
    bHeight = ar.ReadByte();
    bColorCount = ar.ReadByte();
    bReserved = ar.ReadByte();
    wPlanes = ar.ReadWord();
    wBitCount = ar.ReadWord();
    dwBytesInRes = ar.ReadDWord();
    dwImageOffset = ar.ReadDWord();
}

void IconDirEntry::Write(ByteWriter& out) const
{
    out.Byte(bWidth);
    out.Byte(bHeight);
    out.Byte(bColorCount);
    out.Byte(bReserved);
    out.Word(wPlanes);
    out.Word(wBitCount);
    out.DWord(dwBytesInRes);
    out.DWord(dwImageOffset);
}

bool IsImageDrawn(const IconGrid& grid, int side)
{
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (grid[x][y] != ICON_TRANSPARENT)
                return true;
    return false;
}

void ShowNothingDrawnMessage()
{
    platform().MessageBox(
        QStringLiteral("You have not drawn any icons\nThe icon file will not be written."),
        QStringLiteral("Error"), MB_OK | MB_ICONSTOP);
}

CIconFile::CIconFile()
    : m_images { CIconImage(16), CIconImage(32), CIconImage(48) }
{
}

bool CIconFile::SaveIconFile(
    CArchive& ar, const IconGrid& grid16, const IconGrid& grid32, const IconGrid& grid48)
{
    const std::array<const IconGrid*, kImageCount> grids = { &grid16, &grid32, &grid48 };
    std::array<bool, kImageCount> drawn {};
    std::uint16_t n = 0;
    for (int i = 0; i < kImageCount; ++i) {
        drawn[i] = IsImageDrawn(*grids[i], kImageSides[i]);
        n += drawn[i] ? 1 : 0;
    }
    if (n == 0) {
        ShowNothingDrawnMessage();
        return false;
    }

    m_header = IconDirHeader { 0, 1, n };
    std::uint32_t offset = IconDirectoryBytes(n);
    for (int i = 0; i < kImageCount; ++i) {
        if (!drawn[i])
            continue;
        const auto side = std::uint8_t(kImageSides[i]);
        m_entries[i]
            = IconDirEntry { side, side, 0, 0, 0, 0, m_images[i].GetResourceSize(), offset };
        offset += m_entries[i].dwBytesInRes;
    }

    // The last offset is the file's length: the whole file goes into one buffer of that size.
    std::vector<std::uint8_t> bytes(offset);
    ByteWriter out(bytes.data());
    out.Word(m_header.idReserved);
    out.Word(m_header.idType);
    out.Word(m_header.idCount);
    for (int i = 0; i < kImageCount; ++i)
        if (drawn[i])
            m_entries[i].Write(out);
    for (int i = 0; i < kImageCount; ++i) {
        if (!drawn[i])
            continue;
        m_images[i].Encode(*grids[i]);
        m_images[i].WriteImage(out);
    }
    ar.Write(bytes.data(), bytes.size());
    return true;
}

void CIconFile::LoadIconFile(CArchive& ar, IconGrid& grid16, IconGrid& grid32, IconGrid& grid48)
{
    const std::array<IconGrid*, kImageCount> grids = { &grid16, &grid32, &grid48 };
    m_header.idReserved = ar.ReadWord();
    m_header.idType = ar.ReadWord();
    m_header.idCount = ar.ReadWord();
    // A directory that cannot fit in the file is refused before any entry is read.
    if (!ar.Has(ar.GetPosition(), std::size_t(m_header.idCount) * IconDirEntry::kBytes))
        throw CArchiveException(CArchiveException::endOfFile);
    for (unsigned e = 0; e < m_header.idCount; ++e) {
        m_readEntry.Read(ar);
        const int index = SizeIndexOfSide(m_readEntry.bWidth);
        if (index < 0)
            continue;
        // An image that overlaps the directory is damage, not a picture: decoding it would
        // turn directory bytes into pixels.
        if (m_readEntry.dwImageOffset < IconDirectoryBytes(m_header.idCount))
            throw CArchiveException(CArchiveException::badSeek);
        m_images[index].ReadImage(ar, m_readEntry.dwImageOffset, *grids[index], kImageSides[index]);
    }
}
