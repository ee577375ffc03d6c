// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/IcoBuilder.h"

#include "framework/Archive.h"

#include <QFile>

namespace {

void AppendWord(QByteArray& out, std::uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void AppendDWord(QByteArray& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((v >> shift) & 0xFF));
}

int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

COLORREF PaletteAt(const ForeignImage& image, int index)
{
    return index >= 0 && std::size_t(index) < image.palette.size()
        ? image.palette[std::size_t(index)]
        : RGB(0, 0, 0);
}

QByteArray ImageBytes(const ForeignImage& image)
{
    const int w = image.headerWidth;
    const int bits = image.bits;
    const int maskRow = RowBytes(w, 1);
    QByteArray out;
    for (std::uint32_t v : { 40u, std::uint32_t(w), std::uint32_t(2 * w) })
        AppendDWord(out, v);
    AppendWord(out, 1);
    AppendWord(out, std::uint16_t(bits));
    AppendDWord(out, 0);
    AppendDWord(out, std::uint32_t(w * (RowBytes(w, bits) + maskRow)));
    for (int i = 0; i < 4; ++i)
        AppendDWord(out, 0);

    if (bits <= 8) {
        for (int k = 0; k < (1 << bits); ++k) {
            const COLORREF c = PaletteAt(image, k);
            out.append(char(GetBValue(c))).append(char(GetGValue(c))).append(char(GetRValue(c)));
            out.append('\0');
        }
    }
    for (int y = w - 1; y >= 0; --y) {
        QByteArray row(RowBytes(w, bits), '\0');
        for (int x = 0; x < w; ++x) {
            const int index = image.index(x, y);
            if (bits <= 8) {
                const int bit = x * bits;
                const int shift = 8 - bits - bit % 8;
                row[bit / 8] = char(row[bit / 8] | ((index & ((1 << bits) - 1)) << shift));
            } else {
                const COLORREF c = PaletteAt(image, index);
                const int at = x * bits / 8;
                row[at] = char(GetBValue(c));
                row[at + 1] = char(GetGValue(c));
                row[at + 2] = char(GetRValue(c));
                if (bits == 32)
                    row[at + 3] = char(0xFF);
            }
        }
        out.append(row);
    }
    for (int y = w - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < maskRow * 8; ++x) {
            const bool set = x < w ? image.transparent(x, y) : image.maskPaddingSet;
            if (set)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray BuildIcon(const ForeignIcon& icon)
{
    const auto count = std::uint16_t(icon.images.size());
    QByteArray out;
    AppendWord(out, 0);
    AppendWord(out, icon.type);
    AppendWord(out, count);
    std::vector<QByteArray> images;
    std::uint32_t offset = 6 + 16u * count;
    for (const ForeignImage& image : icon.images) {
        images.push_back(ImageBytes(image));
        out.append(char(image.entryWidth)).append(char(image.entryWidth));
        out.append(char(image.bits < 8 ? 1 << image.bits : 0)).append('\0');
        AppendWord(out, 1);
        AppendWord(out, std::uint16_t(image.bits));
        AppendDWord(out, std::uint32_t(images.back().size()));
        AppendDWord(out, offset);
        offset += std::uint32_t(images.back().size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

void PutWord(QByteArray& bytes, int pos, std::uint16_t value)
{
    bytes[pos] = char(value & 0xFF);
    bytes[pos + 1] = char(value >> 8);
}

void PutDWord(QByteArray& bytes, int pos, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[pos + i] = char((value >> (8 * i)) & 0xFF);
}

std::uint16_t GetWord(const QByteArray& bytes, int pos)
{
    return std::uint16_t(std::uint8_t(bytes[pos]) | (std::uint8_t(bytes[pos + 1]) << 8));
}

std::uint32_t GetDWord(const QByteArray& bytes, int pos)
{
    return std::uint32_t(GetWord(bytes, pos)) | (std::uint32_t(GetWord(bytes, pos + 2)) << 16);
}

QByteArray SaveToBytes(CIconDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ToQByteArray(ar.Buffer());
}

void LoadFromBytes(CIconDoc& doc, const QByteArray& bytes)
{
    CArchive ar(ToBytes(bytes));
    doc.Serialize(ar);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PaintTestPattern(CIconDoc& doc, std::initializer_list<int> sides, int colours)
{
    for (int side : sides) {
        IconGrid& grid = doc.m_pixels[SizeIndexOfSide(side)];
        for (int x = 0; x < side; ++x) {
            for (int y = 0; y < side; ++y) {
                // Diagonal bands stay transparent; k picks one of the opaque colours, black
                // (k = 0) among them. 37 is odd, so the red values alone keep them distinct.
                const int k = (x * 7 + y * 3 + side) % colours;
                grid[x][y] = (x + y) % 5 == 0 ? ICON_TRANSPARENT
                    : k == 0                  ? RGB(0, 0, 0)
                             : RGB(k * 37 % 256, k * 91 % 256, (k * 53 + side) % 256);
            }
        }
    }
}
