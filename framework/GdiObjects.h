// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing objects and modes a CDC understands, under the names the program uses for them.
// Pens and brushes are small values: selecting one into a CDC copies it.
#pragma once

#include "framework/Types.h"

#include <QtGlobal>

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Pen styles. Every pen is one pixel wide.
enum : int {
    PS_SOLID = 0,
    PS_DOT = 2, // alternate pixels along each figure, starting with a dot
    PS_NULL = 5,
};

// Stock objects for CDC::SelectStockObject.
enum : int {
    WHITE_BRUSH = 0,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = NULL_BRUSH,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
};

// Mix modes for pen and brush pixels (CDC::SetROP2).
enum : int {
    R2_NOTXORPEN = 10, // pixel := NOT (screen XOR pen): drawing a figure twice restores the screen
    R2_COPYPEN = 13,
};

// Background modes: whether text cells and the gaps of dotted pens are painted in the
// background colour.
enum : int {
    TRANSPARENT = 1,
    OPAQUE = 2,
};

// Raster operations of the block copies.
enum : quint32 {
    SRCCOPY = 0x00CC0020,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// Flood fill kinds (CDC::ExtFloodFill).
enum : int {
    FLOODFILLBORDER = 0, // fill up to pixels of the given colour
    FLOODFILLSURFACE = 1, // fill the pixels of the given colour
};

class CPen {
public:
    // The default pen: solid black.
    CPen() = default;
    // Only one-pixel pens exist; nWidth is kept for the familiar signature and must be 0 or 1.
    CPen(int nPenStyle, int nWidth, COLORREF crColor)
        : m_style(nPenStyle)
        , m_color(crColor)
    {
        Q_ASSERT(nWidth <= 1);
        Q_ASSERT(nPenStyle == PS_SOLID || nPenStyle == PS_DOT || nPenStyle == PS_NULL);
    }
    int GetStyle() const { return m_style; }
    COLORREF GetColor() const { return m_color; }
    bool IsNull() const { return m_style == PS_NULL; }
    bool IsDotted() const { return m_style == PS_DOT; }

private:
    int m_style = PS_SOLID;
    COLORREF m_color = RGB(0, 0, 0);
};

class CBrush {
public:
    // The default brush: solid white.
    CBrush() = default;
    explicit CBrush(COLORREF crColor)
        : m_color(crColor)
    {
    }
    // A brush that paints nothing: figures drawn with it keep their interior.
    static CBrush Hollow()
    {
        CBrush brush;
        brush.m_null = true;
        return brush;
    }
    COLORREF GetColor() const { return m_color; }
    bool IsNull() const { return m_null; }

private:
    COLORREF m_color = RGB(255, 255, 255);
    bool m_null = false;
};
