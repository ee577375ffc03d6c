// SPDX-License-Identifier: GPL-3.0-or-later
// The figure tools driven by drags on the canvas: the drag's box whichever way it is dragged,
// the anti-alias switch, clicks and releases that draw nothing, and the selection's clip. The
// figures' own cells are tested on the figure operations (tests/editing/).
#include "canvas/CanvasFixture.h"

#include <array>

using namespace canvas_test;

namespace {

class ShapeToolTest : public CanvasTest {
protected:
    // Draws one figure with tool by a drag from a to b.
    void Draw(int tool, CPoint a, CPoint b)
    {
        h->Command(tool);
        drive->Drag({ a, b });
    }
    void Undo()
    {
        h->Command(ID_EDIT_UNDO);
        ASSERT_TRUE(Painted().empty());
    }
};

constexpr std::array kShapeTools { ID_TOOL_LINE, ID_TOOL_STRAIGHT_LINE_H, ID_TOOL_STRAIGHT_LINE_V,
    ID_TOOL_RECTANGLE, ID_TOOL_FILLED_RECTANGLE, ID_TOOL_ELLIPSE, ID_TOOL_FILLED_ELLIPSE };

} // namespace

TEST_F(ShapeToolTest, RectanglesAreTheRingOfTheDragBoxWhicheverWayItIsDragged)
{
    // One column wide: the whole column of cells.
    Draw(ID_TOOL_RECTANGLE, { 3, 4 }, { 3, 9 });
    EXPECT_EQ(CellsOf(kPen), Box(CRect(3, 4, 4, 10)));
    EXPECT_EQ(Painted(), Box(CRect(3, 4, 4, 10)));
    Undo();

    Draw(ID_TOOL_RECTANGLE, { 5, 2 }, { 10, 10 });
    EXPECT_EQ(Painted(), Ring(CRect(5, 2, 11, 11)));
    EXPECT_EQ(CellsOf(kPen).size(), 26u);
    Undo();
    Draw(ID_TOOL_RECTANGLE, { 10, 10 }, { 5, 2 });
    EXPECT_EQ(CellsOf(kPen), Ring(CRect(5, 2, 11, 11)));
    Undo();
    // The other two diagonals give the same ring too.
    Draw(ID_TOOL_RECTANGLE, { 10, 2 }, { 5, 10 });
    EXPECT_EQ(Painted(), Ring(CRect(5, 2, 11, 11)));
    Undo();
    // A filled figure takes the view's fill colour inside.
    Draw(ID_TOOL_FILLED_RECTANGLE, { 6, 6 }, { 4, 4 });
    EXPECT_EQ(CellsOf(kPen), Ring(CRect(4, 4, 7, 7)));
    EXPECT_EQ(CellsOf(kFill), CellSet({ { 5, 5 } }));
}

TEST_F(ShapeToolTest, AClickWithoutMovementDrawsNothingButBeginsAStep)
{
    for (const int tool : kShapeTools) {
        SCOPED_TRACE(tool);
        Draw(ID_TOOL_BRUSH, { 20, 20 }, { 20, 20 });
        ASSERT_TRUE(h->IsEnabled(ID_EDIT_UNDO));
        const CellSet before = Painted();
        Draw(tool, { 8, 8 }, { 8, 8 });
        EXPECT_EQ(Painted(), before);
        // The press discarded the brush's step and the click noted nothing.
        EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
    }
    // Dragging away and back to the press cell is a click as well.
    h->Command(ID_TOOL_RECTANGLE);
    drive->Drag({ { 4, 4 }, { 9, 9 }, { 4, 4 } });
    EXPECT_EQ(Painted(), Box(CRect(20, 20, 21, 21)));
}

TEST_F(ShapeToolTest, ReleasesOffTheCanvasOrWithAModifierDrawNoFigure)
{
    h->Command(ID_TOOL_RECTANGLE);
    drive->Press(drive->CellCentre(2, 2));
    drive->Move(drive->CellCentre(9, 9));
    drive->Release(CPoint(2, 100)); // in the left margin
    EXPECT_TRUE(Painted().empty());
    for (const auto mods : { Qt::ShiftModifier, Qt::ControlModifier }) {
        drive->Press(drive->CellCentre(2, 2));
        drive->Move(drive->CellCentre(9, 9));
        drive->Release(drive->CellCentre(9, 9), mods);
        EXPECT_TRUE(Painted().empty());
    }
}

TEST_F(ShapeToolTest, AntiAliasingBlendsTwiceTowardsThePen)
{
    SetAntiAlias(true);
    view->m_penColor = RGB(255, 0, 0);
    // A horizontal line covers two of the four sub-pixels of each of its cells. Over unpainted
    // cells the first blend gives (128, 1, 1), the second (191, 0, 0).
    Draw(ID_TOOL_LINE, { 0, 0 }, { 5, 0 });
    EXPECT_EQ(CellsOf(RGB(191, 0, 0)), Box(CRect(0, 0, 6, 1)));
    EXPECT_EQ(Painted(), Box(CRect(0, 0, 6, 1)));
}

TEST_F(ShapeToolTest, ASelectionCutsEveryFigure)
{
    const CRect sel(6, 4, 14, 12);
    for (const int tool : kShapeTools) {
        for (const bool antiAlias : { false, true }) {
            SCOPED_TRACE(testing::Message() << tool << (antiAlias ? " anti-aliased" : ""));
            SetAntiAlias(antiAlias);
            h->Command(ID_UNSELECT);
            ASSERT_FALSE(view->HasSelection());
            Draw(tool, { 8, 6 }, { 17, 15 });
            const IconGrid whole = Grid();
            Undo();
            // The figure tool is the selector's previous tool, so it is current again.
            SelectWithSelector(sel);
            ASSERT_EQ(toolState.currentTool, tool);
            drive->Drag({ { 8, 6 }, { 17, 15 } });
            bool changedInside = false;
            for (int x = 0; x < 32; ++x) {
                for (int y = 0; y < 32; ++y) {
                    const COLORREF expected = sel.PtInRect(CPoint(x, y))
                        ? whole[std::size_t(x)][std::size_t(y)]
                        : ICON_TRANSPARENT;
                    EXPECT_EQ(drive->Cell(x, y), expected) << x << "," << y;
                    changedInside |= expected != ICON_TRANSPARENT;
                }
            }
            EXPECT_TRUE(changedInside);
            h->Command(ID_EDIT_UNDO);
        }
    }
}
