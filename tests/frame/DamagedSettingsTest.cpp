// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with a settings file that is damaged: the editor starts with the defaults for what
// it cannot read, keeps what it can, and its exit leaves a store the next start reads again.
#include "frame/MainFrame.h"
#include "frame/PaletteToolBar.h"
#include "frame/Preferences.h"
#include "framework/Profile.h"
#include "resources/Resource.h"
#include "state/ProcessState.h"
#include "state/ToolState.h"
#include "support/AppHarness.h"
#include "support/FreshProfile.h"

#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace {

QByteArray BinaryGarbage(std::size_t size)
{
    std::mt19937 random(20240611);
    QByteArray bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes += char(random() & 0xFF);
    return bytes;
}

class DamagedSettingsTest : public testing::Test {
protected:
    void TearDown() override
    {
        AppHarness::ClearSettings();
        ResetProcessState();
    }

    // Starts on the damaged file, checks the defaults took over, changes a choice, exits,
    // and checks the next start sees that choice.
    static void StartsWithDefaultsAndRecovers(const QByteArray& damage)
    {
        AppHarness::ClearSettings();
        ASSERT_TRUE(FreshProfile::WriteRawFile(damage));
        {
            AppHarness h;
            ASSERT_TRUE(h.started());
            EXPECT_EQ(h.frame().frameGeometry(), QRect(10, 10, 590, 490));
            EXPECT_TRUE(h.IsChecked(ID_TOOL_BRUSH));
            EXPECT_TRUE(h.IsChecked(ID_PEN_1X1));
            EXPECT_TRUE(h.IsChecked(ID_ANTI_ALIAS));
            EXPECT_EQ(brushStrengths.colorCommandStrength, 1);
            EXPECT_EQ(cellSize[0], 12);
            h.Command(ID_TOOL_LIGHTEN);
            ASSERT_TRUE(h.CloseMainWindow());
        }
        AppHarness next;
        ASSERT_TRUE(next.started());
        EXPECT_TRUE(next.IsChecked(ID_TOOL_LIGHTEN));
        EXPECT_EQ(next.frame().frameGeometry(), QRect(10, 10, 590, 490));
    }
};

} // namespace

TEST_F(DamagedSettingsTest, BinaryGarbage)
{
    StartsWithDefaultsAndRecovers(BinaryGarbage(4096));
    StartsWithDefaultsAndRecovers(QByteArray(300, '\0'));
}

TEST_F(DamagedSettingsTest, TextGarbageAndCutShortLines)
{
    StartsWithDefaultsAndRecovers("[Position\nleft=\n[Tools]]\nlast\n=32773\n[Settings]\ncca=1e3\n"
                                  "snap_div=0x0\n[Position]\ntop=ten\nright=600.5\nbottom=-\n"
                                  "[Tools]\npen size=@Rect(1 2 3 4)\nanti alias=\"1");
}

TEST_F(DamagedSettingsTest, SerializedListsWithHugeCounts)
{
    StartsWithDefaultsAndRecovers("[Position]\nleft=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xf0)\n"
                                  "[Tools]\nlast=@Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xff)\n"
                                  "[Settings]\nbca=@Variant(\\0\\0\\0\\b\\xff\\xff\\xff\\xff)\n");
}

TEST_F(DamagedSettingsTest, SerializedObjectsOfAnyTypeWithHugeSizes)
{
    // Serialized objects other than "@Variant", with sizes inside that claim gigabytes, one in a
    // section the program never reads. They are never decoded, and the exit that follows
    // writes the file without them.
    const QByteArray dateTime
        = "@DateTime(\\0\\0\\0\\0\\0%%\\x80\\0\\0\\0\\0\\x3\\xff\\xff\\xff\\xf0)";
    StartsWithDefaultsAndRecovers("[Unread]\nstamp=" + dateTime + "\n[Position]\nleft=" + dateTime
        + "\n[Tools]\nlast=@ByteArray(\\xff\\xff\\xff\\xf0)\n");
    FlushProfile();
    QFile file(ProfileFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("@")) << "damaged values were written back";
}

TEST_F(DamagedSettingsTest, AFifoInPlaceOfTheStoreStartsWithDefaults)
{
    AppHarness::ClearSettings();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ProfileFileName()).absolutePath()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ProfileFileName()).constData(), 0600), 0);
    ReloadProfile();
    AppHarness h;
    ASSERT_TRUE(h.started());
    EXPECT_EQ(h.frame().frameGeometry(), QRect(10, 10, 590, 490));
    EXPECT_TRUE(h.IsChecked(ID_TOOL_BRUSH));
    EXPECT_TRUE(h.CloseMainWindow());
}

TEST_F(DamagedSettingsTest, ReadableValuesBesideDamagedOnesAreKept)
{
    AppHarness::ClearSettings();
    ASSERT_TRUE(FreshProfile::WriteRawFile("\x01\xff\n[Tools]\nlast=32778\npen size=3282O\n"
                                           "[Position]\nleft=abc\ntop=40\n"
                                           "right=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xf0)\n"
                                           "[Settings]\nsnap_div=0\ncca=2\nbca=\x80\x81\n"));
    AppHarness h;
    ASSERT_TRUE(h.started());
    EXPECT_TRUE(h.IsChecked(ID_TOOL_FLOOD_FILL));
    EXPECT_TRUE(h.IsChecked(ID_PEN_1X1));
    EXPECT_EQ(h.frame().frameGeometry(), QRect(10, 40, 590, 460));
    EXPECT_EQ(cellSize[0], 24);
    EXPECT_EQ(brushStrengths.colorCommandStrength, 2);
    EXPECT_EQ(brushStrengths.colorBrushStrength, 1);
}

TEST_F(DamagedSettingsTest, OddRectanglesArePassedOnAndExtremeOnesDoNotOverflow)
{
    const std::array<int, 4> extremes[] = { { INT_MIN, INT_MIN, INT_MAX, INT_MAX },
        { INT_MAX, INT_MAX, INT_MIN, INT_MIN }, { INT_MAX, 0, INT_MAX, 100 } };
    const auto startWith = [](const std::array<int, 4>& rect) {
        AppHarness::ClearSettings();
        WriteProfileInt("Position", "left", rect[0]);
        WriteProfileInt("Position", "top", rect[1]);
        WriteProfileInt("Position", "right", rect[2]);
        WriteProfileInt("Position", "bottom", rect[3]);
    };
    for (const auto& rect : extremes) {
        startWith(rect);
        AppHarness h;
        ASSERT_TRUE(h.started()) << rect[0] << " " << rect[1];
        EXPECT_TRUE(h.CloseMainWindow());
    }

    // Off every screen, but nothing a window cannot have: used as stored. (The offscreen
    // platform pushes windows with negative coordinates back by their frame, so the test
    // stays on the positive side.)
    startWith({ 5000, 4000, 5600, 4500 });
    AppHarness h;
    EXPECT_EQ(h.frame().frameGeometry(), QRect(5000, 4000, 600, 500));
    EXPECT_EQ(h.frame().m_wndToolsPalette->frameGeometry().topLeft(), QPoint(5010, 4085));
}
