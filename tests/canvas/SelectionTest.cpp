// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangle selection and its move, driven with the tools and commands of the palette; the
// marquee is read from the view's screen image.
#include "canvas/CanvasFixture.h"

using namespace canvas_test;

namespace {

class SelectionTest : public CanvasTest {
protected:
    // Canvas pixels from (x0, y) to (x1 - 1, y), or down a column with Column.
    std::vector<COLORREF> Row(int y, int x0, int x1)
    {
        std::vector<COLORREF> pixels;
        for (int x = x0; x < x1; ++x)
            pixels.push_back(drive->Screen(x, y));
        return pixels;
    }
    std::vector<COLORREF> Column(int x, int y0, int y1)
    {
        std::vector<COLORREF> pixels;
        for (int y = y0; y < y1; ++y)
            pixels.push_back(drive->Screen(x, y));
        return pixels;
    }
    void Move(CPoint from, std::initializer_list<CPoint> to)
    {
        drive->Press(drive->CellCentre(from.x, from.y));
        for (const CPoint& cell : to)
            drive->Move(drive->CellCentre(cell.x, cell.y));
        const CPoint last = *(to.end() - 1);
        drive->Release(drive->CellCentre(last.x, last.y));
    }
};

// Black dots on alternate pixels with white between them.
void ExpectDotted(const std::vector<COLORREF>& line)
{
    ASSERT_GT(line.size(), 2u);
    for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_TRUE(line[i] == kBlack || line[i] == kWhite) << i;
        if (i > 0) {
            EXPECT_NE(line[i], line[i - 1]) << i;
        }
    }
}

void ExpectAll(const std::vector<COLORREF>& line, COLORREF colour)
{
    for (std::size_t i = 0; i < line.size(); ++i)
        EXPECT_EQ(line[i], colour) << i;
}

} // namespace

TEST_F(SelectionTest, TheSelectorTakesBothEndCellsWhicheverWayItIsDragged)
{
    h->Command(ID_TOOL_BRUSH);
    drive->Drag({ { 20, 20 } });
    ASSERT_TRUE(h->IsEnabled(ID_EDIT_UNDO));
    h->Command(ID_TOOL_SELECTOR);
    drive->Drag({ { 10, 12 }, { 3, 5 } });
    EXPECT_EQ(view->Selection(), CRect(3, 5, 11, 13));
    // The brush, current before the selector, is current again; the press began a new step.
    EXPECT_EQ(toolState.currentTool, ID_TOOL_BRUSH);
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
    EXPECT_TRUE(h->IsEnabled(ID_UNSELECT));
    EXPECT_TRUE(h->IsEnabled(ID_MOVE_SELECTION));

    h->Command(ID_TOOL_SELECTOR);
    drive->Drag({ { 3, 12 }, { 10, 5 } });
    EXPECT_EQ(view->Selection(), CRect(3, 5, 11, 13));
    h->Command(ID_TOOL_SELECTOR);
    drive->Drag({ { 0, 0 }, { 20, 9 }, { 3, 5 } });
    EXPECT_EQ(view->Selection(), CRect(0, 0, 4, 6));

    // A click that stays on its cell keeps the selection and the selector.
    h->Command(ID_TOOL_SELECTOR);
    drive->Drag({ { 7, 7 } });
    EXPECT_EQ(view->Selection(), CRect(0, 0, 4, 6));
    EXPECT_EQ(toolState.currentTool, ID_TOOL_SELECTOR);
}

TEST_F(SelectionTest, ChosenTwiceTheSelectorIsItsOwnPreviousTool)
{
    h->Command(ID_TOOL_SELECTOR);
    h->Command(ID_TOOL_SELECTOR);
    drive->Drag({ { 1, 1 }, { 4, 4 } });
    EXPECT_EQ(view->Selection(), CRect(1, 1, 5, 5));
    EXPECT_EQ(toolState.currentTool, ID_TOOL_SELECTOR);
    drive->Drag({ { 6, 6 }, { 8, 9 } });
    EXPECT_EQ(view->Selection(), CRect(6, 6, 9, 10));
}

