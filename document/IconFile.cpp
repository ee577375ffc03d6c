// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/IconFile.h"

#include "document/ByteWriter.h"
#include "document/EntryClassifier.h"
#include "framework/Archive.h"

#include <algorithm>
#include <string>
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

bool IsAnyImageDrawn(const std::array<IconGrid, kImageCount>& grids)
{
    for (int i = 0; i < kImageCount; ++i)
        if (IsImageDrawn(grids[std::size_t(i)], kImageSides[i]))
            return true;
    return false;
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

CIconFile::CIconFile()
    : m_images { CIconImage(16), CIconImage(32), CIconImage(48) }
{
}

namespace {

// Describes an entry from what its bytes say, reading only what lies inside the file and never
// failing: the directory gives the size (0 stands for 256), the image gives its format.
std::string DescribeEntry(const CArchive& file, const IconDirEntry& entry)
{
    const auto dimension = [](std::uint8_t v) { return std::to_string(v == 0 ? 256 : int(v)); };
    const std::string size = dimension(entry.bWidth) + " x " + dimension(entry.bHeight);
    if (IsPngAt(file, entry.dwImageOffset))
        return size + " PNG";
    const std::optional<BitmapInfoHeader> header = HeaderAt(file, entry.dwImageOffset);
    return header ? size + " " + std::to_string(header->biBitCount) + "-bit" : size;
}

} // namespace

void CIconFile::NoteSkipped(const std::string& description)
{
    if (std::find(m_skippedImages.begin(), m_skippedImages.end(), description)
        == m_skippedImages.end())
        m_skippedImages.push_back(description);
}

std::string CIconFile::SkippedImagesText() const
{
    std::string text;
    for (const std::string& skipped : m_skippedImages)
        text += (text.empty() ? "" : ", ") + skipped;
    return text;
}

void CIconFile::LoadIconFile(CArchive& ar, IconGrid& grid16, IconGrid& grid32, IconGrid& grid48)
{
    const std::array<IconGrid*, kImageCount> grids = { &grid16, &grid32, &grid48 };
    m_skippedImages.clear();
    // What fills each grid so far, so that an entry replaced by a later one is noted too.
    std::array<std::string, kImageCount> decoded;
    m_header.idReserved = ar.ReadWord();
    m_header.idType = ar.ReadWord();
    m_header.idCount = ar.ReadWord();
    // A directory that cannot fit in the file is refused before any entry is read.
    if (!ar.Has(ar.GetPosition(), std::size_t(m_header.idCount) * IconDirEntry::kBytes))
        throw CArchiveException(CArchiveException::endOfFile);
    for (unsigned e = 0; e < m_header.idCount; ++e) {
        m_readEntry.Read(ar);
        // An offset into the directory is read like any other: the bytes there are the file's
        // own, and unless they happen to form a header of the entry's width the image is
        // skipped like any other unusable one.
        const EntryVerdict verdict = ClassifyEntry(ar, m_readEntry);
        if (verdict.use == EntryUse::Damaged)
            throw CArchiveException(CArchiveException::endOfFile);
        if (verdict.use == EntryUse::Used) {
            const int index = SizeIndexOfSide(m_readEntry.bWidth);
            m_images[index].ReadImage(
                ar, m_readEntry.dwImageOffset, *grids[index], kImageSides[index]);
            if (!decoded[index].empty())
                NoteSkipped(decoded[index]);
            decoded[index] = DescribeEntry(ar, m_readEntry);
            continue;
        }
        NoteSkipped(DescribeEntry(ar, m_readEntry));
    }
}
