// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel geometry of the figures a CDC draws, independent of any surface: which pixels the
// pen and the brush cover, in a fixed order, each pixel once. Covering each pixel exactly once
// is what lets an inverting figure drawn twice restore the screen.
#pragma once

#include "framework/Types.h"

#include <QImage>
#include <functional>
#include <vector>

namespace raster {

// Figures larger than this, or lines longer, are refused, as classic 16-bit device coordinates
// were; it bounds the work and memory of any call whatever its arguments.
constexpr int kMaxExtent = 32767;
// Coordinates are limited too, so no size computed from them can overflow.
constexpr int kMaxCoordinate = 1 << 27;

// Pixels left <= x < right of row y.
struct Span {
    int y = 0;
    int left = 0;
    int right = 0;
};

struct Figure {
    // Pen pixels in order along the outline (clockwise from the top or top-left); a dotted pen
    // puts its dots on the even positions.
    std::vector<CPoint> outline;
    // Brush pixels, row by row; none of them is on the outline.
    std::vector<Span> interior;
};

bool IsDrawableBox(const CRect& box);
bool IsDrawableLine(CPoint from, CPoint to);

// The box is normalised first. With a pen the outline is the ring of pixels just inside the box
// (right and bottom exclusive) and the brush fills what the ring encloses; a box one pixel wide
// or high is all outline. Without a pen the figure is that of the box one pixel narrower and
// lower, all of it brush, the way the classic device contexts fill pen-less figures.
Figure RectangleFigure(const CRect& box, bool withPen);
// The ellipse inscribed in the box: it touches its first and last columns and rows and is
// symmetric about both centre lines. Outline found with the midpoint algorithm; the brush
// fills the pixels it encloses. Box rules as for RectangleFigure.
Figure EllipseFigure(const CRect& box, bool withPen);

// One pixel per step along the longer axis, from `from` included to `to` excluded. The minor
// coordinate is the exact one rounded to nearest, halves away from the start.
std::vector<CPoint> LinePixels(CPoint from, CPoint to);

// The 4-connected area around seed of the pixels for which inArea holds, searched only within
// bounds (which must lie inside the image). Empty when the seed is outside bounds or not in
// the area.
std::vector<Span> FloodArea(
    const QImage& image, const CRect& bounds, CPoint seed, const std::function<bool(QRgb)>& inArea);

} // namespace raster
