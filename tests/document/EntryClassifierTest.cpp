// SPDX-License-Identifier: GPL-3.0-or-later
// The one verdict per directory entry that both the reader and pixmora-cli info act on.
#include "document/EntryClassifier.h"
#include "document/IconFile.h"
#include "framework/Archive.h"
#include "support/IcoBuilder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

IconDirEntry EntryOf(const QByteArray& bytes, unsigned i)
{
    CArchive ar(ToBytes(bytes));
    ar.Seek(IconDirectoryBytes(i));
    IconDirEntry entry;
    entry.Read(ar);
    return entry;
}

std::string Verdict(const QByteArray& bytes, unsigned i)
{
    const EntryVerdict v = ClassifyEntry(CArchive(ToBytes(bytes)), EntryOf(bytes, i));
    const char* use = v.use == EntryUse::Used ? "used"
        : v.use == EntryUse::Skipped          ? "skipped"
                                              : "damaged";
    return std::string(use) + (*v.reason ? std::string(": ") + v.reason : std::string());
}

ForeignImage Image(int entryWidth, int headerWidth, int bits)
{
    ForeignImage image;
    image.entryWidth = entryWidth;
    image.headerWidth = headerWidth;
    image.bits = bits;
    return image;
}

} // namespace

TEST(EntryClassifier, NamesEachReasonInTheReadersOrder)
{
    const QByteArray file = BuildIcon({ 1,
        { Image(32, 32, 8), Image(64, 64, 8), Image(32, 16, 8), Image(16, 16, 1),
            Image(48, 48, 4) } });
    EXPECT_EQ(Verdict(file, 0), "used");
    EXPECT_EQ(Verdict(file, 1), "skipped: width not 16/32/48");
    EXPECT_EQ(Verdict(file, 2), "skipped: header width mismatch");
    EXPECT_EQ(Verdict(file, 3), "skipped: bit depth not 8/4");
    EXPECT_EQ(Verdict(file, 4), "used");

    // A PNG stream is named as such even though its first bytes are no width either.
    QByteArray png = file;
    const int at = int(EntryOf(file, 0).dwImageOffset);
    png.replace(at, 8, QByteArrayLiteral("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(Verdict(png, 0), "skipped: png-compressed");
}

TEST(EntryClassifier, DamageStartsAtTheFirstMissingByte)
{
    const QByteArray file = BuildIcon({ 1, { Image(48, 48, 4) } });
    const IconDirEntry entry = EntryOf(file, 0);
    const int end = int(entry.dwImageOffset + CIconImage::StoredBytes(48, 4));
    ASSERT_EQ(end, file.size());
    EXPECT_EQ(Verdict(file.left(end), 0), "used");
    EXPECT_EQ(Verdict(file.left(end - 1), 0), "damaged: image data cut short");
    EXPECT_EQ(
        Verdict(file.left(int(entry.dwImageOffset) + 40), 0), "damaged: image data cut short");
    EXPECT_EQ(
        Verdict(file.left(int(entry.dwImageOffset) + 39), 0), "damaged: image outside the file");
    // An entry the editor has no grid for is skipped before its bytes are looked at.
    QByteArray wide = file.left(int(entry.dwImageOffset));
    wide[6] = char(64);
    EXPECT_EQ(Verdict(wide, 0), "skipped: width not 16/32/48");
}
