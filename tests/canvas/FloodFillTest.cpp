// SPDX-License-Identifier: GPL-3.0-or-later
// The flood fill driven by clicks on the canvas: which cells an area takes in, how the
// selection bounds it, and how it joins the history.
#include "canvas/CanvasFixture.h"

using namespace canvas_test;

namespace {

constexpr COLORREF kWall = RGB(0, 0, 200);

class FloodFillTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        h->Command(ID_TOOL_FLOOD_FILL);
    }
    void Click(int x, int y) { drive->Drag({ { x, y } }); }
};

} // namespace

TEST_F(FloodFillTest, AnUnpaintedImageFillsWholeAtEverySize)
{
    for (const int sizeCommand : { ID_VIEW_16, ID_VIEW_32, ID_VIEW_48 }) {
        h->Command(sizeCommand);
        drive->Paint();
        SCOPED_TRACE(N());
        Click(N() - 1, 0);
        EXPECT_EQ(CellsOf(kFill), Box(CRect(0, 0, N(), N())));
        // The grid's cells beyond the image stay unpainted.
        const IconGrid& grid = Grid();
        for (int x = 0; x < kMaxSide; ++x)
            for (int y = N(); y < kMaxSide; ++y)
                ASSERT_EQ(grid[std::size_t(x)][std::size_t(y)], ICON_TRANSPARENT);
        // And the canvas shows it at once.
        const CPoint centre = drive->CellCentre(N() - 1, N() - 1);
        EXPECT_EQ(drive->Screen(centre.x, centre.y), kFill);
    }
}

TEST_F(FloodFillTest, RefillingWithTheAreasOwnColourIsStillAStep)
{
    Seed(Box(CRect(4, 4, 12, 9)), kFill);
    drive->Paint();
    EXPECT_FALSE(doc->IsModified());
    Click(5, 5);
    EXPECT_EQ(CellsOf(kFill), Box(CRect(4, 4, 12, 9)));
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_UNDO));
    EXPECT_EQ(view->m_undo[1].Entries().size(), 40u);
    EXPECT_TRUE(doc->IsModified());
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(CellsOf(kFill), Box(CRect(4, 4, 12, 9)));
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_REDO));
}

TEST_F(FloodFillTest, TheAreaIsFoundOverTheWholeImageButChangesOnlyInsideTheSelection)
{
    // A wall splits the selection in two; the halves meet below it, outside the selection.
    Seed(Box(CRect(7, 4, 8, 10)), kWall);
    h->Command(ID_TOOL_FLOOD_FILL);
    SelectWithSelector(CRect(4, 4, 10, 10));
    ASSERT_EQ(toolState.currentTool, ID_TOOL_FLOOD_FILL);
    Click(5, 5);
    CellSet inside = Box(CRect(4, 4, 10, 10));
    for (const auto& cell : Box(CRect(7, 4, 8, 10)))
        inside.erase(cell);
    EXPECT_EQ(CellsOf(kFill), inside);
    EXPECT_EQ(CellsOf(kWall), Box(CRect(7, 4, 8, 10)));
    EXPECT_EQ(Painted().size(), 36u);
}

TEST_F(FloodFillTest, PressAndReleaseFillTheAreasUnderEachInOneStep)
{
    const CRect wall(15, 0, 16, 32);
    Seed(Box(wall), kWall);
    drive->Drag({ { 2, 2 }, { 9, 9 }, { 25, 30 } });
    CellSet both = Box(CRect(0, 0, 32, 32));
    for (const auto& cell : Box(wall))
        both.erase(cell);
    EXPECT_EQ(CellsOf(kFill), both);
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(Painted(), Box(wall));

    // Released off the canvas, only the press fills.
    drive->Press(drive->CellCentre(2, 2));
    drive->Move(drive->CellCentre(25, 25));
    drive->Release(CPoint(1, 150));
    EXPECT_EQ(CellsOf(kFill), Box(CRect(0, 0, 15, 32)));
}

TEST_F(FloodFillTest, ATransparentFillColourUnpaintsTheArea)
{
    Seed(Box(CRect(3, 3, 9, 9)), kWall);
    // The fill colour picked from an unpainted cell is the transparent value itself.
    drive->Drag({ { 20, 20 } }, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(view->m_fillColor, ICON_TRANSPARENT);
    Click(4, 4);
    EXPECT_TRUE(Painted().empty());
    drive->Paint();
    const CPoint p = drive->CellCentre(5, 5);
    EXPECT_EQ(drive->Screen(p.x, p.y), kTeal);
}
