// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: a device context. It draws on a raster surface (a CBitmap, or the screen image of a
// view through CClientDC) with the program's colour values and the classic conventions, by a
// rasteriser of its own so every pixel is exact and the same on every machine:
//  - figures take boxes with right and bottom exclusive; reversed boxes are normalised;
//  - the pen is one pixel wide, solid or dotted (dots on alternate pixels along each figure,
//    starting with a dot at every figure); the gaps of a dotted pen get the background colour
//    when the background mode is OPAQUE and stay untouched when it is TRANSPARENT;
//  - the mix mode (R2_COPYPEN or R2_NOTXORPEN) applies to the pen, the gaps of a dotted pen
//    and the brush of Rectangle, Ellipse and LineTo; every pixel of a figure is written once,
//    so an R2_NOTXORPEN figure drawn twice restores the surface exactly;
//  - SetPixel, FillSolidRect, the block copies, flood fills and text copy their colours;
//  - every pixel write is clipped to the clip box and the surface.
// A new device context has a solid black pen, a solid white brush, R2_COPYPEN, a white
// background colour in OPAQUE mode, black text in the application's default font, no clip and
// the current position (0, 0).
#pragma once

#include "framework/GdiObjects.h"
#include "framework/Types.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

class CBitmap;
namespace raster {
struct Figure;
struct Span;
}

class CDC {
public:
    // A memory device context without a surface: it draws nothing until a bitmap is selected.
    CDC();
    explicit CDC(CBitmap* bitmap);
    // Draws straight on an image, which must outlive the device context (an image of another
    // format is converted to 32-bit RGB first).
    explicit CDC(QImage* surface);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Surface. A selected bitmap must outlive its selection.
    CBitmap* SelectObject(CBitmap* bitmap); // returns the bitmap it replaces, if any

    // Drawing objects; each Select returns the object it replaces.
    CPen SelectObject(const CPen& pen);
    CBrush SelectObject(const CBrush& brush);
    QFont SelectObject(const QFont& font);
    // WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH (HOLLOW_BRUSH), WHITE_PEN, BLACK_PEN, NULL_PEN.
    void SelectStockObject(int index);

    // Modes; each setter returns the previous value, or 0 (changing nothing) for an unknown one.
    int SetROP2(int drawMode);
    int GetROP2() const { return m_drawMode; }
    int SetBkMode(int bkMode);
    COLORREF SetBkColor(COLORREF color);
    COLORREF SetTextColor(COLORREF color);

    // Clipping. IntersectClipRect narrows the clip box, SelectClipRect replaces it, ResetClip
    // removes it (the whole surface is drawable again).
    void IntersectClipRect(int left, int top, int right, int bottom);
    void IntersectClipRect(const CRect& rect);
    void SelectClipRect(const CRect& rect);
    void ResetClip();
    // The drawable part of the surface; empty when there is no surface.
    CRect GetClipBox() const;

    // Pixels. SetPixel returns the colour written, or CLR_INVALID when the pixel is clipped;
    // GetPixel returns CLR_INVALID outside the surface or the clip box.
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(CPoint point, COLORREF color) { return SetPixel(point.x, point.y, color); }
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(CPoint point) const { return GetPixel(point.x, point.y); }
    void FillSolidRect(const CRect& rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);

    // Block copies. SRCCOPY copies from the source device context; WHITENESS and BLACKNESS fill
    // the destination and need no source. Destination pixels whose source lies outside the
    // source surface are left as they are. StretchBlt scales by nearest pixel (centre
    // sampling). Copying within one surface is safe when the areas overlap. Returns false
    // for an unknown operation, a missing source, non-positive sizes or absurd coordinates.
    bool BitBlt(
        int x, int y, int width, int height, const CDC* pSrcDC, int xSrc, int ySrc, quint32 rop);
    bool StretchBlt(int x, int y, int width, int height, const CDC* pSrcDC, int xSrc, int ySrc,
        int srcWidth, int srcHeight, quint32 rop);

    // Figures (see the header comment and framework/Raster.h for the exact pixels). A box one
    // pixel wide or high is drawn as a line of pen pixels; an empty box draws nothing; with the
    // null pen the brush fills the box less its last column and row. They return false, drawing
    // nothing, for figures over 32767 pixels in either direction.
    bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const CRect& rect)
    {
        return Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    }
    bool Ellipse(int left, int top, int right, int bottom);
    bool Ellipse(const CRect& rect)
    {
        return Ellipse(rect.left, rect.top, rect.right, rect.bottom);
    }

    // Lines: MoveTo sets the current position and returns the previous one; LineTo draws from
    // the current position, which is included, to the point, which is excluded, and makes the
    // point the current position.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint point) { return MoveTo(point.x, point.y); }
    bool LineTo(int x, int y);
    bool LineTo(CPoint point) { return LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const { return m_position; }

    // Flood fills with the current brush (copied, whatever the mix mode) over the 4-connected
    // area around (x, y) within the clip box: FloodFill fills up to pixels of the boundary
    // colour, ExtFloodFill(FLOODFILLSURFACE) fills the pixels of the given colour. They return
    // false, filling nothing, when the start pixel is clipped or not part of such an area.
    bool FloodFill(int x, int y, COLORREF boundary);
    bool ExtFloodFill(int x, int y, COLORREF color, int fillType);

    // Text with its cell's top-left corner at (x, y), in the selected font with anti-aliasing
    // off, so glyph pixels are exactly the text colour. In OPAQUE mode the text cell is first
    // filled with the background colour.
    bool TextOut(int x, int y, const QString& text);
    CSize GetTextExtent(const QString& text) const;

protected:
    // Pixels inside rect (within the surface) were written.
    virtual void OnPixelsChanged(const CRect& rect);

private:
    class ChangedArea;
    class Rows;

    void SetSurface(QImage* surface);
    // Tells the selected bitmap and OnPixelsChanged what a drawing call wrote.
    void Changed(const CRect& rect);
    QRgb Mix(QRgb screen, QRgb color) const;
    void MixSpan(const raster::Span& span, QRgb color, const CRect& clip, const Rows& rows,
        ChangedArea& changed);
    void DrawPenPixels(const std::vector<CPoint>& pixels, const CRect& clip, const Rows& rows,
        ChangedArea& changed);
    void DrawFigure(const raster::Figure& figure);
    // The figure of a box (a rectangle or an ellipse), drawn; false for a box too large to draw.
    bool DrawBoxFigure(const CRect& box, raster::Figure (*figureOf)(const CRect&, bool));
    bool FillArea(int x, int y, bool (*inArea)(QRgb pixel, QRgb reference), COLORREF reference);
    QFont TextFont() const;

    QImage* m_surface = nullptr;
    CBitmap* m_bitmap = nullptr;
    std::optional<CRect> m_clip;
    CPen m_pen;
    CBrush m_brush;
    // Unset until a font is selected: the application's default font, looked up only when text
    // is drawn, since most device contexts never draw any.
    std::optional<QFont> m_font;
    int m_drawMode = R2_COPYPEN;
    int m_bkMode = OPAQUE;
    COLORREF m_bkColor = RGB(255, 255, 255);
    COLORREF m_textColor = RGB(0, 0, 0);
    CPoint m_position;
};
