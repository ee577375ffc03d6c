// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/IconImage.h"

#include "document/ByteWriter.h"
#include "document/EntryClassifier.h"
#include "framework/Archive.h"

#include <vector>

void BitmapInfoHeader::Read(CArchive& ar)
{
    biSize = ar.ReadDWord();
    biWidth = std::int32_t(ar.ReadDWord());
    biHeight = std::int32_t(ar.ReadDWord());
    biPlanes = ar.ReadWord();
    biBitCount = ar.ReadWord();
    biCompression = ar.ReadDWord();
    biSizeImage = ar.ReadDWord();
    biXPelsPerMeter = std::int32_t(ar.ReadDWord());
    biYPelsPerMeter = std::int32_t(ar.ReadDWord());
    biClrUsed = ar.ReadDWord();
    biClrImportant = ar.ReadDWord();
}

void BitmapInfoHeader::Write(ByteWriter& out) const
{
    out.DWord(biSize);
    out.DWord(std::uint32_t(biWidth));
    out.DWord(std::uint32_t(biHeight));
    out.Word(biPlanes);
    out.Word(biBitCount);
    out.DWord(biCompression);
    out.DWord(biSizeImage);
    out.DWord(std::uint32_t(biXPelsPerMeter));
    out.DWord(std::uint32_t(biYPelsPerMeter));
    out.DWord(biClrUsed);
    out.DWord(biClrImportant);
}

CIconImage::CIconImage(int side)
    : m_nSide(side)
{
    m_header.biWidth = side;
    m_header.biHeight = 2 * side;
    m_header.biSizeImage = std::uint32_t(side * side + side * MaskRowLength(side));
    m_colorTable.Reset();
}

std::uint32_t CIconImage::GetResourceSize() const
{
    if (SizeIndexOfSide(m_nSide) < 0)
        return 0;
    return 40 + 1024 + std::uint32_t(m_nSide * m_nSide + m_nSide * MaskRowLength(m_nSide));
}

std::size_t CIconImage::StoredBytes(int side, int bits)
{
    constexpr std::size_t kHeaderBytes = 40;
    return kHeaderBytes + (std::size_t(1) << bits) * 4 + std::size_t(side * side * bits / 8)
        + std::size_t(side * MaskRowLength(side));
}

void CIconImage::Encode(const IconGrid& grid)
{
    const int s = m_nSide;
    // Columns first, as the grid is laid out: the table order follows this scan. A colour's
    // position never changes once it is in the table, so each cell's index is known as soon
    // as its colour has been added; a colour that did not fit gets 0, black. A transparent
    // cell is stored as black under a set mask bit: the table finds it at black's position
    // without taking it in. Rows are stored bottom first.
    m_colorTable.Reset();
    m_colorTable.Add(RGB(0, 0, 0));
    m_colorTable.SetStandIn(ICON_TRANSPARENT, 0);
    for (int x = 0; x < s; ++x)
        m_colorTable.AddAndIndexAll(
            grid[std::size_t(x)].data(), s, &m_indices[std::size_t((s - 1) * s + x)], -s);
    EncodeMask(grid);
}

void CIconImage::EncodeMask(const IconGrid& grid)
{
    const int s = m_nSide;
    const auto maskRow = std::size_t(MaskRowLength(s));
    // A row at a time, eight cells to a byte, the leftmost in the top bit; a row's padding
    // stays clear. Sides are multiples of eight.
    m_mask.fill(0);
    for (int y = 0; y < s; ++y) {
        std::uint8_t* row = &m_mask[std::size_t(s - 1 - y) * maskRow];
        for (int left = 0; left < s; left += 8) {
            unsigned bits = 0;
            for (int k = 0; k < 8; ++k)
                bits = bits << 1
                    | unsigned(grid[std::size_t(left + k)][std::size_t(y)] == ICON_TRANSPARENT);
            row[left / 8] = std::uint8_t(bits);
        }
    }
}

void CIconImage::WriteImage(ByteWriter& out) const
{
    const int s = m_nSide;
    m_header.Write(out);
    // Each entry is blue, green, red and a zero byte.
    ByteWriter table(out.Take(CColorTable::kCapacity * 4));
    for (COLORREF c : m_colorTable.Colors())
        table.DWord(std::uint32_t(GetBValue(c)) | std::uint32_t(GetGValue(c)) << 8
            | std::uint32_t(GetRValue(c)) << 16);
    out.Bytes(m_indices.data(), std::size_t(s * s));
    out.Bytes(m_mask.data(), std::size_t(s * MaskRowLength(s)));
}

void CIconImage::WriteImage(CArchive& ar) const
{
    std::array<std::uint8_t, 40 + 1024 + kMaxSide * kMaxSide + sizeof m_mask> bytes;
    ByteWriter out(bytes.data());
    WriteImage(out);
    ar.Write(bytes.data(), std::size_t(out.Position() - bytes.data()));
}

namespace {

// Restores the archive position when an image has been read or skipped.
class PositionKeeper {
public:
    explicit PositionKeeper(CArchive& ar)
        : m_ar(ar)
        , m_pos(ar.GetPosition())
    {
    }
    ~PositionKeeper()
    {
        if (m_ar.Has(m_pos, 0))
            m_ar.Seek(m_pos);
    }
    PositionKeeper(const PositionKeeper&) = delete;
    PositionKeeper& operator=(const PositionKeeper&) = delete;

private:
    CArchive& m_ar;
    std::size_t m_pos;
};

} // namespace

bool CIconImage::ReadImage(CArchive& file, std::uint32_t offset, IconGrid& grid, int s)
{
    const EntryVerdict verdict = ClassifyStoredImage(file, offset, s);
    if (verdict.use == EntryUse::Damaged)
        throw CArchiveException(CArchiveException::endOfFile);
    if (verdict.use == EntryUse::Skipped)
        return false;
    PositionKeeper keep(file);
    file.Seek(offset);
    BitmapInfoHeader header;
    header.Read(file);
    const int bits = header.biBitCount;
    const int entries = 1 << bits;
    const int indexRowBytes = s * bits / 8;
    const int maskRow = MaskRowLength(s);

    // The classifier has checked that all of it lies inside the file; it is read before the
    // grid is touched all the same, so the grid changes only when the whole image is there.
    std::vector<std::uint8_t> table(std::size_t(entries * 4));
    std::vector<std::uint8_t> indexRows(std::size_t(s * indexRowBytes));
    std::vector<std::uint8_t> maskRows(std::size_t(s * maskRow));
    file.Read(table.data(), table.size());
    file.Read(indexRows.data(), indexRows.size());
    file.Read(maskRows.data(), maskRows.size());

    const auto colourAt = [&](int index) {
        const std::uint8_t* q = &table[std::size_t(index * 4)];
        return RGB(q[2], q[1], q[0]);
    };
    for (int row = 0; row < s; ++row) {
        const int y = s - 1 - row;
        const std::uint8_t* indexRow = &indexRows[std::size_t(row * indexRowBytes)];
        const std::uint8_t* mask = &maskRows[std::size_t(row * maskRow)];
        for (int x = 0; x < s; ++x) {
            if ((mask[x / 8] >> (7 - x % 8)) & 1) {
                grid[x][y] = ICON_TRANSPARENT;
                continue;
            }
            const int index = bits == 8
                ? indexRow[x]
                : (x % 2 == 0 ? indexRow[x / 2] >> 4 : indexRow[x / 2] & 0x0F);
            grid[x][y] = colourAt(index);
        }
    }
    return true;
}
