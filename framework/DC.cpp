// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DC.h"

#include "framework/Bitmap.h"
#include "framework/QtColor.h"
#include "framework/Raster.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;

QRect ToQRect(const CRect& rc) { return { rc.left, rc.top, rc.Width(), rc.Height() }; }
CRect ToCRect(const QRect& rc) { return { rc.left(), rc.top(), rc.right() + 1, rc.bottom() + 1 }; }

} // namespace

// The bounding box of the pixels one drawing call wrote.
class CDC::ChangedArea {
public:
    void Add(const CRect& rc) { m_rect = m_rect.United(rc); }
    void Add(CPoint p) { Add(CRect(p.x, p.y, p.x + 1, p.y + 1)); }
    const CRect& Rect() const { return m_rect; }

private:
    CRect m_rect;
};

// The rows of the surface for one drawing call. Taking the pixels once per call, rather than
// a scan line per row, keeps Qt's copy-on-write check out of the inner loops.
class CDC::Rows {
public:
    explicit Rows(QImage& image)
        : m_bits(reinterpret_cast<QRgb*>(image.bits()))
        , m_stride(image.bytesPerLine() / qsizetype(sizeof(QRgb)))
    {
    }
    QRgb* operator[](int y) const { return m_bits + y * m_stride; }

private:
    QRgb* m_bits;
    qsizetype m_stride;
};

CDC::CDC() = default;

CDC::CDC(CBitmap* bitmap) { SelectObject(bitmap); }

CDC::CDC(QImage* surface) { SetSurface(surface); }

CDC::~CDC() = default;

void CDC::OnPixelsChanged(const CRect&) { }

void CDC::Changed(const CRect& rect)
{
    if (m_bitmap)
        m_bitmap->NoteWritten(rect);
    OnPixelsChanged(rect);
}

void CDC::SetSurface(QImage* surface)
{
    m_surface = surface && !surface->isNull() ? surface : nullptr;
    if (m_surface && m_surface->format() != QImage::Format_RGB32)
        *m_surface = m_surface->convertToFormat(QImage::Format_RGB32);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    CBitmap* previous = m_bitmap;
    m_bitmap = bitmap;
    SetSurface(bitmap ? &bitmap->Surface() : nullptr);
    return previous;
}

CPen CDC::SelectObject(const CPen& pen) { return std::exchange(m_pen, pen); }
CBrush CDC::SelectObject(const CBrush& brush) { return std::exchange(m_brush, brush); }
QFont CDC::SelectObject(const QFont& font)
{
    const QFont previous = m_font.value_or(QFont());
    m_font = font;
    return previous;
}

void CDC::SelectStockObject(int index)
{
    switch (index) {
    case WHITE_BRUSH:
        m_brush = CBrush(RGB(255, 255, 255));
        break;
    case BLACK_BRUSH:
        m_brush = CBrush(RGB(0, 0, 0));
        break;
    case NULL_BRUSH:
        m_brush = CBrush::Hollow();
        break;
    case WHITE_PEN:
        m_pen = CPen(PS_SOLID, 1, RGB(255, 255, 255));
        break;
    case BLACK_PEN:
        m_pen = CPen(PS_SOLID, 1, RGB(0, 0, 0));
        break;
    case NULL_PEN:
        m_pen = CPen(PS_NULL, 1, RGB(0, 0, 0));
        break;
    default:
        Q_ASSERT_X(false, "CDC::SelectStockObject", "unknown stock object");
    }
}

int CDC::SetROP2(int drawMode)
{
    if (drawMode != R2_COPYPEN && drawMode != R2_NOTXORPEN)
        return 0;
    return std::exchange(m_drawMode, drawMode);
}

int CDC::SetBkMode(int bkMode)
{
    if (bkMode != TRANSPARENT && bkMode != OPAQUE)
        return 0;
    return std::exchange(m_bkMode, bkMode);
}

COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(m_bkColor, color & kRgbMask); }
COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(m_textColor, color & kRgbMask); }

void CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    IntersectClipRect(CRect(left, top, right, bottom));
}

void CDC::IntersectClipRect(const CRect& rect)
{
    m_clip = m_clip ? m_clip->Intersected(rect) : rect;
}

void CDC::SelectClipRect(const CRect& rect) { m_clip = rect; }
void CDC::ResetClip() { m_clip.reset(); }

CRect CDC::GetClipBox() const
{
    if (!m_surface)
        return {};
    CRect box(0, 0, m_surface->width(), m_surface->height());
    if (m_clip)
        box = box.Intersected(*m_clip);
    return box.IsRectEmpty() ? CRect() : box;
}

QRgb CDC::Mix(QRgb screen, QRgb color) const
{
    if (m_drawMode == R2_NOTXORPEN)
        return 0xFF000000 | (~(screen ^ color) & kRgbMask);
    return color;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    if (!GetClipBox().PtInRect({ x, y }))
        return CLR_INVALID;
    reinterpret_cast<QRgb*>(m_surface->scanLine(y))[x] = ToQRgb(color);
    Changed({ x, y, x + 1, y + 1 });
    return color & kRgbMask;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    if (!GetClipBox().PtInRect({ x, y }))
        return CLR_INVALID;
    return ToColorRef(reinterpret_cast<const QRgb*>(m_surface->constScanLine(y))[x]);
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color)
{
    const CRect area = rect.Normalized().Intersected(GetClipBox());
    if (area.IsRectEmpty())
        return;
    if (m_bitmap && area == m_bitmap->GetRect()) {
        // The bitmap knows which part of it is not in that colour yet.
        m_bitmap->Fill(color);
        OnPixelsChanged(area);
        return;
    }
    Changed(FillImageRect(*m_surface, area, ToQRgb(color)));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    FillSolidRect(CRect(x, y, x + cx, y + cy), color);
}

bool CDC::BitBlt(
    int x, int y, int width, int height, const CDC* pSrcDC, int xSrc, int ySrc, quint32 rop)
{
    return StretchBlt(x, y, width, height, pSrcDC, xSrc, ySrc, width, height, rop);
}

bool CDC::StretchBlt(int x, int y, int width, int height, const CDC* pSrcDC, int xSrc, int ySrc,
    int srcWidth, int srcHeight, quint32 rop)
{
    const CRect target(x, y, x + width, y + height);
    if (width <= 0 || height <= 0 || !raster::IsDrawableBox(target))
        return false;
    const CRect area = target.Intersected(GetClipBox());
    if (rop == WHITENESS || rop == BLACKNESS) {
        FillSolidRect(area, rop == WHITENESS ? RGB(255, 255, 255) : RGB(0, 0, 0));
        return true;
    }
    const CRect source(xSrc, ySrc, xSrc + srcWidth, ySrc + srcHeight);
    if (rop != SRCCOPY || !pSrcDC || !pSrcDC->m_surface || srcWidth <= 0 || srcHeight <= 0
        || !raster::IsDrawableBox(source))
        return false;
    if (area.IsRectEmpty())
        return true;
    // Reading and writing one image: read from a snapshot so overlapping areas copy correctly.
    const QImage snapshot = pSrcDC->m_surface == m_surface ? m_surface->copy() : QImage();
    const QImage& src = snapshot.isNull() ? *pSrcDC->m_surface : snapshot;

    // Each destination pixel takes the source pixel under its centre.
    auto sourceOffset = [](int i, int to, int from) {
        return int((2 * qint64(i) + 1) * from / (2 * qint64(to)));
    };
    std::vector<int> columns;
    columns.reserve(std::size_t(area.Width()));
    for (int dx = area.left; dx < area.right; ++dx)
        columns.push_back(xSrc + sourceOffset(dx - x, width, srcWidth));
    // Source columns grow with destination columns, so those that land inside the source are
    // one run; the same holds for rows.
    int first = area.left;
    int last = area.right;
    while (first < last && columns[std::size_t(first - area.left)] < 0)
        ++first;
    while (last > first && columns[std::size_t(last - 1 - area.left)] >= src.width())
        --last;
    if (first == last)
        return true;
    const auto sourceColumn
        = [&columns, &area](int dx) { return columns[std::size_t(dx - area.left)]; };
    const bool unscaled = srcWidth == width;
    const Rows rows(*m_surface);
    int top = area.bottom;
    int bottom = area.top;
    for (int dy = area.top; dy < area.bottom; ++dy) {
        const int sy = ySrc + sourceOffset(dy - y, height, srcHeight);
        if (sy < 0 || sy >= src.height())
            continue;
        top = std::min(top, dy);
        bottom = dy + 1;
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        QRgb* to = rows[dy];
        if (unscaled) {
            const int shift = sourceColumn(first) - first;
            for (int dx = first; dx < last; ++dx)
                to[dx] = from[dx + shift] | 0xFF000000;
        } else {
            for (int dx = first; dx < last; ++dx)
                to[dx] = from[sourceColumn(dx)] | 0xFF000000;
        }
    }
    if (top < bottom)
        Changed(CRect(first, top, last, bottom));
    return true;
}

