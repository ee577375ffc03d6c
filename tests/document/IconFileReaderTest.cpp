// SPDX-License-Identifier: GPL-3.0-or-later
// Reading icon files: our own files round trip, foreign files decode as far as the reader
// accepts them, and damaged files fail cleanly with the framework's message.
#include "framework/Archive.h"
#include "support/IcoBuilder.h"
#include "support/ScriptedPlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kMarker = RGB(250, 1, 250);

std::vector<COLORREF> Palette(int entries)
{
    std::vector<COLORREF> palette;
    for (int k = 0; k < entries; ++k)
        palette.push_back(RGB(k * 13 % 256, 255 - k, k * 5 % 256));
    return palette;
}

ForeignImage FourBit(int side)
{
    ForeignImage image;
    image.entryWidth = image.headerWidth = side;
    image.bits = 4;
    image.palette = Palette(16);
    image.index = [](int x, int y) { return (x + 3 * y) % 16; };
    image.transparent = [](int x, int y) { return x == y; };
    return image;
}

ForeignImage EightBit(int side)
{
    ForeignImage image;
    image.entryWidth = image.headerWidth = side;
    image.bits = 8;
    image.palette = Palette(256);
    image.index = [](int x, int y) { return (x * 5 + y) % 256; };
    return image;
}

// The colour the image description puts at (x, y).
COLORREF Expected(const ForeignImage& image, int x, int y)
{
    return image.transparent(x, y) ? ICON_TRANSPARENT
                                   : image.palette[std::size_t(image.index(x, y))];
}

void ExpectGridShows(const IconGrid& grid, const ForeignImage& image)
{
    const int side = image.headerWidth;
    for (int x = 0; x < kMaxSide; ++x)
        for (int y = 0; y < kMaxSide; ++y)
            ASSERT_EQ(grid[x][y], x < side && y < side ? Expected(image, x, y) : ICON_TRANSPARENT)
                << "x " << x << " y " << y;
}

struct Loaded {
    std::array<IconGrid, kImageCount> grids;
    QString skipped; // the reader's account of what it left out
};

// Loads into grids pre-filled with a marker, so untouched grids are visible.
Loaded LoadOverMarker(const QByteArray& bytes)
{
    Loaded out;
    for (IconGrid& g : out.grids)
        FillGrid(g, kMarker);
    CIconFile file;
    CArchive ar(ToBytes(bytes));
    file.LoadIconFile(ar, out.grids[0], out.grids[1], out.grids[2]);
    out.skipped = QString::fromStdString(file.SkippedImagesText());
    return out;
}

bool Untouched(const IconGrid& grid)
{
    for (const auto& column : grid)
        for (COLORREF c : column)
            if (c != kMarker)
                return false;
    return true;
}

} // namespace

TEST(IconFileReader, RoundTripsEveryCellOfEveryCombination)
{
    for (int mask = 1; mask < 8; ++mask) {
        CIconDoc doc;
        for (int i = 0; i < kImageCount; ++i)
            if (mask & (1 << i))
                PaintTestPattern(doc, { kImageSides[i] }, 255);
        CIconDoc loaded;
        LoadFromBytes(loaded, SaveToBytes(doc));
        ASSERT_EQ(loaded.m_pixels, doc.m_pixels) << "images drawn: mask " << mask;
        EXPECT_TRUE(loaded.m_bHasContent);
    }
}

TEST(IconFileReader, DecodesFourBitImagesHighNibbleFirstAndIgnoresMaskPadding)
{
    for (int side : kImageSides) {
        ForeignImage image = FourBit(side);
        image.maskPaddingSet = true;
        CIconDoc doc;
        LoadFromBytes(doc, BuildIcon({ 1, { image } }));
        SCOPED_TRACE(side);
        ExpectGridShows(doc.m_pixels[SizeIndexOfSide(side)], image);
    }
}

TEST(IconFileReader, LaterEntryOfTheSameWidthWins)
{
    const ForeignImage four = FourBit(32);
    const ForeignImage eight = EightBit(32);
    {
        CIconDoc doc;
        LoadFromBytes(doc, BuildIcon({ 1, { four, eight } }));
        ExpectGridShows(doc.m_pixels[1], eight);
        // A save keeps only the winner, so the one it replaced counts as left out.
        EXPECT_EQ(doc.m_iconFile.SkippedImagesText(), "32 x 32 4-bit");
    }
    {
        CIconDoc doc;
        LoadFromBytes(doc, BuildIcon({ 1, { eight, four } }));
        ExpectGridShows(doc.m_pixels[1], four);
        EXPECT_EQ(doc.m_iconFile.SkippedImagesText(), "32 x 32 8-bit");
    }
}

