// SPDX-License-Identifier: GPL-3.0-or-later
// The flood fill: the area of the clicked cell's exact value, found through edge neighbours.
#include "canvas/IconView.h"

#include "document/IconDoc.h"
#include "framework/DC.h"

namespace {
constexpr COLORREF kBoundary = RGB(0, 0, 0);
constexpr COLORREF kCandidate = RGB(255, 0, 0);
constexpr COLORREF kFilled = RGB(0, 0, 255);
}

void CIconView::FloodFillAt(int x, int y, COLORREF colour)
{
    const std::size_t s = std::size_t(m_nSize);
    const int n = Side();
    if (x < 0 || y < 0 || x >= n || y >= n)
        return;
    const auto& grid = GetDocument()->m_pixels[s];
    const COLORREF target = grid[std::size_t(x)][std::size_t(y)];
    CBitmap& scratch = m_bmpScratch[s];
    {
        CDC dc(&scratch);
        dc.FillSolidRect(scratch.GetRect(), kBoundary);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                if (grid[std::size_t(i)][std::size_t(j)] == target)
                    dc.SetPixel(i, j, kCandidate);
        // Outside the image the raster stays black, so the fill never leaves it.
        dc.SelectObject(CBrush(kFilled));
        dc.FloodFill(x, y, kBoundary);
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (scratch.GetPixel(i, j) == kFilled)
                PaintPixel(i, j, colour);
}
