// SPDX-License-Identifier: GPL-3.0-or-later
// The writer's byte layout, checked byte by byte against the icon file layout.
#include "support/IcoBuilder.h"

#include <gtest/gtest.h>
#include <map>

namespace {

constexpr int kTableStart = 40;
constexpr int kIndexStart = 40 + 1024;

int MaskStart(int side) { return kIndexStart + side * side; }

std::uint8_t ByteAt(const QByteArray& bytes, int pos) { return std::uint8_t(bytes[pos]); }

struct LayoutCase {
    std::vector<int> sides;
    std::vector<std::uint32_t> offsets;
    int fileSize;
};

} // namespace

TEST(IconFileWriter, DirectoryAndHeadersForEachCombinationOfDrawnImages)
{
    const std::vector<LayoutCase> cases = {
        { { 32 }, { 22 }, 2238 },
        { { 16, 32, 48 }, { 54, 1438, 3654 }, 7406 },
        { { 16, 48 }, { 38, 1422 }, 5174 },
    };
    const std::map<int, std::uint32_t> bytesInImage = { { 16, 1384 }, { 32, 2216 }, { 48, 3752 } };
    const std::map<int, std::uint32_t> headerImageSize
        = { { 16, 320 }, { 32, 1152 }, { 48, 2688 } };

    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sides.size() << " images, first " << c.sides[0]);
        CIconDoc doc;
        for (int side : c.sides)
            doc.m_pixels[SizeIndexOfSide(side)][side - 1][0] = RGB(200, 10, 10);
        const QByteArray file = SaveToBytes(doc);

        ASSERT_EQ(file.size(), c.fileSize);
        EXPECT_EQ(GetWord(file, 0), 0);
        EXPECT_EQ(GetWord(file, 2), 1);
        EXPECT_EQ(GetWord(file, 4), c.sides.size());
        for (std::size_t i = 0; i < c.sides.size(); ++i) {
            const int side = c.sides[i];
            const int entry = 6 + 16 * int(i);
            EXPECT_EQ(ByteAt(file, entry), side);
            EXPECT_EQ(ByteAt(file, entry + 1), side);
            EXPECT_EQ(ByteAt(file, entry + 2), 0) << "colour count";
            EXPECT_EQ(ByteAt(file, entry + 3), 0);
            EXPECT_EQ(GetWord(file, entry + 4), 0) << "planes";
            EXPECT_EQ(GetWord(file, entry + 6), 0) << "bit count";
            EXPECT_EQ(GetDWord(file, entry + 8), bytesInImage.at(side));
            ASSERT_EQ(GetDWord(file, entry + 12), c.offsets[i]);

            const int h = int(c.offsets[i]);
            const std::vector<std::uint32_t> header = { 40, std::uint32_t(side),
                std::uint32_t(2 * side), 1 | (8u << 16), 0, headerImageSize.at(side), 0, 0, 0, 0 };
            for (std::size_t k = 0; k < header.size(); ++k)
                EXPECT_EQ(GetDWord(file, h + 4 * int(k)), header[k]) << "header dword " << k;
        }
    }
}

TEST(IconFileWriter, ColourTableIndexRowsAndMaskRowsOfATwoColourImage)
{
    CIconDoc doc;
    doc.m_pixels[0][0][0] = RGB(255, 0, 0);
    doc.m_pixels[0][0][1] = RGB(0, 0, 255);
    const QByteArray file = SaveToBytes(doc);
    const int image = 22;

    // Black first, then red and blue in scan order, then white up to 256 entries.
    const QByteArray expectedTable = QByteArray::fromHex("00000000"
                                                         "0000ff00"
                                                         "ff000000")
        + QByteArray::fromHex("ffffff00").repeated(253);
    EXPECT_EQ(file.mid(image + kTableStart, 1024).toHex(), expectedTable.toHex());

    // Rows are stored bottom-up: image row 0 is the last index row, row 1 the one before it.
    for (int row = 0; row < 16; ++row) {
        for (int x = 0; x < 16; ++x) {
            const int expected = x == 0 && row == 15 ? 1 : x == 0 && row == 14 ? 2 : 0;
            EXPECT_EQ(ByteAt(file, image + kIndexStart + row * 16 + x), expected)
                << "row " << row << " x " << x;
        }
        const QByteArray mask = file.mid(image + MaskStart(16) + row * 4, 4);
        EXPECT_EQ(mask.toHex(), row >= 14 ? "7fff0000" : "ffff0000") << "mask row " << row;
    }
}

