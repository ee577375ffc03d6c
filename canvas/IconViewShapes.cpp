// SPDX-License-Identifier: GPL-3.0-or-later
// The figure tools. Rectangles, ellipses and the free line are drawn with the device context
// on the view's scratch raster and read back cell by cell through marker colours: black for
// the pen, green for the interior. Anti-aliased figures are drawn at double scale and blended
// from their 2 x 2 coverage.
#include "canvas/IconView.h"

#include "document/IconDoc.h"
#include "framework/DC.h"
#include "state/ToolState.h"

namespace {

constexpr COLORREF kPenMarker = RGB(0, 0, 0);
constexpr COLORREF kFillMarker = RGB(0, 255, 0);
constexpr COLORREF kUntouched = RGB(255, 255, 255);

// One step further along each axis in the drag's direction, so the line ends on the end cell.
CPoint PushedEnd(CPoint a, CPoint b)
{
    const auto push = [](int from, int to) { return to + (from < to) - (from > to); };
    return { push(a.x, b.x), push(a.y, b.y) };
}

} // namespace

void CIconView::DrawRowLine(CPoint a, CPoint b)
{
    for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x)
        PaintPixel(x, a.y, m_penColor);
}

void CIconView::DrawColumnLine(CPoint a, CPoint b)
{
    for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
        PaintPixel(a.x, y, m_penColor);
}

// Draws a rectangle or ellipse in box (scaled by 2 when anti-aliased) on the scratch raster
// and maps it back into the image.
void CIconView::DrawRasterFigure(const CRect& box, bool ellipse, bool filled, COLORREF pen)
{
    CBitmap& scratch = m_bmpScratch[std::size_t(m_nSize)];
    const bool blend = ellipse && toolState.antiAlias != 0;
    const int k = blend ? 2 : 1;
    {
        CDC dc(&scratch);
        dc.FillSolidRect(scratch.GetRect(), kUntouched);
        dc.SelectObject(CPen(PS_SOLID, 1, kPenMarker));
        if (filled)
            dc.SelectObject(CBrush(kFillMarker));
        else
            dc.SelectStockObject(NULL_BRUSH);
        const CRect scaled(k * box.left, k * box.top, k * box.right, k * box.bottom);
        if (ellipse)
            dc.Ellipse(scaled);
        else
            dc.Rectangle(scaled);
    }
    if (blend) {
        BlendCoverage(filled, pen);
        BlendCoverage(filled, pen);
        return;
    }
    for (int x = box.left; x < box.right; ++x) {
        for (int y = box.top; y < box.bottom; ++y) {
            const COLORREF marker = scratch.GetPixel(x, y);
            if (marker == kPenMarker)
                PaintPixel(x, y, pen);
            else if (filled && marker == kFillMarker)
                PaintPixel(x, y, m_fillColor);
        }
    }
}

void CIconView::DrawRectangle(int left, int top, int right, int bottom)
{
    DrawRasterFigure(CRect(left, top, right, bottom), false, false, m_penColor);
}

void CIconView::DrawFilledRectangle(int left, int top, int right, int bottom)
{
    DrawRasterFigure(CRect(left, top, right, bottom), false, true, m_penColor);
}

void CIconView::DrawEllipse(int left, int top, int right, int bottom)
{
    DrawRasterFigure(CRect(left, top, right, bottom), true, false, m_penColor);
}

void CIconView::DrawFilledEllipse(int left, int top, int right, int bottom)
{
    DrawRasterFigure(CRect(left, top, right, bottom), true, true, m_penColor);
}

void CIconView::DrawLine(CPoint a, CPoint b)
{
    CBitmap& scratch = m_bmpScratch[std::size_t(m_nSize)];
    const CPoint end = PushedEnd(a, b);
    const int k = toolState.antiAlias != 0 ? 2 : 1;
    {
        CDC dc(&scratch);
        dc.FillSolidRect(scratch.GetRect(), kUntouched);
        dc.SelectObject(CPen(PS_SOLID, 1, kPenMarker));
        dc.MoveTo(k * a.x, k * a.y);
        dc.LineTo(k * end.x, k * end.y);
    }
    if (k == 2) {
        BlendCoverage(false, m_penColor);
        BlendCoverage(false, m_penColor);
        return;
    }
    // The whole image is read back: the pushed end may lie outside the box.
    const int n = Side();
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            if (scratch.GetPixel(x, y) == kPenMarker)
                PaintPixel(x, y, m_penColor);
}

void CIconView::BlendCoverage(bool filled, COLORREF pen)
{
    const CBitmap& scratch = m_bmpScratch[std::size_t(m_nSize)];
    const auto& grid = GetDocument()->m_pixels[std::size_t(m_nSize)];
    const int n = Side();
    const auto mix = [](int a, int wa, int b, int wb) { return (a * wa + b * wb) / 4; };
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            int p = 0;
            int f = 0;
            for (const CPoint sub : { CPoint(2 * x, 2 * y), CPoint(2 * x, 2 * y + 1),
                     CPoint(2 * x + 1, 2 * y), CPoint(2 * x + 1, 2 * y + 1) }) {
                const COLORREF marker = scratch.GetPixel(sub.x, sub.y);
                p += marker == kPenMarker;
                f += filled && marker == kFillMarker;
            }
            if (f != 0) {
                // The cell's own value plays no part: rim cells come out darker.
                PaintPixel(x, y,
                    RGB(mix(GetRValue(m_fillColor), f, GetRValue(pen), p),
                        mix(GetGValue(m_fillColor), f, GetGValue(pen), p),
                        mix(GetBValue(m_fillColor), f, GetBValue(pen), p)));
            } else if (p != 0) {
                const COLORREF present = grid[std::size_t(x)][std::size_t(y)];
                PaintPixel(x, y,
                    RGB(mix(GetRValue(present), 4 - p, GetRValue(pen), p),
                        mix(GetGValue(present), 4 - p, GetGValue(pen), p),
                        mix(GetBValue(present), 4 - p, GetBValue(pen), p)));
            }
        }
    }
}
