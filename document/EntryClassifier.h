// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the reader takes the image of one directory entry, skips it, or finds the file
// damaged there, and why. The reader acts on this verdict and pixmora-cli info prints it, so
// the two never disagree about a file. Only bytes inside the file are looked at; nothing here
// throws.
#pragma once

#include "document/IconImage.h"

#include <cstdint>
#include <optional>

class CArchive;
struct IconDirEntry;

enum class EntryUse { Used, Skipped, Damaged };

struct EntryVerdict {
    EntryUse use = EntryUse::Used;
    const char* reason = ""; // why the entry is skipped or damaged; empty when used
};

// The 40-byte bitmap header at offset, when all of it lies inside the file.
std::optional<BitmapInfoHeader> HeaderAt(const CArchive& file, std::uint32_t offset);
// True when the bytes at offset start with the PNG signature.
bool IsPngAt(const CArchive& file, std::uint32_t offset);

// The image stored at offset, to be decoded as a side x side picture.
EntryVerdict ClassifyStoredImage(const CArchive& file, std::uint32_t offset, int side);
// One directory entry: its width must be one of the editor's sides, then its image must be
// decodable at that side.
EntryVerdict ClassifyEntry(const CArchive& file, const IconDirEntry& entry);
