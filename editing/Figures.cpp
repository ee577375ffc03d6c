// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Figures.h"

#include "framework/Raster.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace editing {

namespace {

    constexpr int kBlendScale = 2;
    constexpr int kMaxRasterSide = kBlendScale * kMaxSide;

    enum class Mark : std::uint8_t { None, Pen, Fill };

    // What the rasteriser covers of a figure, within the image at a scale of 1 or 2: pen or
    // brush per raster pixel, plus the raster box the marks reach.
    class MarkRaster {
    public:
        MarkRaster(int side, int scale)
            : m_side(std::clamp(side, 0, kMaxSide) * scale)
        {
        }

        void MarkFigure(const raster::Figure& figure, bool withBrush)
        {
            // The pen is drawn over the brush, as on a device context.
            if (withBrush) {
                for (const raster::Span& span : figure.interior)
                    for (int x = span.left; x < span.right; ++x)
                        Set({ x, span.y }, Mark::Fill);
            }
            for (CPoint p : figure.outline)
                Set(p, Mark::Pen);
        }
        void MarkLine(CPoint from, CPoint to)
        {
            for (CPoint p : raster::LinePixels(from, to))
                Set(p, Mark::Pen);
        }

        Mark At(int x, int y) const { return m_marks[Index(x, y)]; }
        // The cells of scale x scale raster pixels that hold any mark.
        CRect MarkedCells(int scale) const
        {
            if (m_reach.IsRectEmpty())
                return {};
            return { m_reach.left / scale, m_reach.top / scale, (m_reach.right + scale - 1) / scale,
                (m_reach.bottom + scale - 1) / scale };
        }

    private:
        static std::size_t Index(int x, int y) { return std::size_t(x * kMaxRasterSide + y); }
        void Set(CPoint p, Mark mark)
        {
            if (p.x < 0 || p.y < 0 || p.x >= m_side || p.y >= m_side)
                return;
            m_marks[Index(p.x, p.y)] = mark;
            m_reach = { std::min(m_reach.left, p.x), std::min(m_reach.top, p.y),
                std::max(m_reach.right, p.x + 1), std::max(m_reach.bottom, p.y + 1) };
        }

        int m_side;
        CRect m_reach { kMaxRasterSide, kMaxRasterSide, 0, 0 };
        std::array<Mark, kMaxRasterSide * kMaxRasterSide> m_marks {};
    };

    CRect Scaled(const CRect& box, int k)
    {
        return { k * box.left, k * box.top, k * box.right, k * box.bottom };
    }

    // One step further along each axis in the drag's direction, so the line ends on the end
    // cell.
    CPoint PushedEnd(CPoint a, CPoint b)
    {
        const auto push = [](int from, int to) { return to + (from < to) - (from > to); };
        return { push(a.x, b.x), push(a.y, b.y) };
    }

    // How many of a cell's four raster pixels are pen and how many brush.
    struct Coverage {
        int pen = 0;
        int fill = 0;
    };
    using CoverageGrid = std::array<Coverage, kMaxSide * kMaxSide>;

    Coverage CoverageOf(const MarkRaster& marks, int x, int y)
    {
        Coverage c;
        for (const CPoint sub : { CPoint(2 * x, 2 * y), CPoint(2 * x, 2 * y + 1),
                 CPoint(2 * x + 1, 2 * y), CPoint(2 * x + 1, 2 * y + 1) }) {
            c.pen += marks.At(sub.x, sub.y) == Mark::Pen;
            c.fill += marks.At(sub.x, sub.y) == Mark::Fill;
        }
        return c;
    }

