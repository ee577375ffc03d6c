// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GridImage.h"

#include <QBuffer>
#include <algorithm>

QImage GridToImage(const IconGrid& grid, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            const COLORREF c = grid[x][y];
            image.setPixel(x, y,
                c == ICON_TRANSPARENT ? qRgba(0, 0, 0, 0)
                                      : qRgba(GetRValue(c), GetGValue(c), GetBValue(c), 255));
        }
    }
    return image;
}

void ImageToGrid(const QImage& image, IconGrid& grid)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int side = std::min({ argb.width(), argb.height(), kMaxSide });
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            const QRgb p = argb.pixel(x, y);
            grid[x][y] = qAlpha(p) < 128 ? ICON_TRANSPARENT : RGB(qRed(p), qGreen(p), qBlue(p));
        }
    }
}

QByteArray EncodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