TEST(IconFileReader, PixelsTakeTheirColourByTablePosition)
{
    // Red at positions 0 and 5: index 6 must still mean position 6, and an opaque pixel whose
    // entry is the transparent value becomes transparent.
    ForeignImage image = EightBit(16);
    image.palette[0] = image.palette[5] = RGB(255, 0, 0);
    image.palette[6] = RGB(0, 200, 0);
    image.palette[7] = ICON_TRANSPARENT;
    image.index = [](int x, int) { return x < 8 ? x : 6; };
    CIconDoc doc;
    LoadFromBytes(doc, BuildIcon({ 1, { image } }));
    const IconGrid& grid = doc.m_pixels[0];
    EXPECT_EQ(grid[5][3], RGB(255, 0, 0));
    EXPECT_EQ(grid[6][3], RGB(0, 200, 0));
    EXPECT_EQ(grid[12][3], RGB(0, 200, 0));
    EXPECT_EQ(grid[7][3], ICON_TRANSPARENT);
    EXPECT_EQ(grid[0][3], RGB(255, 0, 0));
}

TEST(IconFileReader, SkipsEntriesItCannotDecodeAndReadsTheRest)
{
    struct Case {
        const char* name;
        ForeignImage image;
        QString skipped;
    };
    std::vector<Case> cases;
    for (int bits : { 1, 24, 32 }) {
        ForeignImage image = EightBit(32);
        image.bits = bits;
        cases.push_back({ bits == 1 ? "1 bpp"
                : bits == 24        ? "24 bpp"
                                    : "32 bpp",
            image, QStringLiteral("32 x 32 %1-bit").arg(bits) });
    }
    for (int width : { 0, 64 }) {
        ForeignImage image = EightBit(32);
        image.entryWidth = width;
        cases.push_back({ width == 0 ? "width 0" : "width 64", image,
            width == 0 ? QStringLiteral("256 x 256 8-bit") : QStringLiteral("64 x 64 8-bit") });
    }
    ForeignImage mismatch = EightBit(16);
    mismatch.entryWidth = 32;
    cases.push_back(
        { "header width 16 under a 32 entry", mismatch, QStringLiteral("32 x 32 8-bit") });

    const ForeignImage good = FourBit(48);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Loaded loaded = LoadOverMarker(BuildIcon({ 1, { c.image, good } }));
        EXPECT_TRUE(Untouched(loaded.grids[0]));
        EXPECT_TRUE(Untouched(loaded.grids[1]));
        EXPECT_EQ(loaded.skipped, c.skipped);
        for (int x = 0; x < 48; ++x)
            for (int y = 0; y < 48; ++y)
                ASSERT_EQ(loaded.grids[2][x][y], Expected(good, x, y));
    }
}

TEST(IconFileReader, OffsetsIntoTheDirectoryAreReadLikeAnyOtherBytes)
{
    CIconDoc source;
    PaintTestPattern(source, { 32 });
    const QByteArray ours = SaveToBytes(source);

    // A count of 3 over our one-entry file: the image at offset 22 now lies inside the
    // announced directory, whose other two entries are made of image bytes.
    QByteArray counted = ours;
    PutWord(counted, 4, 3);
    // A 16-wide entry pointing at the directory itself, before a good 32 x 32 entry.
    QByteArray pointing = QByteArray(ours).insert(6, QByteArray(16, '\0'));
    PutWord(pointing, 4, 2);
    pointing[6] = char(16);
    PutDWord(pointing, 6 + 12, 6);
    PutDWord(pointing, 22 + 12, 38);

    for (const QByteArray& bytes : { counted, pointing }) {
        CIconDoc doc;
        ASSERT_NO_THROW(LoadFromBytes(doc, bytes));
        EXPECT_EQ(doc.m_pixels, source.m_pixels);
        EXPECT_FALSE(doc.m_iconFile.SkippedImagesText().empty());
    }

    CIconDoc plain;
    LoadFromBytes(plain, ours);
    EXPECT_EQ(plain.m_iconFile.SkippedImagesText(), "") << "a file of ours leaves nothing out";
}