    COLORREF Mixed(COLORREF a, int wa, COLORREF b, int wb)
    {
        const auto mix = [wa, wb](int ca, int cb) { return (ca * wa + cb * wb) / 4; };
        return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
            mix(GetBValue(a), GetBValue(b)));
    }

    // One blending pass over the cells. Uncovered raster pixels weigh nothing: rim cells of a
    // filled figure come out darker. A repeated pass leaves out the writes that can change
    // nothing: a cell with fill takes the same colour as in the first pass, and a rim cell whose
    // blend equals what it already holds was written (or clipped away) by the first pass, so
    // its history and flags are already what the write would make them.
    void BlendPass(const IconGrid& grid, const CRect& cells, const CoverageGrid& coverage,
        FigureColours colours, PixelWriter& out, bool repeated)
    {
        for (int x = cells.left; x < cells.right; ++x) {
            for (int y = cells.top; y < cells.bottom; ++y) {
                const Coverage c = coverage[std::size_t(x * kMaxSide + y)];
                const COLORREF present = grid[std::size_t(x)][std::size_t(y)];
                if (c.fill != 0) {
                    if (!repeated)
                        out.Write(x, y, Mixed(colours.fill, c.fill, colours.pen, c.pen));
                } else if (c.pen != 0) {
                    const COLORREF blended = Mixed(present, 4 - c.pen, colours.pen, c.pen);
                    if (!repeated || blended != present)
                        out.Write(x, y, blended);
                }
            }
        }
    }

    // Two passes, the second reading what the first wrote; the coverage is counted once.
    void Blend(
        const IconGrid& grid, const MarkRaster& marks, FigureColours colours, PixelWriter& out)
    {
        const CRect cells = marks.MarkedCells(kBlendScale);
        CoverageGrid coverage;
        for (int x = cells.left; x < cells.right; ++x)
            for (int y = cells.top; y < cells.bottom; ++y)
                coverage[std::size_t(x * kMaxSide + y)] = CoverageOf(marks, x, y);
        BlendPass(grid, cells, coverage, colours, out, false);
        BlendPass(grid, cells, coverage, colours, out, true);
    }

    raster::Figure FigureIn(const CRect& box, FigureShape shape)
    {
        return shape == FigureShape::Ellipse ? raster::EllipseFigure(box, true)
                                             : raster::RectangleFigure(box, true);
    }

} // namespace

void DrawFigure(const IconGrid& grid, int side, const CRect& box, FigureStyle style,
    FigureColours colours, PixelWriter& out)
{
    const bool blend = style.antiAlias && style.shape == FigureShape::Ellipse;
    const int k = blend ? kBlendScale : 1;
    const CRect scaled = Scaled(box, k);
    if (!raster::IsDrawableBox(scaled))
        return;
    MarkRaster marks(side, k);
    marks.MarkFigure(FigureIn(scaled, style.shape), style.filled);
    if (blend) {
        Blend(grid, marks, colours, out);
        return;
    }
    const CRect cells = box.Intersected(ImageRect(std::clamp(side, 0, kMaxSide)));
    for (int x = cells.left; x < cells.right; ++x) {
        for (int y = cells.top; y < cells.bottom; ++y) {
            const Mark mark = marks.At(x, y);
            if (mark == Mark::Pen)
                out.Write(x, y, colours.pen);
            else if (mark == Mark::Fill)
                out.Write(x, y, colours.fill);
        }
    }
}

void DrawFreeLine(const IconGrid& grid, int side, CPoint a, CPoint b, bool antiAlias, COLORREF pen,
    PixelWriter& out)
{
    const int k = antiAlias ? kBlendScale : 1;
    const CPoint end = PushedEnd(a, b);
    const CPoint from { k * a.x, k * a.y };
    const CPoint to { k * end.x, k * end.y };
    if (!raster::IsDrawableLine(from, to))
        return;
    MarkRaster marks(side, k);
    marks.MarkLine(from, to);
    if (antiAlias) {
        Blend(grid, marks, { pen, pen }, out);
        return;
    }
    // The pushed end may lie outside the drag's box, so every marked cell is written.
    const CRect cells = marks.MarkedCells(1);
    for (int x = cells.left; x < cells.right; ++x)
        for (int y = cells.top; y < cells.bottom; ++y)
            if (marks.At(x, y) == Mark::Pen)
                out.Write(x, y, pen);
}

void DrawRowLine(CPoint a, CPoint b, COLORREF pen, PixelWriter& out)
{
    for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x)
        out.Write(x, a.y, pen);
}

void DrawColumnLine(CPoint a, CPoint b, COLORREF pen, PixelWriter& out)
{
    for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
        out.Write(a.x, y, pen);
}

void DrawCurvedFrame(const IconGrid& grid, int side, PixelWriter& out)
{
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    DrawFigure(grid, side, ImageRect(side), { FigureShape::Rectangle, false, false },
        { kBlack, kBlack }, out);
    const int n = side;
    for (const CPoint corner :
        { CPoint(0, 0), CPoint(n - 1, 0), CPoint(n - 1, n - 1), CPoint(0, n - 1) })
        out.Write(corner.x, corner.y, ICON_TRANSPARENT);
}

} // namespace editing
