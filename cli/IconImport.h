// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing, for each of the editor's three sizes, the best picture an icon file holds.
#pragma once

#include "cli/IconListing.h"

#include <QImage>
#include <QString>
#include <array>
#include <map>

struct ImportedImage {
    int entry = 0; // number of the entry it came from, 0 when the file had nothing to offer
    QImage image; // side x side ARGB32
    QString source; // "entry 4 (png 256x256, 32-bit, downscaled)"
};

// An icon's directory with the pictures its entries decode into: what import chooses from.
struct ListedPictures {
    IconListing listing;
    std::map<int, QImage> pictures; // by entry number, for the entries that decode
};

ListedPictures ListIconPictures(const QByteArray& bytes);

// For each side 16, 32 and 48: an entry of exactly that size if there is one, else the
// nearest larger one reduced, else the largest smaller one enlarged. Among equals the one with
// more bits per pixel wins, then the earlier. Non-square pictures are fitted into the square.
std::array<ImportedImage, kImageCount> ChooseImportImages(const ListedPictures& listed);
