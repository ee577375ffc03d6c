// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IconEntryFacts.h"

#include <cstdint>

namespace {

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kPngSignatureBytes = 8;

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

} // namespace

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

QSize BitmapPictureSize(const QByteArray& data)
{
    const std::optional<DibLayout> layout = IsPngStream(data) ? std::nullopt : ReadDibLayout(data);
    return layout ? QSize(layout->width, layout->height) : QSize(0, 0);
}
