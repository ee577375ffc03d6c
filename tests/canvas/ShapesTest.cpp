// SPDX-License-Identifier: GPL-3.0-or-later
// The figure tools driven by drags on the canvas: rectangles, ellipses, lines and their
// anti-aliased forms, read back from the document's grid.
#include "canvas/CanvasFixture.h"

#include <algorithm>
#include <array>
#include <climits>

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

CRect BoundsOf(const CellSet& cells)
{
    CRect r(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (const auto& [x, y] : cells)
        r = CRect(std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
            std::max(r.bottom, y + 1));
    return r;
}

// The cells of the active grid mirrored about the centre lines of box hold the same values.
void ExpectSymmetricIn(const IconGrid& grid, const CRect& box)
{
    for (int x = box.left; x < box.right; ++x) {
        for (int y = box.top; y < box.bottom; ++y) {
            const COLORREF v = grid[std::size_t(x)][std::size_t(y)];
            const int mx = box.left + box.right - 1 - x;
            const int my = box.top + box.bottom - 1 - y;
            EXPECT_EQ(grid[std::size_t(mx)][std::size_t(y)], v) << x << "," << y;
            EXPECT_EQ(grid[std::size_t(x)][std::size_t(my)], v) << x << "," << y;
        }
    }
}

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
}

TEST_F(ShapeToolTest, FilledRectanglesTakeThePenOnTheRingAndTheFillInside)
{
    Draw(ID_TOOL_FILLED_RECTANGLE, { 6, 6 }, { 4, 4 });
    EXPECT_EQ(CellsOf(kPen), Ring(CRect(4, 4, 7, 7)));
    EXPECT_EQ(CellsOf(kFill), CellSet({ { 5, 5 } }));
    Undo();

    // Two cells wide: no interior at all.
    Draw(ID_TOOL_FILLED_RECTANGLE, { 10, 10 }, { 11, 14 });
    EXPECT_EQ(CellsOf(kPen), Box(CRect(10, 10, 12, 15)));
    EXPECT_TRUE(CellsOf(kFill).empty());
    Undo();

    Draw(ID_TOOL_FILLED_RECTANGLE, { 0, 0 }, { 31, 31 });
    EXPECT_EQ(CellsOf(kPen), Ring(CRect(0, 0, 32, 32)));
    EXPECT_EQ(CellsOf(kFill), Box(CRect(1, 1, 31, 31)));
}

TEST_F(ShapeToolTest, StraightLinesFollowOnlyTheStartCellsRowOrColumn)
{
    for (const bool antiAlias : { false, true }) {
        SCOPED_TRACE(antiAlias ? "anti-aliased" : "plain");
        SetAntiAlias(antiAlias);
        Draw(ID_TOOL_STRAIGHT_LINE_H, { 2, 7 }, { 9, 30 });
        EXPECT_EQ(Painted(), Box(CRect(2, 7, 10, 8)));
        EXPECT_EQ(CellsOf(kPen), Painted());
        Undo();
        Draw(ID_TOOL_STRAIGHT_LINE_V, { 9, 30 }, { 2, 7 });
        EXPECT_EQ(Painted(), Box(CRect(9, 7, 10, 31)));
        EXPECT_EQ(CellsOf(kPen), Painted());
        Undo();
    }
}

TEST_F(ShapeToolTest, LinesEndOnTheEndCellAlongTheAxesAndDiagonals)
{
    SetAntiAlias(false);
    CellSet diagonal;
    CellSet antiDiagonal;
    for (int i = 0; i < 32; ++i) {
        if (i <= 5)
            diagonal.insert({ i, i });
        antiDiagonal.insert({ 31 - i, i });
    }
    const struct {
        CPoint a, b;
        CellSet cells;
    } cases[] = {
        { { 0, 0 }, { 5, 0 }, Box(CRect(0, 0, 6, 1)) },
        { { 5, 0 }, { 0, 0 }, Box(CRect(0, 0, 6, 1)) },
        { { 3, 9 }, { 3, 2 }, Box(CRect(3, 2, 4, 10)) },
        { { 0, 0 }, { 5, 5 }, diagonal },
        { { 5, 5 }, { 0, 0 }, diagonal },
        // Ending on the image's last row or column pushes the end past the image.
        { { 0, 31 }, { 31, 31 }, Box(CRect(0, 31, 32, 32)) },
        { { 31, 0 }, { 0, 31 }, antiDiagonal },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            testing::Message() << c.a.x << "," << c.a.y << " -> " << c.b.x << "," << c.b.y);
        Draw(ID_TOOL_LINE, c.a, c.b);
        EXPECT_EQ(Painted(), c.cells);
        EXPECT_EQ(CellsOf(kPen), c.cells);
        Undo();
    }
}

