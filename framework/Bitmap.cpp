// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Bitmap.h"

#include "framework/GdiObjects.h"
#include "framework/QtColor.h"

bool CBitmap::CreateCompatibleBitmap(int width, int height)
{
    m_image = QImage();
    m_uniform.reset();
    ReadGeometry();
    if (width <= 0 || height <= 0)
        return false;
    m_image = QImage(width, height, QImage::Format_RGB32);
    ReadGeometry();
    if (m_image.isNull())
        return false;
    Fill(RGB(0, 0, 0));
    return true;
}

bool CBitmap::Attach(const QImage& image)
{
    m_image = image.convertToFormat(QImage::Format_RGB32);
    m_uniform.reset();
    ReadGeometry();
    return !m_image.isNull();
}

void CBitmap::ReadGeometry()
{
    m_width = m_image.width();
    m_height = m_image.height();
    m_stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    m_pixels.Forget();
}

QImage& CBitmap::Image()
{
    m_tracked = false;
    m_uniform.reset();
    return m_image;
}

void CBitmap::Fill(COLORREF color)
{
    const QRgb rgb = ToQRgb(color);
    if (m_uniform == rgb)
        FillRect(m_written, color);
    else
        m_image.fill(rgb);
    if (m_tracked)
        m_uniform = rgb;
    m_written = CRect();
}

CRect FillImageRect(QImage& image, const CRect& rect, QRgb rgb)
{
    const CRect area = rect.Intersected(CRect(0, 0, image.width(), image.height()));
    if (area.IsRectEmpty())
        return {};
    FillRows(reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / qsizetype(sizeof(QRgb)),
        area, rgb);
    return area;
}

COLORREF CBitmap::GetPixel(int x, int y) const
{
    if (!m_image.valid(x, y))
        return CLR_INVALID;
    return ToColorRef(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

QRgb* CBitmap::WriteRow(int y)
{
    if (y < 0 || y >= Height())
        return nullptr;
    NoteWritten({ 0, y, Width(), y + 1 });
    return reinterpret_cast<QRgb*>(m_image.scanLine(y));
}
