// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Raster.h"

#include <climits>
#include <cstdlib>

namespace raster {

namespace {

    bool IsCoordinate(int v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; }

    // The arc of one ellipse quadrant in row dy runs from dx = inner to dx = outer.
    struct ArcRow {
        int inner = INT_MAX;
        int outer = -1;
    };

    // One quarter of the ellipse x^2/a^2 + y^2/b^2 = 1 around an integer centre, from (0, b) to
    // (a, 0), by the midpoint algorithm: where the arc is flatter than 45 degrees it steps along
    // x and picks y by the sign of the ellipse function at the midpoint below, elsewhere it
    // steps along y and picks x by the midpoint beside. Integer arithmetic throughout (the
    // function is scaled by 4 to clear the halves).
    std::vector<ArcRow> QuadrantArc(int a, int b)
    {
        std::vector<ArcRow> rows(std::size_t(b) + 1);
        auto plot = [&rows](qint64 x, qint64 y) {
            ArcRow& row = rows[std::size_t(y)];
            row.inner = std::min(row.inner, int(x));
            row.outer = std::max(row.outer, int(x));
        };
        const qint64 a2 = qint64(a) * a;
        const qint64 b2 = qint64(b) * b;
        qint64 x = 0;
        qint64 y = b;
        while (x < a && b2 * x < a2 * y) {
            plot(x, y);
            const qint64 f
                = 4 * b2 * (x + 1) * (x + 1) + a2 * (2 * y - 1) * (2 * y - 1) - 4 * a2 * b2;
            if (f >= 0)
                --y;
            ++x;
        }
        for (; y >= 0; --y) {
            plot(x, y);
            const qint64 f
                = b2 * (2 * x + 1) * (2 * x + 1) + 4 * a2 * (y - 1) * (y - 1) - 4 * a2 * b2;
            if (f < 0)
                ++x;
        }
        // A flat ellipse reaches its middle row before its side: the middle row then runs out
        // to the side, so the figure always touches it.
        rows[0].outer = a;
        return rows;
    }

    // Where an ellipse's quadrants sit in its box: the arc point (dx, dy) of the top-right
    // quadrant lands at (rightCentre + dx, topCentre - dy), the others mirror it about the
    // centre columns and rows. An even size has two centre columns (or rows), an odd one one.
    struct EllipseFrame {
        int a, b; // quadrant half-sizes
        int leftCentre, rightCentre, topCentre, bottomCentre;

        explicit EllipseFrame(const CRect& box)
            : a((box.Width() - 1) / 2)
            , b((box.Height() - 1) / 2)
            , leftCentre(box.left + a)
            , rightCentre(box.right - 1 - a)
            , topCentre(box.top + b)
            , bottomCentre(box.bottom - 1 - b)
        {
        }
        int RowOffset(int y) const { return y <= topCentre ? topCentre - y : y - bottomCentre; }
    };

    std::vector<CPoint> EllipseOutline(const EllipseFrame& e, const std::vector<ArcRow>& rows)
    {
        std::vector<CPoint> arc; // quadrant points from the top to the side
        for (int dy = e.b; dy >= 0; --dy) {
            for (int dx = rows[std::size_t(dy)].inner; dx <= rows[std::size_t(dy)].outer; ++dx)
                arc.push_back({ dx, dy });
        }
        // With an odd width the quadrants share the centre column, with an odd height the
        // centre row; each such point is taken by the first quadrant that reaches it.
        const bool oddWidth = e.leftCentre == e.rightCentre;
        const bool oddHeight = e.topCentre == e.bottomCentre;
        auto onCentreColumn = [&](CPoint q) { return oddWidth && q.x == 0; };
        auto onCentreRow = [&](CPoint q) { return oddHeight && q.y == 0; };

        std::vector<CPoint> path;
        path.reserve(arc.size() * 4);
        for (CPoint q : arc) // top-right
            path.push_back({ e.rightCentre + q.x, e.topCentre - q.y });
        for (auto q = arc.rbegin(); q != arc.rend(); ++q) { // bottom-right
            if (!onCentreRow(*q))
                path.push_back({ e.rightCentre + q->x, e.bottomCentre + q->y });
        }
        for (CPoint q : arc) { // bottom-left
            if (!onCentreColumn(q))
                path.push_back({ e.leftCentre - q.x, e.bottomCentre + q.y });
        }
        for (auto q = arc.rbegin(); q != arc.rend(); ++q) { // top-left
            if (!onCentreRow(*q) && !onCentreColumn(*q))
                path.push_back({ e.leftCentre - q->x, e.topCentre - q->y });
        }
        return path;
    }

    std::vector<CPoint> RectangleRing(const CRect& box)
    {
        std::vector<CPoint> ring;
        if (box.Width() == 1 || box.Height() == 1) {
            for (int y = box.top; y < box.bottom; ++y) {
                for (int x = box.left; x < box.right; ++x)
                    ring.push_back({ x, y });
            }
            return ring;
        }
        for (int x = box.left; x < box.right; ++x)
            ring.push_back({ x, box.top });
        for (int y = box.top + 1; y < box.bottom; ++y)
            ring.push_back({ box.right - 1, y });
        for (int x = box.right - 2; x >= box.left; --x)
            ring.push_back({ x, box.bottom - 1 });
        for (int y = box.bottom - 2; y > box.top; --y)
            ring.push_back({ box.left, y });
        return ring;
    }