TEST_F(SelectionTest, SelectingTheWholeImageIsSelectingNothing)
{
    SelectWithSelector(CRect(4, 4, 9, 9));
    h->Command(ID_TOOL_SELECTOR);
    drive->Drag({ { 0, 0 }, { 31, 31 } });
    drive->Paint();
    EXPECT_FALSE(view->HasSelection());
    EXPECT_FALSE(h->IsEnabled(ID_UNSELECT));
    EXPECT_FALSE(h->IsEnabled(ID_MOVE_SELECTION));
    // No marquee: every canvas pixel shows the background, the frame is intact.
    for (int y = 5; y < 197; ++y) {
        ASSERT_EQ(drive->Screen(5, y), kTeal) << y;
        ASSERT_EQ(drive->Screen(196, y), kTeal) << y;
        ASSERT_EQ(drive->Screen(y, 5), kTeal) << y;
        ASSERT_EQ(drive->Screen(y, 196), kTeal) << y;
        ASSERT_EQ(drive->Screen(4, y), kBlack) << y;
    }
    // Nor can the Move Selection command become current.
    view->OnMoveSelection();
    EXPECT_NE(toolState.currentTool, ID_MOVE_SELECTION);
}

TEST_F(SelectionTest, PaintingStaysInsideTheSelection)
{
    h->Command(ID_TOOL_BRUSH);
    h->Command(ID_PEN_5X5);
    SelectWithSelector(CRect(4, 4, 10, 10));
    EXPECT_EQ(toolState.currentTool, ID_TOOL_BRUSH);
    // The 5x5 pen at the selection's corner paints only the part of its footprint inside.
    drive->Drag({ { 4, 4 } });
    EXPECT_EQ(Painted(), Box(CRect(4, 4, 7, 7)));
    drive->Drag({ { 2, 2 } });
    EXPECT_EQ(Painted(), Box(CRect(4, 4, 7, 7)));
}

TEST_F(SelectionTest, EachImageSizeKeepsItsOwnSelection)
{
    h->Command(ID_VIEW_16);
    drive->Paint();
    SelectWithSelector(CRect(1, 1, 5, 5));
    h->Command(ID_VIEW_32);
    drive->Paint();
    EXPECT_FALSE(view->HasSelection());
    EXPECT_FALSE(h->IsEnabled(ID_UNSELECT));
    SelectWithSelector(CRect(2, 2, 8, 8));
    h->Command(ID_VIEW_16);
    drive->Paint();
    EXPECT_EQ(view->Selection(), CRect(1, 1, 5, 5));
    h->Command(ID_UNSELECT);
    EXPECT_FALSE(view->HasSelection());
    h->Command(ID_VIEW_32);
    EXPECT_EQ(view->Selection(), CRect(2, 2, 8, 8));
    EXPECT_EQ(view->m_selBottomRight[0], CPoint(16, 16));
}

TEST_F(SelectionTest, MovingShiftsTheRectangleButNeverThePixels)
{
    SelectWithSelector(CRect(2, 2, 8, 8));
    Seed(Box(CRect(3, 3, 6, 6)), RGB(9, 99, 199));
    const IconGrid before = Grid();
    h->Command(ID_MOVE_SELECTION);
    ASSERT_EQ(toolState.currentTool, ID_MOVE_SELECTION);
    EXPECT_TRUE(h->IsChecked(ID_MOVE_SELECTION));
    Move({ 4, 4 }, { { 6, 3 } });
    EXPECT_EQ(view->Selection(), CRect(4, 1, 10, 7));
    EXPECT_EQ(Grid(), before);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
    EXPECT_EQ(toolState.currentTool, ID_MOVE_SELECTION);

    // The marquee follows at once, before any repaint: the new left line at x = 5 + 6 * 4 - 1.
    ExpectDotted(Column(28, 11, 47));
    drive->Paint();
    ExpectDotted(Column(28, 11, 47));
    ExpectAll(Column(16, 20, 40), kTeal); // where the old left line was
}

