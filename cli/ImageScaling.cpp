// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ImageScaling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using Premultiplied = std::array<double, 4>; // red, green, blue times alpha; alpha (0..1)

// One target pixel's share of source pixels along one axis.
struct Span {
    int first = 0;
    std::vector<double> weights;
};

// How each of target pixels covers source pixels: target pixel t spans [t * ratio,
// (t + 1) * ratio) in source pixels, and each source pixel counts by the overlap.
std::vector<Span> AreaSpans(int source, int target)
{
    const double ratio = double(source) / target;
    std::vector<Span> spans(static_cast<std::size_t>(target));
    for (int t = 0; t < target; ++t) {
        const double begin = t * ratio;
        const double end = (t + 1) * ratio;
        Span& span = spans[std::size_t(t)];
        span.first = int(std::floor(begin));
        const int last = std::min(source - 1, int(std::ceil(end)) - 1);
        for (int s = span.first; s <= last; ++s)
            span.weights.push_back((std::min(end, s + 1.0) - std::max(begin, double(s))) / ratio);
    }
    return spans;
}

Premultiplied ToPremultiplied(QRgb p)
{
    const double a = qAlpha(p) / 255.0;
    return { qRed(p) * a, qGreen(p) * a, qBlue(p) * a, a };
}

int Channel(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

QImage ReduceByArea(const QImage& argb, int width, int height)
{
    const std::vector<Span> across = AreaSpans(argb.width(), width);
    const std::vector<Span> down = AreaSpans(argb.height(), height);

    // Rows first: every source row reduced to the target width, so only that much is held in
    // the wider format, however large the source.
    std::vector<Premultiplied> rows(std::size_t(width) * std::size_t(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            Premultiplied sum {};
            const Span& span = across[std::size_t(x)];
            for (std::size_t k = 0; k < span.weights.size(); ++k) {
                const Premultiplied p = ToPremultiplied(line[std::size_t(span.first) + k]);
                for (int c = 0; c < 4; ++c)
                    sum[std::size_t(c)] += p[std::size_t(c)] * span.weights[k];
            }
            rows[std::size_t(y) * std::size_t(width) + std::size_t(x)] = sum;
        }
    }
    QImage result(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const Span& span = down[std::size_t(y)];
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            Premultiplied sum {};
            for (std::size_t k = 0; k < span.weights.size(); ++k) {
                const Premultiplied& p
                    = rows[(std::size_t(span.first) + k) * std::size_t(width) + std::size_t(x)];
                for (int c = 0; c < 4; ++c)
                    sum[std::size_t(c)] += p[std::size_t(c)] * span.weights[k];
            }
            const double a = sum[3];
            line[x] = a <= 0.0 ? qRgba(0, 0, 0, 0)
                               : qRgba(Channel(sum[0] / a), Channel(sum[1] / a),
                                   Channel(sum[2] / a), Channel(a * 255.0));
        }
    }
    return result;
}

} // namespace

QImage ScaleImage(const QImage& image, int width, int height)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    if (argb.size() == QSize(width, height))
        return argb;
    if (width <= argb.width() && height <= argb.height())
        return ReduceByArea(argb, width, height);
    // Enlarging (a source smaller than the icon): bilinear on premultiplied pixels.
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage FitToSquare(const QImage& image, int side)
{
    const int longest = std::max(image.width(), image.height());
    const int width = std::max(1, int(std::lround(double(image.width()) * side / longest)));
    const int height = std::max(1, int(std::lround(double(image.height()) * side / longest)));
    const QImage scaled = ScaleImage(image, width, height);
    if (width == side && height == side)
        return scaled;
    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(0);
    const int left = (side - width) / 2;
    const int top = (side - height) / 2;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            square.setPixel(left + x, top + y, scaled.pixel(x, y));
    return square;
}
