// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/IconFile.h"

#include "document/ByteWriter.h"
#include "document/EntryClassifier.h"
#include "framework/Archive.h"
#include "framework/MessageBox.h"

#include <QStringList>
#include <algorithm>
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
    messageBoxes().MessageBox(
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

    // The last offset is the file's length: the whole file is written in place into the
    // archive, with no buffer of its own and no copy.
    std::uint8_t* const start = ar.WriteInPlace(offset);
    ByteWriter out(start);
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
    Q_ASSERT(out.Position() == start + offset);
    return true;
}

namespace {

// Describes an entry from what its bytes say, reading only what lies inside the file and never
// failing: the directory gives the size (0 stands for 256), the image gives its format.
QString DescribeEntry(const CArchive& file, const IconDirEntry& entry)
{
    const auto dimension = [](std::uint8_t v) { return v == 0 ? 256 : int(v); };
    const QString size
        = QStringLiteral("%1 x %2").arg(dimension(entry.bWidth)).arg(dimension(entry.bHeight));
    if (IsPngAt(file, entry.dwImageOffset))
        return size + QStringLiteral(" PNG");
    const std::optional<BitmapInfoHeader> header = HeaderAt(file, entry.dwImageOffset);
    return header ? size + QStringLiteral(" %1-bit").arg(header->biBitCount) : size;
}

} // namespace

void CIconFile::NoteSkipped(const QString& description)
{
    if (std::find(m_skippedImages.begin(), m_skippedImages.end(), description)
        == m_skippedImages.end())
        m_skippedImages.push_back(description);
}

QString CIconFile::SkippedImagesText() const
{
    QStringList texts(m_skippedImages.begin(), m_skippedImages.end());
    return texts.join(QStringLiteral(", "));
}

void CIconFile::LoadIconFile(CArchive& ar, IconGrid& grid16, IconGrid& grid32, IconGrid& grid48)
{
    const std::array<IconGrid*, kImageCount> grids = { &grid16, &grid32, &grid48 };
    m_skippedImages.clear();
    // What fills each grid so far, so that an entry replaced by a later one is noted too.
    std::array<QString, kImageCount> decoded;
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
            if (!decoded[index].isEmpty())
                NoteSkipped(decoded[index]);
            decoded[index] = DescribeEntry(ar, m_readEntry);
            continue;
        }
        NoteSkipped(DescribeEntry(ar, m_readEntry));
    }
}
