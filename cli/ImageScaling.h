// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a picture of any size into a square icon image: area-averaging reduction with
// premultiplied alpha, so transparent pixels lend no colour to their neighbours.
#pragma once

#include <QImage>

// image scaled to width x height. Reduction averages, for every target pixel, the source area
// it covers, weighting partly covered pixels by their share; enlargement interpolates. Colour
// is averaged premultiplied by alpha. The result is ARGB32 (not premultiplied).
QImage ScaleImage(const QImage& image, int width, int height);

// image scaled to fit a side x side square keeping its proportions, centred on a transparent
// background. A square image of that side comes back unchanged (as ARGB32).
QImage FitToSquare(const QImage& image, int side);
