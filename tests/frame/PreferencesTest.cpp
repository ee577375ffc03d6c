// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/Preferences.h"
#include "framework/Profile.h"
#include "state/ToolState.h"
#include "support/FreshProfile.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// Every test starts as a new process would: an empty store and the start-up records.
class PreferencesTest : public testing::Test {
protected:
    PreferencesTest()
    {
        toolState = { 1, 2, 3, 4 };
        brushStrengths = { 7, 7, 7, 7 };
        canvasDivisor = 0;
        cellSize = { 0, 0, 0 };
    }
    ~PreferencesTest() override
    {
        toolState = kToolStateAtStartUp;
        brushStrengths = { 1, 1, 1, 1 };
    }

    CRect LoadAll()
    {
        CRect rect;
        LoadWindowSettings(rect);
        LoadStrengths();
        return rect;
    }

    FreshProfile fresh;
};

} // namespace

TEST_F(PreferencesTest, FreshStoreGivesTheStartUpEnvironment)
{
    EXPECT_EQ(LoadAll(), CRect(10, 10, 600, 500));
    EXPECT_EQ(canvasDivisor, 2);
    EXPECT_EQ(cellSize, (std::array<std::int32_t, 3> { 12, 6, 4 }));
    EXPECT_EQ(toolState.currentTool, 32772);
    EXPECT_EQ(toolState.penSize, 32819);
    EXPECT_EQ(toolState.antiAlias, 1);
    // Loading does not touch the selector's return tool.
    EXPECT_EQ(toolState.previousTool, 2);
    EXPECT_EQ(brushStrengths.colorBrushStrength, 1);
    EXPECT_EQ(brushStrengths.colorCommandStrength, 1);
    EXPECT_EQ(brushStrengths.densityBrushStrength, 1);
    EXPECT_EQ(brushStrengths.densityCommandStrength, 1);
}

TEST_F(PreferencesTest, OnlyAStoredZeroGivesTheLargeCanvas)
{
    const std::pair<int, std::array<std::int32_t, 3>> cases[]
        = { { 0, { 24, 12, 8 } }, { 1, { 12, 6, 4 } }, { -3, { 12, 6, 4 } }, { 9, { 12, 6, 4 } } };
    for (const auto& [snapDiv, cells] : cases) {
        WriteProfileInt("Settings", "snap_div", snapDiv);
        LoadAll();
        EXPECT_EQ(cellSize, cells) << "snap_div " << snapDiv;
        EXPECT_EQ(canvasDivisor, snapDiv == 0 ? 1 : 2);
    }
}

TEST_F(PreferencesTest, StoredValuesAreUsedUnchecked)
{
    WriteProfileInt("Tools", "last", 0);
    WriteProfileInt("Tools", "pen size", 5);
    WriteProfileInt("Tools", "anti alias", -1);
    WriteProfileInt("Position", "left", 700);
    WriteProfileInt("Position", "right", -20);
    WriteProfileInt("Settings", "cca", 7);
    WriteProfileInt("Settings", "cda", -2);

    EXPECT_EQ(LoadAll(), CRect(700, 10, -20, 500));
    EXPECT_EQ(toolState.currentTool, 0);
    EXPECT_EQ(toolState.penSize, 5);
    EXPECT_EQ(toolState.antiAlias, -1);
    EXPECT_EQ(brushStrengths.colorCommandStrength, 7);
    EXPECT_EQ(brushStrengths.densityCommandStrength, -2);
    EXPECT_EQ(brushStrengths.colorBrushStrength, 1);
}

TEST_F(PreferencesTest, SaveWritesEverythingButTheCanvasAndRestoresSound)
{
    WriteProfileInt("Settings", "sound", 0);
    toolState = { 32838, 32772, 32822, 0 };
    brushStrengths = { 2, 0, 1, 2 };
    SaveSettings(CRect(-4, 20, 300, 260));

    EXPECT_EQ(GetProfileInt("Settings", "sound", -1), 1);
    EXPECT_EQ(GetProfileInt("Settings", "snap_div", -1), -1);
    EXPECT_EQ(GetProfileInt("Settings", "bca", -1), 2);
    EXPECT_EQ(GetProfileInt("Settings", "cca", -1), 0);
    EXPECT_EQ(GetProfileInt("Settings", "bda", -1), 1);
    EXPECT_EQ(GetProfileInt("Settings", "cda", -1), 2);

    toolState = kToolStateAtStartUp;
    brushStrengths = { 1, 1, 1, 1 };
    EXPECT_EQ(LoadAll(), CRect(-4, 20, 300, 260));
    EXPECT_EQ(toolState.currentTool, 32838);
    EXPECT_EQ(toolState.penSize, 32822);
    EXPECT_EQ(toolState.antiAlias, 0);
    EXPECT_EQ(brushStrengths.colorBrushStrength, 2);
    EXPECT_EQ(brushStrengths.colorCommandStrength, 0);
    // snap_div was never written, so the canvas stays small.
    EXPECT_EQ(canvasDivisor, 2);
}

TEST(StrengthAmounts, FollowTheIndexAndNeverOverflow)
{
    EXPECT_EQ(CommandAmount(0), 5);
    EXPECT_EQ(CommandAmount(1), 16);
    EXPECT_EQ(CommandAmount(2), 27);
    EXPECT_EQ(CommandAmount(-1), -6);
    EXPECT_EQ(CommandAmount(20), 225);
    EXPECT_EQ(CommandAmount(INT_MAX), 255);
    EXPECT_EQ(CommandAmount(INT_MIN), -255);

    EXPECT_EQ(DensityBrushAmount(0), 1);
    EXPECT_EQ(DensityBrushAmount(2), 3);
    EXPECT_EQ(DensityBrushAmount(-3), -2);
    EXPECT_EQ(DensityBrushAmount(INT_MAX), 255);
    EXPECT_EQ(-DensityBrushAmount(INT_MIN), 255);
}
