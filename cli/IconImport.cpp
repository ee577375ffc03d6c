// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IconImport.h"

#include "cli/IconEntryImage.h"
#include "cli/ImageScaling.h"

#include <algorithm>

namespace {

int Longest(const QSize& size) { return std::max(size.width(), size.height()); }

// Orders candidates for side: true when a is the better source.
bool Better(const IconEntryListing& a, const IconEntryListing& b, int side)
{
    const int la = Longest(a.decoded);
    const int lb = Longest(b.decoded);
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
    const QSize& p = item.decoded;
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

ListedPictures ListIconPictures(const QByteArray& bytes)
{
    ListedPictures listed;
    listed.listing = ListIconDirectory(bytes, [&listed](int number, const QByteArray& stored) {
        QImage picture = DecodeIconEntry(stored);
        const QSize size = picture.size();
        if (!picture.isNull())
            listed.pictures.emplace(number, std::move(picture));
        return size;
    });
    return listed;
}

std::array<ImportedImage, kImageCount> ChooseImportImages(const ListedPictures& listed)
{
    std::array<ImportedImage, kImageCount> chosen;
    for (int i = 0; i < kImageCount; ++i) {
        const int side = kImageSides[i];
        const IconEntryListing* best = nullptr;
        for (const IconEntryListing& item : listed.listing.entries)
            if (!item.decoded.isEmpty() && (!best || Better(item, *best, side)))
                best = &item;
        if (!best)
            continue;
        chosen[std::size_t(i)] = { best->number,
            FitToSquare(listed.pictures.at(best->number), side), Describe(*best, side) };
    }
    return chosen;
}
