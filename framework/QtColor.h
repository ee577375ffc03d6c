// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the program's colour values (0x00BBGGRR) and Qt's (0xAARRGGBB).
#pragma once

#include "framework/Types.h"

#include <QColor>
#include <QRgb>

// An opaque Qt pixel for a colour value; the unused top byte of the colour is ignored.
constexpr QRgb ToQRgb(COLORREF c)
{
    return 0xFF000000u | (QRgb(GetRValue(c)) << 16) | (QRgb(GetGValue(c)) << 8)
        | QRgb(GetBValue(c));
}

// The colour value of a Qt pixel; alpha is dropped.
constexpr COLORREF ToColorRef(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

inline QColor ToQColor(COLORREF c) { return QColor::fromRgb(ToQRgb(c)); }
inline COLORREF ToColorRef(const QColor& color) { return ToColorRef(color.rgb()); }
