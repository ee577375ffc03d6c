// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IconEntryImage.h"

#include <cstdint>

namespace {

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kPngSignatureBytes = 8;
// Larger pictures are refused: no icon entry comes near, and the sizes below stay in range.
constexpr int kMaxEntrySide = 4096;

std::uint32_t LittleEndian(const QByteArray& d, qsizetype at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | std::uint8_t(d[at + i]);
    return v;
}

std::uint32_t BigEndian32(const QByteArray& d, qsizetype at)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | std::uint8_t(d[at + i]);
    return v;
}

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

std::optional<DibLayout> ReadDibLayout(const QByteArray& d)
{
    if (d.size() < 40)
        return std::nullopt;
    const std::uint32_t headerBytes = LittleEndian(d, 0, 4);
    const auto width = std::int32_t(LittleEndian(d, 4, 4));
    const auto doubledHeight = std::int32_t(LittleEndian(d, 8, 4));
    const int bits = int(LittleEndian(d, 14, 2));
    const std::uint32_t compression = LittleEndian(d, 16, 4);
    const std::uint32_t coloursUsed = LittleEndian(d, 32, 4);
    if (headerBytes < 40 || headerBytes > 1024 || compression != 0 || width <= 0
        || width > kMaxEntrySide || doubledHeight <= 0 || doubledHeight > 2 * kMaxEntrySide)
        return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;

    DibLayout layout;
    layout.width = width;
    layout.height = doubledHeight / 2;
    layout.bits = bits;
    if (layout.height == 0)
        return std::nullopt;
    layout.paletteAt = headerBytes;
    if (bits <= 8) {
        const int full = 1 << bits;
        layout.paletteEntries
            = coloursUsed > 0 && coloursUsed < std::uint32_t(full) ? int(coloursUsed) : full;
    }
    layout.pixelsAt = layout.paletteAt + qsizetype(layout.paletteEntries) * 4;
    layout.pixelStride = ((qsizetype(width) * bits + 31) / 32) * 4;
    layout.maskAt = layout.pixelsAt + layout.pixelStride * layout.height;
    layout.maskStride = ((qsizetype(width) + 31) / 32) * 4;
    if (d.size() < layout.maskAt)
        return std::nullopt;
    layout.hasMask = d.size() >= layout.maskAt + layout.maskStride * layout.height;
    // A 32-bit image may do without its mask; the others need it for transparency.
    if (!layout.hasMask && bits != 32)
        return std::nullopt;
    return layout;
}

QRgb PaletteColour(const QByteArray& d, const DibLayout& l, int index)
{
    if (index >= l.paletteEntries)
        return qRgb(0, 0, 0);
    const qsizetype at = l.paletteAt + qsizetype(index) * 4;
    return qRgb(std::uint8_t(d[at + 2]), std::uint8_t(d[at + 1]), std::uint8_t(d[at]));
}

QRgb BitmapPixel(const QByteArray& d, const DibLayout& l, qsizetype rowAt, int x)
{
    switch (l.bits) {
    case 32: {
        const qsizetype at = rowAt + qsizetype(x) * 4;
        return qRgba(std::uint8_t(d[at + 2]), std::uint8_t(d[at + 1]), std::uint8_t(d[at]),
            std::uint8_t(d[at + 3]));
    }
    case 24: {
        const qsizetype at = rowAt + qsizetype(x) * 3;
        return qRgb(std::uint8_t(d[at + 2]), std::uint8_t(d[at + 1]), std::uint8_t(d[at]));
    }
    default: {
        const int perByte = 8 / l.bits;
        const auto byte = std::uint8_t(d[rowAt + x / perByte]);
        const int shift = 8 - l.bits * (x % perByte + 1);
        return PaletteColour(d, l, (byte >> shift) & ((1 << l.bits) - 1));
    }
    }
}

bool AnyAlpha(const QByteArray& d, const DibLayout& l)
{
    for (int row = 0; row < l.height; ++row)
        for (int x = 0; x < l.width; ++x)
            if (d[l.pixelsAt + row * l.pixelStride + qsizetype(x) * 4 + 3] != 0)
                return true;
    return false;
}

QImage DecodeBitmap(const QByteArray& d)
{
    const std::optional<DibLayout> layout = ReadDibLayout(d);
    if (!layout)
        return {};
    const DibLayout& l = *layout;
    const bool useAlpha = l.bits == 32 && AnyAlpha(d, l);
    QImage image(l.width, l.height, QImage::Format_ARGB32);
    for (int row = 0; row < l.height; ++row) {
        const int y = l.height - 1 - row; // rows are stored bottom-up
        const qsizetype rowAt = l.pixelsAt + row * l.pixelStride;
        const qsizetype maskRowAt = l.maskAt + row * l.maskStride;
        for (int x = 0; x < l.width; ++x) {
            QRgb p = BitmapPixel(d, l, rowAt, x);
            if (!useAlpha) {
                const bool masked
                    = l.hasMask && ((std::uint8_t(d[maskRowAt + x / 8]) >> (7 - x % 8)) & 1);
                p = masked ? qRgba(0, 0, 0, 0) : (p | 0xFF000000u);
            }
            image.setPixel(x, y, p);
        }
    }
    return image;
}

} // namespace

bool IsPngStream(const QByteArray& data)
{
    return data.startsWith(QByteArray::fromRawData(kPngSignature, kPngSignatureBytes));
}

std::optional<PngFacts> ReadPngFacts(const QByteArray& data)
{
    // Signature, chunk length, "IHDR", width, height, bit depth, colour type.
    if (!IsPngStream(data) || data.size() < 26 || data.mid(12, 4) != "IHDR")
        return std::nullopt;
    const int depth = std::uint8_t(data[24]);
    int channels = 0;
    switch (std::uint8_t(data[25])) {
    case 0:
        channels = 1;
        break; // grey
    case 2:
        channels = 3;
        break; // RGB
    case 3:
        channels = 1;
        break; // palette indices
    case 4:
        channels = 2;
        break; // grey and alpha
    case 6:
        channels = 4;
        break; // RGBA
    default:
        return std::nullopt;
    }
    return PngFacts { int(BigEndian32(data, 16)), int(BigEndian32(data, 20)), channels * depth };
}

QImage DecodeIconEntry(const QByteArray& data)
{
    if (!IsPngStream(data))
        return DecodeBitmap(data);
    const std::optional<PngFacts> facts = ReadPngFacts(data);
    if (!facts || facts->width <= 0 || facts->height <= 0 || facts->width > kMaxEntrySide
        || facts->height > kMaxEntrySide)
        return {};
    QImage image = QImage::fromData(data, "PNG");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}
