// SPDX-License-Identifier: GPL-3.0-or-later
// CBitmap: an off-screen raster surface of 32-bit RGB pixels that a CDC can draw on.
#pragma once

#include "framework/Types.h"

#include <QImage>
#include <QString>

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
    // CLR_INVALID outside the surface.
    COLORREF GetPixel(int x, int y) const;
    // Does nothing outside the surface.
    void SetPixel(int x, int y, COLORREF color);

    const QImage& Image() const { return m_image; }
    QImage& Image() { return m_image; }

private:
    QImage m_image;
};
