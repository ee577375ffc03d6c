// SPDX-License-Identifier: GPL-3.0-or-later
// The tool table against the palette it serves: the tools the "Tools" palette offers, which of
// them the pen sizes shape, and what an id with no tool gives.
#include "canvas/ToolTable.h"
#include "resources/Resource.h"
#include "resources/Toolbars.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace {

// The palette's two buttons that are commands rather than tools.
bool IsPaletteCommand(int id) { return id == ID_UNSELECT || id == ID_TEXT; }

TEST(ToolTableTest, EveryToolOfThePaletteIsRegisteredOnceAndOnlyThose)
{
    std::set<int> paletteTools;
    for (int id : ToolsPalette().buttons)
        if (!IsPaletteCommand(id))
            paletteTools.insert(id);
    std::multiset<int> registered;
    std::set<int> chosenByTheFrame;
    for (const ToolEntry& entry : ToolTable()) {
        registered.insert(entry.id);
        ASSERT_NE(entry.tool, nullptr) << entry.id;
        EXPECT_EQ(FindTool(entry.id), entry.tool.get()) << entry.id;
        if (entry.tool->ChosenByTheFrame())
            chosenByTheFrame.insert(entry.id);
    }
    EXPECT_EQ(registered, std::multiset<int>(paletteTools.begin(), paletteTools.end()));
    // Move Selection is entered through its view, which needs a selection; the frame makes
    // every other tool current.
    std::set<int> expected = paletteTools;
    expected.erase(ID_MOVE_SELECTION);
    EXPECT_EQ(chosenByTheFrame, expected);
}

TEST(ToolTableTest, PenSizesShapeTheBrushLikeToolsOnlyAndOnlyTheSelectorReturns)
{
    const std::set<int> brushLike { ID_TOOL_BRUSH, ID_TOOL_ERASER, ID_TOOL_DARKEN,
        ID_TOOL_LIGHTEN };
    for (const ToolEntry& entry : ToolTable()) {
        EXPECT_EQ(entry.tool->UsesPenSizes(), brushLike.contains(entry.id)) << entry.id;
        EXPECT_EQ(entry.tool->RemembersPreviousTool(), entry.id == ID_TOOL_SELECTOR) << entry.id;
        EXPECT_EQ(entry.tool->UpdatesViewsOnRelease(), entry.id != ID_MOVE_SELECTION) << entry.id;
    }
}

TEST(ToolTableTest, AnIdWithNoToolGivesNone)
{
    // A stored current tool may hold any number.
    for (int id : { 0, -1, INT_MIN, INT_MAX, ID_UNSELECT, ID_TEXT, ID_PEN_1X1, ID_TOOL_BRUSH - 1 })
        EXPECT_EQ(FindTool(id), nullptr) << id;
}

} // namespace
