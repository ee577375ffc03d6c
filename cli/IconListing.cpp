// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IconListing.h"

#include "document/EntryClassifier.h"
#include "framework/Archive.h"

namespace {

// Sixteen 1024 x 1024 pictures; a real icon holds a few of 256 x 256 at most.
constexpr qint64 kDecodedPixelBudget = 16LL * 1024 * 1024;

// The bytes an entry announces, cut at the end of the file.
QByteArray EntryBytes(const QByteArray& file, const IconDirEntry& entry)
{
    if (entry.dwImageOffset >= std::uint32_t(file.size()))
        return {};
    return file.mid(qsizetype(entry.dwImageOffset), qsizetype(entry.dwBytesInRes));
}

} // namespace

IconListing ListIconDirectory(const QByteArray& bytes, const EntryDecoder& decode)
{
    IconListing listing;
    CArchive file(ToBytes(bytes));
    if (!file.Has(0, IconDirectoryBytes(0)))
        return listing;
    listing.headerComplete = true;
    listing.reserved = file.ReadWord();
    listing.type = file.ReadWord();
    listing.announcedEntries = file.ReadWord();

    qint64 decodedPixels = 0;
    for (unsigned i = 0; i < listing.announcedEntries; ++i) {
        const std::size_t at = IconDirectoryBytes(i);
        if (!file.Has(at, IconDirEntry::kBytes))
            break;
        IconEntryListing item;
        item.number = int(i) + 1;
        file.Seek(at);
        item.entry.Read(file);
        item.header = HeaderAt(file, item.entry.dwImageOffset);
        const QByteArray stored = EntryBytes(bytes, item.entry);
        item.png = ReadPngFacts(stored);
        // Many entries may point at the same large picture; past the budget the rest are not
        // decoded, so a crafted directory cannot keep the tool busy for hours.
        if (decodedPixels < kDecodedPixelBudget) {
            item.decoded = decode(item.number, stored);
            if (!item.decoded.isEmpty())
                decodedPixels += qint64(item.decoded.width()) * item.decoded.height();
        }
        const EntryVerdict verdict = ClassifyEntry(file, item.entry);
        item.use = verdict.use;
        item.reason = QString::fromLatin1(verdict.reason);
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

int IconEntryListing::BitsPerPixel() const
{
    if (png)
        return png->bitsPerPixel;
    return header ? header->biBitCount : 0;
}

QString IconEntryListing::Format() const
{
    QString picture;
    if (png)
        picture = QStringLiteral("png %1x%2, %3-bit")
                      .arg(png->width)
                      .arg(png->height)
                      .arg(BitsPerPixel());
    else
        picture = QStringLiteral("%1x%2, %3")
                      .arg(entry.bWidth)
                      .arg(entry.bHeight)
                      .arg(header ? QString::number(header->biBitCount) + QStringLiteral(" bpp")
                                  : QStringLiteral("? bpp"));
    QString text = QStringLiteral("entry %1: %2, offset %3, %4 bytes, ")
                       .arg(number)
                       .arg(picture)
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