TEST(IconFileWriter, ColumnsAreScannedBeforeRowsAndBlackIsOpaqueIndexZero)
{
    CIconDoc doc;
    IconGrid& grid = doc.m_pixels[2];
    grid[3][0] = RGB(255, 0, 0);
    grid[1][40] = RGB(0, 0, 255);
    grid[2][2] = RGB(0, 0, 0);
    const QByteArray file = SaveToBytes(doc);
    const int image = 22;

    EXPECT_EQ(file.mid(image + kTableStart + 4, 8).toHex(), "ff0000000000ff00");
    const auto index
        = [&](int x, int y) { return ByteAt(file, image + kIndexStart + (47 - y) * 48 + x); };
    const auto maskBit = [&](int x, int y) {
        return (ByteAt(file, image + MaskStart(48) + (47 - y) * 8 + x / 8) >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ(index(1, 40), 1);
    EXPECT_EQ(index(3, 0), 2);
    EXPECT_EQ(index(2, 2), 0);
    EXPECT_EQ(maskBit(2, 2), 0) << "opaque black";
    EXPECT_EQ(index(5, 5), 0);
    EXPECT_EQ(maskBit(5, 5), 1) << "transparent";
    // A 48-pixel mask row is six bytes of bits and two of zero padding.
    EXPECT_EQ(file.mid(image + MaskStart(48), 8).toHex(), "ffffffffffff0000");
}

TEST(IconFileWriter, ColoursBeyondTheTableAreWrittenAsOpaqueBlack)
{
    // 256 distinct colours, none black, in scan order: only 255 fit beside black.
    CIconDoc doc;
    IconGrid& grid = doc.m_pixels[1];
    std::vector<COLORREF> inScanOrder;
    for (int k = 0; k < 256; ++k) {
        const int x = k / 32;
        const int y = k % 32;
        grid[x][y] = RGB(k, 255 - k, 77);
        inScanOrder.push_back(grid[x][y]);
    }
    const QByteArray file = SaveToBytes(doc);
    const int image = 22;
    for (int k = 0; k < 255; ++k)
        ASSERT_EQ(GetDWord(file, image + kTableStart + 4 * (k + 1)) & 0xFFFFFF,
            std::uint32_t((k << 16) | ((255 - k) << 8) | 77))
            << "entry " << k + 1;
    const int lastX = 255 / 32;
    const int lastY = 255 % 32;
    EXPECT_EQ(ByteAt(file, image + kIndexStart + (31 - lastY) * 32 + lastX), 0);
    EXPECT_EQ(
        ByteAt(file, image + MaskStart(32) + (31 - lastY) * 4 + lastX / 8) & (0x80 >> lastX % 8),
        0);

    CIconDoc loaded;
    LoadFromBytes(loaded, file);
    EXPECT_EQ(loaded.m_pixels[1][lastX][lastY], RGB(0, 0, 0));
    EXPECT_EQ(loaded.m_pixels[1][lastX][lastY - 1], inScanOrder[254]);
}

TEST(IconFileWriter, LaterSavesAreRebuiltFromTheGridsAlone)
{
    // The codec keeps working buffers between saves; a second save of a different picture must
    // not inherit colours or mask bits from the first.
    CIconDoc doc;
    PaintTestPattern(doc, { 16, 32, 48 }, 200);
    SaveToBytes(doc);
    CIconDoc fresh;
    fresh.m_pixels[0][4][4] = RGB(9, 9, 9);
    doc.m_pixels = fresh.m_pixels;
    EXPECT_EQ(SaveToBytes(doc), SaveToBytes(fresh));
}
