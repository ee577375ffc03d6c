// SPDX-License-Identifier: GPL-3.0-or-later
// CBitmap: an off-screen raster surface of 32-bit RGB pixels that a CDC can draw on.
//
// A bitmap remembers the bounding box of what was written since it was last filled in one
// colour, so filling it in that colour again touches only that box: a scratch surface that is
// cleared before every figure costs what the figure drew, not its whole area.
#pragma once

#include "framework/QtColor.h"
#include "framework/Types.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <optional>

// Fills area, which must lie inside the image whose pixels start at bits, with rgb. Inline: a
// view fills one small cell per write.
inline void FillRows(QRgb* bits, qsizetype stride, const CRect& area, QRgb rgb)
{
    QRgb* row = bits + area.top * stride + area.left;
    const int width = area.Width();
    // Most fills are one cell of a few pixels, where a plain loop beats the library fill's
    // set-up.
    for (int y = area.top; y < area.bottom; ++y, row += stride) {
        if (width <= 8) {
            for (int x = 0; x < width; ++x)
                row[x] = rgb;
        } else {
            std::fill_n(row, width, rgb);
        }
    }
}

// Fills the part of rect inside image (32-bit RGB) with rgb, row by row, and returns that part.
CRect FillImageRect(QImage& image, const CRect& rect, QRgb rgb);

class CBitmap {
public:
    CBitmap() = default;

    // Makes a width x height surface, all black. Returns false (and holds nothing) for a
    // non-positive size or when the memory cannot be had.
    bool CreateCompatibleBitmap(int width, int height);
    // Takes a copy of an image, converted to 32-bit RGB (alpha is dropped).
    bool Attach(const QImage& image);

    bool IsNull() const { return m_image.isNull(); }
    int Width() const { return m_tracked ? m_width : m_image.width(); }
    int Height() const { return m_tracked ? m_height : m_image.height(); }
    CSize GetSize() const { return { Width(), Height() }; }
    CRect GetRect() const { return { 0, 0, Width(), Height() }; }

    // The whole surface in one colour.
    void Fill(COLORREF color);
    // The part of rect inside the surface in one colour. Inline, as SetPixel: a view fills one
    // small cell per write.
    void FillRect(const CRect& rect, COLORREF color)
    {
        CheckGeometry();
        const CRect area = rect.Intersected(CRect(0, 0, m_width, m_height));
        if (area.IsRectEmpty())
            return;
        FillRows(Pixels(), m_stride, area, ToQRgb(color));
        NoteWritten(area);
    }
    // CLR_INVALID outside the surface.
    COLORREF GetPixel(int x, int y) const;
    // Does nothing outside the surface. Inline: a view writes thousands per operation.
    void SetPixel(int x, int y, COLORREF color)
    {
        CheckGeometry();
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        Pixels()[y * m_stride + x] = ToQRgb(color);
        NoteWritten({ x, y, x + 1, y + 1 });
    }
    // Row y's Width() pixels to write, or nullptr outside the surface; the row counts as
    // written.
    QRgb* WriteRow(int y);

    // A copy taken of it shares the pixels, so the bitmap asks the image for them again before
    // its next write (which then gets pixels of its own).
    const QImage& Image() const
    {
        m_pixels.Forget();
        return m_image;
    }
    // Direct access to the pixels. What is written through it cannot be seen, so from then on
    // every Fill covers the whole surface.
    QImage& Image();

private:
    friend class CDC;

    // The image for a device context, which reports what it writes through NoteWritten.
    QImage& Surface()
    {
        m_pixels.Forget();
        return m_image;
    }
    // The size and row length, kept so that single-pixel writes need no calls into the image.
    void ReadGeometry();
    void CheckGeometry()
    {
        // Direct access may have replaced the image with one of another size.
        if (!m_tracked)
            ReadGeometry();
    }
    // The pixels to write. Asking the image for them on every write costs more than the write
    // itself, so their address is kept while no other image can share them: every way the
    // image is handed out (a copy of it, of the bitmap, a device context) forgets it.
    QRgb* Pixels()
    {
        if (!m_pixels.Get() || !m_tracked)
            m_pixels.Set(reinterpret_cast<QRgb*>(m_image.bits()));
        return m_pixels.Get();
    }
    // An address that a copy of the bitmap forgets on both sides, since both then share the
    // pixels.
    class PixelAddress {
    public:
        PixelAddress() = default;
        PixelAddress(const PixelAddress& other) { other.Forget(); }
        PixelAddress& operator=(const PixelAddress& other)
        {
            other.Forget();
            Forget();
            return *this;
        }
        QRgb* Get() const { return m_address; }
        void Set(QRgb* address) { m_address = address; }
        void Forget() const { m_address = nullptr; }

    private:
        mutable QRgb* m_address = nullptr;
    };
    void NoteWritten(const CRect& rect)
    {
        if (m_uniform)
            m_written = m_written.United(rect);
    }

    QImage m_image;
    int m_width = 0;
    int m_height = 0;
    qsizetype m_stride = 0;
    PixelAddress m_pixels;
    // False once direct access was given out: writes may then happen unseen.
    bool m_tracked = true;
    // When known: every pixel outside m_written has this colour.
    std::optional<QRgb> m_uniform;
    CRect m_written;
};
