// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IconListing.h"

#include "framework/Archive.h"

namespace {

// Mirrors CIconFile::LoadIconFile and CIconImage::ReadImage for one entry.
void Classify(IconEntryListing& item, const CArchive& file)
{
    const IconDirEntry& e = item.entry;
    const int side = e.bWidth;
    const auto skip = [&](IconEntryListing::Use use, const char* reason) {
        item.use = use;
        item.reason = QString::fromLatin1(reason);
    };
    if (SizeIndexOfSide(side) < 0)
        return skip(IconEntryListing::Use::Skipped, "width not 16/32/48");
    if (!item.header)
        return skip(IconEntryListing::Use::Damaged, "image outside the file");
    if (item.header->biWidth != side)
        return skip(IconEntryListing::Use::Skipped, "header width mismatch");
    if (!CIconImage::IsDecodableBitCount(item.header->biBitCount))
        return skip(IconEntryListing::Use::Skipped, "bit depth not 8/4");
    if (!file.Has(e.dwImageOffset, CIconImage::StoredBytes(side, item.header->biBitCount)))
        return skip(IconEntryListing::Use::Damaged, "image data cut short");
    item.use = IconEntryListing::Use::Used;
}

std::optional<BitmapInfoHeader> HeaderAt(CArchive& file, std::uint32_t offset)
{
    constexpr std::size_t kHeaderBytes = 40;
    if (!file.Has(offset, kHeaderBytes))
        return std::nullopt;
    file.Seek(offset);
    BitmapInfoHeader header;
    header.Read(file);
    return header;
}

} // namespace

IconListing ListIconDirectory(const QByteArray& bytes)
{
    IconListing listing;
    CArchive file(bytes);
    if (!file.Has(0, IconDirectoryBytes(0)))
        return listing;
    listing.headerComplete = true;
    file.Seek(4);
    listing.announcedEntries = file.ReadWord();

    for (unsigned i = 0; i < listing.announcedEntries; ++i) {
        const std::size_t at = IconDirectoryBytes(i);
        if (!file.Has(at, IconDirEntry::kBytes))
            break;
        IconEntryListing item;
        item.number = int(i) + 1;
        file.Seek(at);
        item.entry.Read(file);
        item.header = HeaderAt(file, item.entry.dwImageOffset);
        Classify(item, file);
        listing.entries.push_back(item);
    }

    // A later used entry of the same width decodes over an earlier one.
    for (std::size_t i = 0; i < listing.entries.size(); ++i) {
        IconEntryListing& earlier = listing.entries[i];
        if (earlier.use != IconEntryListing::Use::Used)
            continue;
        for (std::size_t j = i + 1; j < listing.entries.size() && !earlier.replacedBy; ++j) {
            const IconEntryListing& later = listing.entries[j];
            if (later.use == IconEntryListing::Use::Used
                && later.entry.bWidth == earlier.entry.bWidth)
                earlier.replacedBy = later.number;
        }
    }
    return listing;
}

QString IconEntryListing::Format() const
{
    const QString depth = header ? QString::number(header->biBitCount) + QStringLiteral(" bpp")
                                 : QStringLiteral("? bpp");
    QString text = QStringLiteral("entry %1: %2x%3, %4, offset %5, %6 bytes, ")
                       .arg(number)
                       .arg(entry.bWidth)
                       .arg(entry.bHeight)
                       .arg(depth)
                       .arg(entry.dwImageOffset)
                       .arg(entry.dwBytesInRes);
    switch (use) {
    case Use::Used:
        text += QStringLiteral("used");
        if (replacedBy)
            text += QStringLiteral(" (replaced by entry %1)").arg(replacedBy);
        break;
    case Use::Skipped:
        text += QStringLiteral("skipped (%1)").arg(reason);
        break;
    case Use::Damaged:
        text += QStringLiteral("damaged (%1)").arg(reason);
        break;
    }
    return text;
}
