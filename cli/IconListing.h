// SPDX-License-Identifier: GPL-3.0-or-later
// The directory of an icon file as pixmora-cli info shows it: every entry with its size, depth,
// offset and length, and whether the editor's reader uses it, skips it or finds it damaged.
// The listing reads the bytes itself, bounds-checked, so it can describe files the reader
// refuses; it applies the reader's own classifier entry by entry.
#pragma once

#include "cli/IconEntryFacts.h"
#include "document/EntryClassifier.h"
#include "document/IconFile.h"
#include "document/IconImage.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

struct IconEntryListing {
    using Use = EntryUse;

    int number = 0; // from 1, in directory order
    IconDirEntry entry;
    // Present when the 40 header bytes at the entry's offset lie inside the file.
    std::optional<BitmapInfoHeader> header;
    // Present when the entry holds a PNG stream instead of a bitmap.
    std::optional<PngFacts> png;
    // The size of the picture import would take from the entry: empty when it cannot be
    // decoded, or when the file's earlier entries have used up what one listing decodes.
    QSize decoded;
    Use use = Use::Skipped;
    QString reason; // why an entry is skipped or damaged
    int replacedBy = 0; // number of a later used entry of the same width, 0 when none

    // Bits per pixel as stored: the bitmap header's or the PNG stream's; 0 when unknown.
    int BitsPerPixel() const;
    // "entry 2: 32x32, 4 bpp, offset 1406, 744 bytes, used", or for a PNG entry
    // "entry 4: png 256x256, 32-bit, offset 2862, 21060 bytes, skipped (width not 16/32/48)"
    QString Format() const;
};

struct IconListing {
    unsigned reserved = 0; // 0 in every icon file
    unsigned type = 0; // 1 for icons, 2 for cursors
    unsigned announcedEntries = 0;
    bool headerComplete = false; // the 6-byte directory header is present
    std::vector<IconEntryListing> entries; // those wholly inside the file
};

// Tells the size of the picture an entry's stored bytes decode into, empty when they do not,
// and may keep the picture: entry numbers count from 1.
using EntryDecoder = std::function<QSize(int number, const QByteArray& stored)>;

IconListing ListIconDirectory(const QByteArray& bytes, const EntryDecoder& decode);