TEST_F(SelectionTest, AMovedSelectionStaysInsideTheImageAndKeepsItsSize)
{
    SelectWithSelector(CRect(2, 2, 8, 8));
    h->Command(ID_MOVE_SELECTION);
    const struct {
        CPoint from;
        CPoint to;
        CRect result;
    } moves[] = {
        { { 4, 4 }, { 0, 4 }, CRect(0, 2, 6, 8) }, // left edge
        { { 3, 3 }, { 31, 3 }, CRect(26, 2, 32, 8) }, // right edge
        { { 28, 4 }, { 28, 0 }, CRect(26, 0, 32, 6) }, // top edge
        { { 28, 2 }, { 28, 31 }, CRect(26, 26, 32, 32) }, // bottom edge
        { { 30, 30 }, { 0, 0 }, CRect(0, 0, 6, 6) }, // past the top-left corner
        { { 0, 0 }, { 31, 31 }, CRect(26, 26, 32, 32) }, // past the bottom-right corner
        { { 31, 0 }, { 0, 31 }, CRect(0, 26, 6, 32) },
    };
    for (const auto& m : moves) {
        Move(m.from, { m.to });
        EXPECT_EQ(view->Selection(), m.result);
    }
    // Every step of a drag is measured from the press, so going far out and back ends where
    // the last step points.
    Move({ 2, 28 }, { { 31, 0 }, { 0, 31 }, { 5, 25 } });
    EXPECT_EQ(view->Selection(), CRect(3, 23, 9, 29));
}

TEST_F(SelectionTest, MoveSelectionGivesWayToTheSelectorWhenNothingIsSelected)
{
    EXPECT_FALSE(h->IsEnabled(ID_MOVE_SELECTION));
    SelectWithSelector(CRect(5, 5, 9, 9));
    h->Command(ID_MOVE_SELECTION);
    ASSERT_EQ(toolState.currentTool, ID_MOVE_SELECTION);
    h->Command(ID_UNSELECT);
    // The command states are refreshed after every command.
    EXPECT_EQ(toolState.currentTool, ID_TOOL_SELECTOR);
    EXPECT_FALSE(h->IsChecked(ID_MOVE_SELECTION));
    EXPECT_FALSE(h->IsEnabled(ID_MOVE_SELECTION));

    // Switching to an image without a selection does the same.
    SelectWithSelector(CRect(5, 5, 9, 9));
    h->Command(ID_MOVE_SELECTION);
    h->Command(ID_VIEW_48);
    EXPECT_EQ(toolState.currentTool, ID_TOOL_SELECTOR);
}

TEST_F(SelectionTest, TheMarqueeIsDottedOnePixelOutsideTheCellsAndClippedToTheCanvas)
{
    const int c = view->CellSize();
    SelectWithSelector(CRect(2, 2, 8, 8));
    const int left = 5 + c * 2 - 1;
    const int right = 5 + c * 8;
    ExpectDotted(Row(left, left + 1, right));
    ExpectDotted(Row(right, left + 1, right));
    ExpectDotted(Column(left, left + 1, right));
    ExpectDotted(Column(right, left + 1, right));
    // The cells inside and outside the lines keep their colour.
    ExpectAll(Row(left + 1, left + 1, right), kTeal);
    ExpectAll(Row(left - 1, left - 1, right + 2), kTeal);
    ExpectAll(Column(right + 1, left, right + 1), kTeal);

    // On the canvas's left and top edges there is no line: the frame stays black and the
    // first canvas row and column show the cells.
    h->Command(ID_UNSELECT);
    SelectWithSelector(CRect(0, 0, 6, 9));
    ExpectAll(Column(4, 4, 198), kBlack);
    ExpectAll(Row(4, 4, 198), kBlack);
    ExpectAll(Column(5, 5, 5 + 9 * c), kTeal);
    ExpectDotted(Row(5 + 9 * c, 5, 5 + 6 * c));
    ExpectDotted(Column(5 + 6 * c, 5, 5 + 9 * c));

    // And on the right and bottom edges likewise.
    h->Command(ID_UNSELECT);
    SelectWithSelector(CRect(20, 24, 32, 32));
    ExpectAll(Column(5 + 32 * c, 4, 5 + 32 * c + 1), kBlack);
    ExpectAll(Row(5 + 32 * c, 4, 5 + 32 * c + 1), kBlack);
    ExpectDotted(Row(5 + 24 * c - 1, 5 + 20 * c, 5 + 32 * c));

    // Unselect removes it at the next repaint.
    h->Command(ID_UNSELECT);
    drive->Paint();
    ExpectAll(Column(5 + 20 * c - 1, 5, 5 + 32 * c), kTeal);
}
