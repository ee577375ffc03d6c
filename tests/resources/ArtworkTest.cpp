// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Artwork.h"

#include "document/IconFile.h"
#include "framework/Archive.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

using namespace Artwork;

namespace {

// The classic 16 colours, the only opaque colours the pictures may use.
constexpr std::array<QRgb, 16> kPalette = {
    0xFF000000,
    0xFF800000,
    0xFF008000,
    0xFF808000,
    0xFF000080,
    0xFF800080,
    0xFF008080,
    0xFFC0C0C0,
    0xFF808080,
    0xFFFF0000,
    0xFF00FF00,
    0xFFFFFF00,
    0xFF0000FF,
    0xFFFF00FF,
    0xFF00FFFF,
    0xFFFFFFFF,
};

constexpr std::array<int, 3> kToolbars = { kCommandsToolbar, kBrushSizesToolbar, kToolsToolbar };

std::vector<QRgb> Pixels(const QImage& image)
{
    std::vector<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.push_back(image.pixel(x, y));
    return out;
}

// Distinct pixel values, every fully transparent pixel counting as one value.
int DistinctColours(const QImage& image)
{
    QSet<QRgb> seen;
    for (QRgb p : Pixels(image))
        seen.insert(qAlpha(p) == 0 ? 0 : p);
    return int(seen.size());
}

} // namespace

TEST(Artwork, ToolbarStripsHoldOneImagePerButton)
{
    struct Expected {
        int id;
        QSize button;
        int count;
    };
    for (const Expected& e : { Expected { kCommandsToolbar, QSize(16, 15), 18 },
             Expected { kBrushSizesToolbar, QSize(13, 13), 4 },
             Expected { kToolsToolbar, QSize(21, 21), 16 } }) {
        SCOPED_TRACE(e.id);
        EXPECT_EQ(ToolbarButtonSize(e.id), e.button);
        EXPECT_EQ(ToolbarButtonCount(e.id), e.count);
        const QImage strip = ToolbarStrip(e.id);
        ASSERT_FALSE(strip.isNull());
        EXPECT_EQ(strip.size(), QSize(e.button.width() * e.count, e.button.height()));
        EXPECT_EQ(Bitmap(e.id), strip);
        // The last button is the rightmost slice of the strip.
        const QImage last = ToolbarButtonImage(e.id, e.count - 1);
        EXPECT_EQ(last,
            strip.copy(strip.width() - e.button.width(), 0, e.button.width(), e.button.height()));
        EXPECT_TRUE(ToolbarButtonImage(e.id, e.count).isNull());
        EXPECT_TRUE(ToolbarButtonImage(e.id, -1).isNull());
        EXPECT_FALSE(ToolbarButtonIcon(e.id, 0).isNull());
    }
    EXPECT_TRUE(ToolbarStrip(201).isNull());
    EXPECT_EQ(ToolbarButtonCount(201), 0);
    EXPECT_TRUE(Bitmap(105).isNull());
}

TEST(Artwork, EveryButtonIsADistinctPictureOnATransparentFace)
{
    for (int id : kToolbars) {
        std::vector<QImage> buttons;
        for (int i = 0; i < ToolbarButtonCount(id); ++i) {
            SCOPED_TRACE(testing::Message() << "toolbar " << id << " button " << i);
            const QImage button = ToolbarButtonImage(id, i);
            EXPECT_GE(DistinctColours(button), 3);
            const auto pixels = Pixels(button);
            EXPECT_TRUE(
                std::any_of(pixels.begin(), pixels.end(), [](QRgb p) { return qAlpha(p) == 0; }));
            for (const QImage& earlier : buttons)
                EXPECT_NE(button, earlier);
            buttons.push_back(button);
        }
    }
}

TEST(Artwork, PicturesUseOnlyTheSixteenColoursOrFullTransparency)
{
    std::vector<std::pair<const char*, QImage>> pictures = {
        { "commands", ToolbarStrip(kCommandsToolbar) },
        { "brush sizes", ToolbarStrip(kBrushSizesToolbar) },
        { "tools", ToolbarStrip(kToolsToolbar) },
        { "swap", SwapBitmap() },
        { "splash", SplashBitmap() },
        { "tip bulb", TipBulbBitmap() },
        { "icon 16", AppIconImage(16) },
        { "icon 32", AppIconImage(32) },
        { "icon 48", AppIconImage(48) },
    };
    for (const auto& [name, image] : pictures) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(image.isNull());
        int strays = 0;
        for (QRgb p : Pixels(image)) {
            const bool clear = qAlpha(p) == 0;
            const bool listed = std::find(kPalette.begin(), kPalette.end(), p) != kPalette.end();
            strays += (clear || listed) ? 0 : 1;
        }
        EXPECT_EQ(strays, 0);
    }
}

TEST(Artwork, SwapButtonSplashAndBulbAreOpaquePicturesOfTheirSize)
{
    const QImage swap = SwapBitmap();
    const QImage splash = SplashBitmap();
    const QImage bulb = TipBulbBitmap();
    EXPECT_EQ(swap.size(), QSize(19, 19));
    EXPECT_EQ(splash.size(), QSize(520, 317));
    EXPECT_EQ(bulb.size(), QSize(40, 53));
    EXPECT_EQ(Bitmap(kSwapBitmap), swap);
    EXPECT_EQ(Bitmap(kTipBulbBitmap), bulb);
    for (const QImage& image : { swap, splash, bulb }) {
        EXPECT_FALSE(image.hasAlphaChannel());
        EXPECT_GE(DistinctColours(image), 4);
    }
}

TEST(Artwork, AppIconHasThreeSizesThatMatchTheIconFile)
{
    const QList<QSize> sizes = AppIcon().availableSizes();
    for (int side : { 16, 32, 48 })
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    EXPECT_TRUE(AppIconImage(24).isNull());

    // The .ico must hold the same pictures, readable by the editor's own codec.
    QFile file(AppIconFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    CArchive ar(ToBytes(file.readAll()));
    std::array<IconGrid, 3> grids;
    for (auto& grid : grids)
        FillGrid(grid, RGB(1, 1, 1));
    CIconFile().LoadIconFile(ar, grids[0], grids[1], grids[2]);
    for (int s = 0; s < 3; ++s) {
        const int side = kImageSides[s];
        const QImage png = AppIconImage(side);
        ASSERT_EQ(png.size(), QSize(side, side));
        int mismatches = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QRgb p = png.pixel(x, y);
                const COLORREF expected
                    = qAlpha(p) == 0 ? ICON_TRANSPARENT : RGB(qRed(p), qGreen(p), qBlue(p));
                mismatches += grids[s][x][y] == expected ? 0 : 1;
            }
        }
        EXPECT_EQ(mismatches, 0) << side;
    }
}
