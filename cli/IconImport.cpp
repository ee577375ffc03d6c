// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IconImport.h"

#include "cli/ImageScaling.h"

#include <algorithm>

namespace {

int Longest(const QImage& image) { return std::max(image.width(), image.height()); }

// Orders candidates for side: true when a is the better source.
bool Better(const IconEntryListing& a, const IconEntryListing& b, int side)
{
    const int la = Longest(a.picture);
    const int lb = Longest(b.picture);
    // Exact first, then larger (nearest first), then smaller (largest first).
    const auto rank = [side](int longest) {
        if (longest == side)
            return std::pair(0, 0);
        return longest > side ? std::pair(1, longest - side) : std::pair(2, side - longest);
    };
    if (rank(la) != rank(lb))
        return rank(la) < rank(lb);
    return a.BitsPerPixel() > b.BitsPerPixel();
}

QString Describe(const IconEntryListing& item, int side)
{
    const QImage& p = item.picture;
    QString text = QStringLiteral("entry %1 (").arg(item.number);
    if (item.png)
        text += QStringLiteral("png ");
    text += QStringLiteral("%1x%2, %3-bit").arg(p.width()).arg(p.height()).arg(item.BitsPerPixel());
    if (Longest(p) > side)
        text += QStringLiteral(", downscaled");
    else if (Longest(p) < side)
        text += QStringLiteral(", enlarged");
    else if (p.width() != p.height())
        text += QStringLiteral(", fitted");
    return text + u')';
}

} // namespace

std::array<ImportedImage, kImageCount> ChooseImportImages(const IconListing& listing)
{
    std::array<ImportedImage, kImageCount> chosen;
    for (int i = 0; i < kImageCount; ++i) {
        const int side = kImageSides[i];
        const IconEntryListing* best = nullptr;
        for (const IconEntryListing& item : listing.entries)
            if (!item.picture.isNull() && (!best || Better(item, *best, side)))
                best = &item;
        if (!best)
            continue;
        chosen[std::size_t(i)]
            = { best->number, FitToSquare(best->picture, side), Describe(*best, side) };
    }
    return chosen;
}
