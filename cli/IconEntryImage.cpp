// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IconEntryImage.h"

#include <cstdint>

namespace {

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

QSize DecodedPictureSize(const QByteArray& data)
{
    if (!IsPngStream(data))
        return BitmapPictureSize(data);
    return DecodeIconEntry(data).size();
}
