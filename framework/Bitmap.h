// SPDX-License-Identifier: GPL-3.0-or-later
// CBitmap: an off-screen raster surface of 32-bit RGB pixels that a CDC can draw on.
//
// A bitmap remembers the bounding box of what was written since it was last filled in one
// colour, so filling it in that colour again touches only that box: a scratch surface that is
// cleared before every figure costs what the figure drew, not its whole area.
#pragma once

#include "framework/Types.h"

#include <QImage>
#include <QString>
#include <optional>

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
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    CSize GetSize() const { return { Width(), Height() }; }
    CRect GetRect() const { return { 0, 0, Width(), Height() }; }

    // The whole surface in one colour.
    void Fill(COLORREF color);
    // The part of rect inside the surface in one colour.
    void FillRect(const CRect& rect, COLORREF color);
    // CLR_INVALID outside the surface.
    COLORREF GetPixel(int x, int y) const;
    // Does nothing outside the surface.
    void SetPixel(int x, int y, COLORREF color);
    // Row y's Width() pixels to write, or nullptr outside the surface; the row counts as
    // written.
    QRgb* WriteRow(int y);

    const QImage& Image() const { return m_image; }
    // Direct access to the pixels. What is written through it cannot be seen, so from then on
    // every Fill covers the whole surface.
    QImage& Image();

private:
    friend class CDC;

    // The image for a device context, which reports what it writes through NoteWritten.
    QImage& Surface() { return m_image; }
    // The size and row length, kept so that single-pixel writes need no calls into the image.
    void ReadGeometry();
    void CheckGeometry();
    void NoteWritten(const CRect& rect)
    {
        if (m_uniform)
            m_written = m_written.United(rect);
    }

    QImage m_image;
    int m_width = 0;
    int m_height = 0;
    qsizetype m_stride = 0;
    // False once direct access was given out: writes may then happen unseen.
    bool m_tracked = true;
    // When known: every pixel outside m_written has this colour.
    std::optional<QRgb> m_uniform;
    CRect m_written;
};
