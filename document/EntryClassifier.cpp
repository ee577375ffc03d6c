// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/EntryClassifier.h"

#include "document/IconFile.h"
#include "framework/Archive.h"

#include <cstring>

std::optional<BitmapInfoHeader> HeaderAt(const CArchive& file, std::uint32_t offset)
{
    constexpr std::size_t kHeaderBytes = 40;
    if (!file.Has(offset, kHeaderBytes))
        return std::nullopt;
    // A copy of the header's bytes alone: an archive owns what it reads, and the file may be
    // large.
    const auto start = file.Buffer().begin() + std::ptrdiff_t(offset);
    CArchive peek(Bytes(start, start + kHeaderBytes));
    BitmapInfoHeader header;
    header.Read(peek);
    return header;
}

bool IsPngAt(const CArchive& file, std::uint32_t offset)
{
    static constexpr std::uint8_t kPngSignature[] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    return file.Has(offset, sizeof kPngSignature)
        && std::memcmp(file.Buffer().data() + offset, kPngSignature, sizeof kPngSignature) == 0;
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