TEST(IconFileReader, NamesPngImagesAndImagesOutsideTheFile)
{
    CIconDoc source;
    PaintTestPattern(source, { 32 });
    QByteArray bytes = SaveToBytes(source);
    // Two more entries: a 256 x 256 PNG at the end, and a 64 x 64 image past the end.
    const QByteArray png = QByteArrayLiteral("\x89PNG\r\n\x1a\n\0\0\0\rIHDR");
    bytes.insert(22, QByteArray(32, '\0'));
    PutWord(bytes, 4, 3);
    PutDWord(bytes, 6 + 12, 54);
    PutDWord(bytes, 22 + 12, std::uint32_t(bytes.size()));
    bytes[38] = char(64);
    bytes[39] = char(64);
    PutDWord(bytes, 38 + 12, 1'000'000);
    bytes += png;

    CIconDoc doc;
    ASSERT_NO_THROW(LoadFromBytes(doc, bytes));
    EXPECT_EQ(doc.m_pixels, source.m_pixels);
    EXPECT_EQ(doc.m_iconFile.SkippedImagesText(), "256 x 256 PNG, 64 x 64");
}

TEST(IconFileReader, ReadsCursorFilesLikeIcons)
{
    const ForeignImage image = EightBit(32);
    CIconDoc doc;
    LoadFromBytes(doc, BuildIcon({ 2, { image } }));
    ExpectGridShows(doc.m_pixels[1], image);
}

TEST(IconFileReader, LoadingMarksContentEvenWithoutAUsableImage)
{
    CIconDoc doc;
    ForeignImage big = EightBit(32);
    big.entryWidth = 64;
    LoadFromBytes(doc, BuildIcon({ 1, { big } }));
    EXPECT_TRUE(doc.m_bHasContent);
    EXPECT_FALSE(doc.IsAnyImageDrawn());
}

TEST(IconFileReader, AFourBitFileIsSavedAsEightBit)
{
    CIconDoc doc;
    LoadFromBytes(doc, BuildIcon({ 1, { FourBit(16) } }));
    const QByteArray saved = SaveToBytes(doc);
    ASSERT_EQ(saved.size(), 6 + 16 + 1384);
    EXPECT_EQ(GetWord(saved, 22 + 14), 8) << "bits per pixel";
    EXPECT_EQ(GetDWord(saved, 22 + 20), 320u) << "image size";
    CIconDoc again;
    LoadFromBytes(again, saved);
    EXPECT_EQ(again.m_pixels, doc.m_pixels);
}

TEST(IconFileReader, DamagedFilesFailWithUnexpectedFileFormat)
{
    CIconDoc source;
    PaintTestPattern(source, { 16, 32 });
    const QByteArray good = SaveToBytes(source);
    const int firstEntry = 6;

    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const auto patched = [&](auto change) {
        QByteArray bytes = good;
        change(bytes);
        return bytes;
    };
    const std::vector<Case> cases = {
        { "empty file", QByteArray() },
        { "truncated header", good.left(4) },
        { "truncated entry", good.left(6 + 16 + 9) },
        { "offset past end", patched([&](QByteArray& b) {
             PutDWord(b, firstEntry + 12, std::uint32_t(b.size()) + 100);
         }) },
        { "offset at the very end", patched([&](QByteArray& b) {
             PutDWord(b, firstEntry + 12, std::uint32_t(b.size()));
         }) },
        { "offset 0xFFFFFFFF",
            patched([&](QByteArray& b) { PutDWord(b, firstEntry + 12, 0xFFFFFFFFu); }) },
        { "entry count 65535", patched([](QByteArray& b) { PutWord(b, 4, 0xFFFF); }) },
        { "image data cut short", good.left(good.size() - 1) },
        { "first image cut short", good.left(38 + 1000) },
    };

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("damaged.ico"));
        ASSERT_TRUE(WriteFile(path, c.bytes));
        ScopedScriptedPlatform platform;
        CIconDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(path));
        ASSERT_EQ(platform->messages.size(), 1u);
        EXPECT_EQ(platform->messages[0].text, QStringLiteral("Unexpected file format."));
    }
}