TEST_F(ShapeToolTest, EllipsesTouchAllFourSidesOfTheirBoxAndAreSymmetric)
{
    SetAntiAlias(false);
    const CRect boxes[] = { CRect(2, 3, 13, 10), CRect(1, 1, 9, 5), CRect(0, 0, 32, 32),
        CRect(4, 4, 6, 6), CRect(7, 2, 10, 20), CRect(3, 3, 4, 11) };
    for (const CRect& box : boxes) {
        SCOPED_TRACE(testing::PrintToString(box));
        const CPoint a(box.right - 1, box.top);
        const CPoint b(box.left, box.bottom - 1);
        Draw(ID_TOOL_ELLIPSE, a, b);
        const CellSet outline = CellsOf(kPen);
        EXPECT_EQ(BoundsOf(outline), box);
        EXPECT_EQ(Painted(), outline);
        ExpectSymmetricIn(Grid(), box);
        Undo();

        // The filled ellipse has the same outline, filled row by row without gaps.
        Draw(ID_TOOL_FILLED_ELLIPSE, a, b);
        EXPECT_EQ(CellsOf(kPen), outline);
        EXPECT_EQ(BoundsOf(Painted()), box);
        ExpectSymmetricIn(Grid(), box);
        for (int y = box.top; y < box.bottom; ++y) {
            int first = -1;
            int last = -1;
            int count = 0;
            for (int x = box.left; x < box.right; ++x) {
                if (drive->Cell(x, y) != ICON_TRANSPARENT) {
                    first = first < 0 ? x : first;
                    last = x;
                    ++count;
                }
            }
            EXPECT_EQ(count, last - first + 1) << "row " << y;
        }
        if (box.Width() > 4 && box.Height() > 4) {
            EXPECT_EQ(drive->Cell((box.left + box.right) / 2, (box.top + box.bottom) / 2), kFill);
        }
        Undo();
    }
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
    // The same over painted cells blends with what they hold: (177, 25, 10), then (216, 12, 5).
    Seed(Box(CRect(0, 3, 32, 4)), RGB(100, 50, 20));
    Draw(ID_TOOL_LINE, { 0, 3 }, { 5, 3 });
    EXPECT_EQ(CellsOf(RGB(216, 12, 5)), Box(CRect(0, 3, 6, 4)));
    EXPECT_EQ(drive->Cell(6, 3), RGB(100, 50, 20));
    // Downward and diagonal lines cover two sub-pixels per cell as well.
    Seed(Box(CRect(0, 0, 32, 32)), ICON_TRANSPARENT);
    Draw(ID_TOOL_LINE, { 10, 10 }, { 10, 14 });
    EXPECT_EQ(Painted(), Box(CRect(10, 10, 11, 15)));
    EXPECT_EQ(CellsOf(RGB(191, 0, 0)), Painted());
    Undo();
    // Drawn upwards, the doubled line starts on the top sub-pixel row of the press cell and
    // stops short of the doubled pushed end: one sub-pixel in the press cell and one in the
    // cell past the end, (64, 1, 2) after the first blend and (111, 0, 1) after the second.
    Draw(ID_TOOL_LINE, { 10, 14 }, { 10, 10 });
    EXPECT_EQ(Painted(), Box(CRect(10, 9, 11, 15)));
    EXPECT_EQ(CellsOf(RGB(191, 0, 0)), Box(CRect(10, 10, 11, 14)));
    EXPECT_EQ(CellsOf(RGB(111, 0, 1)), CellSet({ { 10, 9 }, { 10, 14 } }));
    Undo();
    Draw(ID_TOOL_LINE, { 20, 10 }, { 24, 14 });
    EXPECT_EQ(Painted(), CellSet({ { 20, 10 }, { 21, 11 }, { 22, 12 }, { 23, 13 }, { 24, 14 } }));
    EXPECT_EQ(CellsOf(RGB(191, 0, 0)), Painted());
}

