// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any byte string is opened as an icon file the way the editor opens one.
// A damaged file must end in the archive's clean failure, never in a crash, hang or leak.
// The same bytes go through pixmora-cli's directory listing, which must call a file damaged
// exactly when the reader refuses it, and which, for an icon without PNG entries, must give
// the same picture sizes whether it decodes the entries or reads their headers only.
#include "cli/IconImport.h"
#include "cli/IconListing.h"
#include "document/IconDoc.h"
#include "framework/Archive.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

bool ListingSaysDamaged(const IconListing& listing)
{
    return !listing.headerComplete || listing.entries.size() < listing.announcedEntries
        || std::any_of(listing.entries.begin(), listing.entries.end(),
            [](const auto& e) { return e.use == IconEntryListing::Use::Damaged; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CIconDoc doc;
    bool loaded = true;
    try {
        CArchive ar(Bytes(data, data + size));
        doc.Serialize(ar);
    } catch (const CArchiveException&) {
        loaded = false;
    }
    const IconListing listing = ListIconPictures(bytes).listing;
    if (ListingSaysDamaged(listing) == loaded)
        __builtin_trap();
    const IconListing headersOnly = ListIconDirectory(
        bytes, [](int, const QByteArray& stored) { return BitmapPictureSize(stored); });
    const bool anyPng = std::any_of(listing.entries.begin(), listing.entries.end(),
        [](const IconEntryListing& e) { return e.png.has_value(); });
    for (std::size_t i = 0; !anyPng && i < listing.entries.size(); ++i)
        if (headersOnly.entries[i].decoded != listing.entries[i].decoded)
            __builtin_trap();
    if (!loaded)
        return 0;
    // Cells outside each image must stay transparent whatever the file held.
    for (int g = 0; g < kImageCount; ++g)
        for (int x = 0; x < kMaxSide; ++x)
            for (int y = 0; y < kMaxSide; ++y)
                if ((x >= kImageSides[g] || y >= kImageSides[g])
                    && doc.m_pixels[g][x][y] != ICON_TRANSPARENT)
                    __builtin_trap();
    return 0;
}