void CDC::MixSpan(
    const raster::Span& span, QRgb color, const CRect& clip, const Rows& rows, ChangedArea& changed)
{
    if (span.y < clip.top || span.y >= clip.bottom)
        return;
    const int left = std::max(span.left, clip.left);
    const int right = std::min(span.right, clip.right);
    if (left >= right)
        return;
    // Not-XOR with white leaves every pixel as it was: the interior of a rubber band, drawn
    // with the default white brush, costs nothing and changes nothing.
    if (m_drawMode == R2_NOTXORPEN && (color & kRgbMask) == kRgbMask)
        return;
    QRgb* row = rows[span.y];
    if (m_drawMode == R2_NOTXORPEN) {
        for (int x = left; x < right; ++x)
            row[x] = Mix(row[x], color);
    } else {
        std::fill(row + left, row + right, color);
    }
    changed.Add(CRect(left, span.y, right, span.y + 1));
}

void CDC::DrawPenPixels(
    const std::vector<CPoint>& pixels, const CRect& clip, const Rows& rows, ChangedArea& changed)
{
    if (m_pen.IsNull())
        return;
    const QRgb dot = ToQRgb(m_pen.GetColor());
    const QRgb gap = ToQRgb(m_bkColor);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const bool isDot = !m_pen.IsDotted() || i % 2 == 0;
        if (!isDot && m_bkMode == TRANSPARENT)
            continue;
        const CPoint p = pixels[i];
        if (!clip.PtInRect(p))
            continue;
        QRgb& pixel = rows[p.y][p.x];
        pixel = Mix(pixel, isDot ? dot : gap);
        changed.Add(p);
    }
}

void CDC::DrawFigure(const raster::Figure& figure)
{
    const CRect clip = GetClipBox();
    if (clip.IsRectEmpty())
        return;
    const Rows rows(*m_surface);
    ChangedArea changed;
    if (!m_brush.IsNull()) {
        const QRgb brush = ToQRgb(m_brush.GetColor());
        for (const raster::Span& span : figure.interior)
            MixSpan(span, brush, clip, rows, changed);
    }
    DrawPenPixels(figure.outline, clip, rows, changed);
    if (!changed.Rect().IsRectEmpty())
        Changed(changed.Rect());
}

bool CDC::DrawBoxFigure(const CRect& box, raster::Figure (*figureOf)(const CRect&, bool))
{
    if (!raster::IsDrawableBox(box))
        return false;
    DrawFigure(figureOf(box, !m_pen.IsNull()));
    return true;
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    return DrawBoxFigure(CRect(left, top, right, bottom), raster::RectangleFigure);
}

