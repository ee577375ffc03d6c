// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/EntryClassifier.h"

#include "document/IconFile.h"
#include "framework/Archive.h"

std::optional<BitmapInfoHeader> HeaderAt(const CArchive& file, std::uint32_t offset)
{
    constexpr std::size_t kHeaderBytes = 40;
    if (!file.Has(offset, kHeaderBytes))
        return std::nullopt;
    CArchive peek(file.Buffer());
    peek.Seek(offset);
    BitmapInfoHeader header;
    header.Read(peek);
    return header;
}

bool IsPngAt(const CArchive& file, std::uint32_t offset)
{
    static const QByteArray kPngSignature = QByteArrayLiteral("\x89PNG\r\n\x1a\n");
    return file.Has(offset, std::size_t(kPngSignature.size()))
        && file.Buffer().mid(qsizetype(offset), kPngSignature.size()) == kPngSignature;
}

EntryVerdict ClassifyStoredImage(const CArchive& file, std::uint32_t offset, int side)
{
    const std::optional<BitmapInfoHeader> header = HeaderAt(file, offset);
    if (!header)
        return { EntryUse::Damaged, "image outside the file" };
    if (IsPngAt(file, offset))
        return { EntryUse::Skipped, "png-compressed" };
    if (header->biWidth != side)
        return { EntryUse::Skipped, "header width mismatch" };
    if (!CIconImage::IsDecodableBitCount(header->biBitCount))
        return { EntryUse::Skipped, "bit depth not 8/4" };
    if (!file.Has(offset, CIconImage::StoredBytes(side, header->biBitCount)))
        return { EntryUse::Damaged, "image data cut short" };
    return {};
}

EntryVerdict ClassifyEntry(const CArchive& file, const IconDirEntry& entry)
{
    if (SizeIndexOfSide(entry.bWidth) < 0)
        return { EntryUse::Skipped, "width not 16/32/48" };
    return ClassifyStoredImage(file, entry.dwImageOffset, entry.bWidth);
}