    // Pen-less figures cover the box less its last column and row.
    CRect PenlessBox(const CRect& box)
    {
        return { box.left, box.top, box.right - 1, box.bottom - 1 };
    }

} // namespace

bool IsDrawableBox(const CRect& box)
{
    return IsCoordinate(box.left) && IsCoordinate(box.top) && IsCoordinate(box.right)
        && IsCoordinate(box.bottom) && std::abs(box.Width()) <= kMaxExtent
        && std::abs(box.Height()) <= kMaxExtent;
}

bool IsDrawableLine(CPoint from, CPoint to)
{
    return IsDrawableBox({ from.x, from.y, to.x, to.y });
}

Figure RectangleFigure(const CRect& box, bool withPen)
{
    Figure figure;
    const CRect norm = box.Normalized();
    if (!withPen) {
        const CRect fill = PenlessBox(norm);
        for (int y = fill.top; y < fill.bottom && !fill.IsRectEmpty(); ++y)
            figure.interior.push_back({ y, fill.left, fill.right });
        return figure;
    }
    if (norm.IsRectEmpty())
        return figure;
    figure.outline = RectangleRing(norm);
    for (int y = norm.top + 1; y < norm.bottom - 1 && norm.Width() > 2; ++y)
        figure.interior.push_back({ y, norm.left + 1, norm.right - 1 });
    return figure;
}

Figure EllipseFigure(const CRect& box, bool withPen)
{
    Figure figure;
    const CRect norm = withPen ? box.Normalized() : PenlessBox(box.Normalized());
    if (norm.IsRectEmpty())
        return figure;
    const EllipseFrame e(norm);
    const std::vector<ArcRow> rows = QuadrantArc(e.a, e.b);
    for (int y = norm.top; y < norm.bottom; ++y) {
        const ArcRow& row = rows[std::size_t(e.RowOffset(y))];
        if (!withPen)
            figure.interior.push_back(
                { y, e.leftCentre - row.outer, e.rightCentre + row.outer + 1 });
        else if (row.inner > 0)
            figure.interior.push_back(
                { y, e.leftCentre - row.inner + 1, e.rightCentre + row.inner });
    }
    // A one-pixel-thin ellipse is a straight line, ordered as one.
    if (withPen)
        figure.outline = norm.Width() == 1 || norm.Height() == 1 ? RectangleRing(norm)
                                                                 : EllipseOutline(e, rows);
    return figure;
}

std::vector<CPoint> LinePixels(CPoint from, CPoint to)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = std::abs(to.y - from.y);
    const int sx = to.x < from.x ? -1 : 1;
    const int sy = to.y < from.y ? -1 : 1;
    const bool alongX = dx >= dy;
    const qint64 major = alongX ? dx : dy;
    const qint64 minor = alongX ? dy : dx;
    std::vector<CPoint> pixels;
    pixels.reserve(std::size_t(major));
    for (qint64 i = 0; i < major; ++i) {
        // Nearest pixel to the exact minor offset i * minor / major, halves rounded up.
        const int m = int((2 * i * minor + major) / (2 * major));
        if (alongX)
            pixels.push_back({ from.x + sx * int(i), from.y + sy * m });
        else
            pixels.push_back({ from.x + sx * m, from.y + sy * int(i) });
    }
    return pixels;
}

std::vector<Span> FloodArea(
    const QImage& image, const CRect& bounds, CPoint seed, const std::function<bool(QRgb)>& inArea)
{
    std::vector<Span> area;
    if (!bounds.PtInRect(seed))
        return area;
    const int width = bounds.Width();
    std::vector<bool> visited(std::size_t(width) * std::size_t(bounds.Height()));
    auto index = [&](int x, int y) {
        return std::size_t(y - bounds.top) * std::size_t(width) + std::size_t(x - bounds.left);
    };
    auto candidate = [&](int x, int y) {
        return !visited[index(x, y)]
            && inArea(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
    };

    // Each popped point grows into the widest unvisited run of its row; the rows above and
    // below are searched along that run, one pushed point per stretch of candidates.
    std::vector<CPoint> pending { seed };
    while (!pending.empty()) {
        const CPoint p = pending.back();
        pending.pop_back();
        if (!candidate(p.x, p.y))
            continue;
        int left = p.x;
        int right = p.x + 1;
        while (left > bounds.left && candidate(left - 1, p.y))
            --left;
        while (right < bounds.right && candidate(right, p.y))
            ++right;
        for (int x = left; x < right; ++x)
            visited[index(x, p.y)] = true;
        area.push_back({ p.y, left, right });
        for (int y : { p.y - 1, p.y + 1 }) {
            if (y < bounds.top || y >= bounds.bottom)
                continue;
            bool inStretch = false;
            for (int x = left; x < right; ++x) {
                const bool c = candidate(x, y);
                if (c && !inStretch)
                    pending.push_back({ x, y });
                inStretch = c;
            }
        }
    }
    return area;
}

} // namespace raster