TEST_F(ShapeToolTest, AntiAliasedEdgesAreDarkTintsOfThePenNeverTransparent)
{
    SetAntiAlias(true);
    view->m_penColor = RGB(255, 0, 0);
    // Over unpainted cells one to four covered sub-pixels give, after both blends:
    const std::array<COLORREF, 4> tints { RGB(111, 0, 1), RGB(191, 0, 0), RGB(239, 0, 0),
        RGB(255, 0, 0) };
    const auto expectTints = [&] {
        ASSERT_FALSE(Painted().empty());
        for (const auto& [x, y] : Painted()) {
            const COLORREF v = drive->Cell(x, y);
            EXPECT_NE(v, ICON_TRANSPARENT);
            EXPECT_NE(std::find(tints.begin(), tints.end(), v), tints.end())
                << x << "," << y << " holds " << std::hex << v;
        }
    };
    // The last drag pushes its doubled end past the image's top-left corner.
    const std::pair<CPoint, CPoint> drags[] = { { { 0, 0 }, { 9, 4 } }, { { 30, 2 }, { 3, 27 } },
        { { 5, 20 }, { 6, 3 } }, { { 7, 3 }, { 0, 0 } } };
    for (const auto& [a, b] : drags) {
        Draw(ID_TOOL_LINE, a, b);
        expectTints();
        // The blended line stays within its box pushed one cell on.
        const CRect bounds = BoundsOf(Painted());
        EXPECT_GE(bounds.left, std::min(a.x, b.x) - 1);
        EXPECT_LE(bounds.right, std::max(a.x, b.x) + 2);
        Undo();
    }
    Draw(ID_TOOL_ELLIPSE, { 3, 4 }, { 20, 13 });
    expectTints();
    EXPECT_EQ(BoundsOf(Painted()), CRect(3, 4, 21, 14));
    ExpectSymmetricIn(Grid(), CRect(3, 4, 21, 14));
}

TEST_F(ShapeToolTest, AntiAliasedFilledEllipsesWeighFillAndPenByCoverage)
{
    SetAntiAlias(true);
    view->m_penColor = RGB(255, 0, 0);
    view->m_fillColor = RGB(0, 0, 252);
    const CRect box(2, 2, 18, 12);
    Draw(ID_TOOL_FILLED_ELLIPSE, { 17, 11 }, { 2, 2 });
    EXPECT_EQ(BoundsOf(Painted()), box);
    ExpectSymmetricIn(Grid(), box);
    // Fully inside: the fill colour itself.
    EXPECT_EQ(drive->Cell(9, 7), RGB(0, 0, 252));
    EXPECT_EQ(drive->Cell(10, 6), RGB(0, 0, 252));
    // Cells touched by the interior take (fill x f + pen x p) / 4, whatever they held, so no
    // blue channel is anything but a quarter step of the fill's, and no green appears.
    for (const auto& [x, y] : Painted()) {
        const COLORREF v = drive->Cell(x, y);
        EXPECT_NE(v, ICON_TRANSPARENT);
        EXPECT_EQ(GetGValue(v), 0);
        if (GetBValue(v) > 3) {
            EXPECT_EQ(GetBValue(v) % 63, 0) << x << "," << y;
        }
        EXPECT_LE(GetRValue(v) / 63 + GetBValue(v) / 63, 4) << x << "," << y;
    }
}

TEST_F(ShapeToolTest, AntiAliasingLeavesRectanglesAlone)
{
    for (const int tool : { ID_TOOL_RECTANGLE, ID_TOOL_FILLED_RECTANGLE }) {
        SetAntiAlias(false);
        Draw(tool, { 3, 5 }, { 17, 12 });
        const IconGrid plain = Grid();
        Undo();
        SetAntiAlias(true);
        Draw(tool, { 3, 5 }, { 17, 12 });
        EXPECT_EQ(Grid(), plain) << tool;
        Undo();
    }
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