bool CDC::Ellipse(int left, int top, int right, int bottom)
{
    return DrawBoxFigure(CRect(left, top, right, bottom), raster::EllipseFigure);
}

CPoint CDC::MoveTo(int x, int y) { return std::exchange(m_position, CPoint(x, y)); }

bool CDC::LineTo(int x, int y)
{
    const CPoint to(x, y);
    if (!raster::IsDrawableLine(m_position, to))
        return false;
    const CRect clip = GetClipBox();
    if (!clip.IsRectEmpty()) {
        ChangedArea changed;
        DrawPenPixels(raster::LinePixels(m_position, to), clip, Rows(*m_surface), changed);
        if (!changed.Rect().IsRectEmpty())
            Changed(changed.Rect());
    }
    m_position = to;
    return true;
}

bool CDC::FloodFill(int x, int y, COLORREF boundary)
{
    return FillArea(
        x, y, [](QRgb pixel, QRgb border) { return (pixel & kRgbMask) != border; }, boundary);
}

bool CDC::ExtFloodFill(int x, int y, COLORREF color, int fillType)
{
    if (fillType == FLOODFILLBORDER)
        return FloodFill(x, y, color);
    if (fillType != FLOODFILLSURFACE)
        return false;
    return FillArea(
        x, y, [](QRgb pixel, QRgb surface) { return (pixel & kRgbMask) == surface; }, color);
}

bool CDC::FillArea(int x, int y, bool (*inArea)(QRgb pixel, QRgb reference), COLORREF reference)
{
    if (!m_surface)
        return false;
    const CRect clip = GetClipBox();
    const QRgb ref = ToQRgb(reference) & kRgbMask;
    const std::vector<raster::Span> area = raster::FloodArea(
        *m_surface, clip, { x, y }, [&](QRgb pixel) { return inArea(pixel, ref); });
    if (area.empty())
        return false;
    if (m_brush.IsNull())
        return true;
    const QRgb brush = ToQRgb(m_brush.GetColor());
    const Rows rows(*m_surface);
    ChangedArea changed;
    for (const raster::Span& span : area) {
        std::fill(rows[span.y] + span.left, rows[span.y] + span.right, brush);
        changed.Add(CRect(span.left, span.y, span.right, span.y + 1));
    }
    Changed(changed.Rect());
    return true;
}

QFont CDC::TextFont() const
{
    QFont font = m_font.value_or(QFont());
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    return font;
}

CSize CDC::GetTextExtent(const QString& text) const
{
    const QFontMetrics metrics(TextFont(), m_surface);
    return { metrics.horizontalAdvance(text), metrics.height() };
}

bool CDC::TextOut(int x, int y, const QString& text)
{
    if (!m_surface)
        return false;
    const CRect clip = GetClipBox();
    if (clip.IsRectEmpty() || text.isEmpty())
        return true;
    const QFont font = TextFont();
    const QFontMetrics metrics(font, m_surface);
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    const QPoint baseline(x, y + metrics.ascent());
    {
        QPainter painter(m_surface);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setClipRect(ToQRect(clip));
        if (m_bkMode == OPAQUE)
            painter.fillRect(cell, ToQColor(m_bkColor));
        painter.setFont(font);
        painter.setPen(ToQColor(m_textColor));
        painter.drawText(baseline, text);
    }
    // Glyphs may overhang their cell (italics, accents): report the union of both.
    const QRect ink = metrics.boundingRect(text).translated(baseline).adjusted(-1, -1, 1, 1);
    const CRect changed = ToCRect(cell.united(ink)).Intersected(clip);
    // A bitmap is told of the whole clip box: glyphs are Qt's, and an overhang missed here
    // would survive the bitmap's next fill.
    if (m_bitmap)
        m_bitmap->NoteWritten(clip);
    if (!changed.IsRectEmpty())
        OnPixelsChanged(changed);
    return true;
}
