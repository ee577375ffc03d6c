// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Bitmap.h"

#include "framework/GdiObjects.h"
#include "framework/QtColor.h"

bool CBitmap::CreateCompatibleBitmap(int width, int height)
{
    m_image = QImage();
    if (width <= 0 || height <= 0)
        return false;
    m_image = QImage(width, height, QImage::Format_RGB32);
    if (m_image.isNull())
        return false;
    Fill(RGB(0, 0, 0));
    return true;
}

bool CBitmap::Attach(const QImage& image)
{
    m_image = image.convertToFormat(QImage::Format_RGB32);
    return !m_image.isNull();
}

void CBitmap::Fill(COLORREF color) { m_image.fill(ToQRgb(color)); }

COLORREF CBitmap::GetPixel(int x, int y) const
{
    if (!m_image.valid(x, y))
        return CLR_INVALID;
    return ToColorRef(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

void CBitmap::SetPixel(int x, int y, COLORREF color)
{
    if (m_image.valid(x, y))
        reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = ToQRgb(color);
}
