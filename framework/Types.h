// SPDX-License-Identifier: GPL-3.0-or-later
// Basic value types shared by every layer: colour values and integer geometry with the
// classic conventions the program uses (right and bottom edges exclusive).
#pragma once

#include <algorithm>
#include <cstdint>

using COLORREF = std::uint32_t; // 0x00BBGGRR

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

struct CPoint {
    int x = 0;
    int y = 0;
    constexpr CPoint() = default;
    constexpr CPoint(int px, int py)
        : x(px)
        , y(py)
    {
    }
    friend constexpr bool operator==(const CPoint&, const CPoint&) = default;
    friend constexpr CPoint operator+(CPoint a, CPoint b) { return { a.x + b.x, a.y + b.y }; }
    friend constexpr CPoint operator-(CPoint a, CPoint b) { return { a.x - b.x, a.y - b.y }; }
};

struct CSize {
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(const CSize&, const CSize&) = default;
};

// A rectangle whose right and bottom edges are exclusive.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b)
        : left(l)
        , top(t)
        , right(r)
        , bottom(b)
    {
    }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool PtInRect(CPoint p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr CPoint TopLeft() const { return { left, top }; }
    constexpr CPoint BottomRight() const { return { right, bottom }; }
    constexpr CRect Normalized() const
    {
        return { std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom) };
    }
    constexpr CRect Intersected(const CRect& o) const
    {
        return { std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom) };
    }
    // The smallest rectangle holding both; an empty rectangle adds nothing.
    constexpr CRect United(const CRect& o) const
    {
        if (o.IsRectEmpty())
            return *this;
        if (IsRectEmpty())
            return o;
        return { std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom) };
    }
    friend constexpr bool operator==(const CRect&, const CRect&) = default;
};
