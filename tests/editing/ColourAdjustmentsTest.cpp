// SPDX-License-Identifier: GPL-3.0-or-later
// The eight colour adjustments and the curved-edge frame in the running editor: amounts from
// the strength preferences, per-channel saturation, transparent cells, selection and history.
#include "canvas/CanvasFixture.h"
#include "frame/Preferences.h"

using namespace canvas_test;

namespace {

class ColourAdjustmentsTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        saved = brushStrengths;
    }
    void TearDown() override { brushStrengths = saved; }

    void Set(int x, int y, COLORREF colour)
    {
        doc->m_pixels[std::size_t(view->m_nSize)][std::size_t(x)][std::size_t(y)] = colour;
        doc->m_bHasContent = true;
    }
    // Puts colour into cell (0, 0), runs command and returns the result.
    COLORREF After(int command, COLORREF colour)
    {
        Set(0, 0, colour);
        h->Command(command);
        return drive->Cell(0, 0);
    }

    BrushStrengths saved {};
};

} // namespace

TEST_F(ColourAdjustmentsTest, EachCommandUsesItsOwnStrengthAndChannelsSaturateAlone)
{
    brushStrengths.colorBrushStrength = 1; // medium: 16
    brushStrengths.colorCommandStrength = 0; // light: 5
    EXPECT_EQ(After(ID_MAKE_LIGHTER, RGB(250, 100, 0)), RGB(255, 116, 16));
    EXPECT_EQ(After(ID_MAKE_DARKER, RGB(10, 100, 200)), RGB(0, 84, 184));

    brushStrengths.colorBrushStrength = 0;
    brushStrengths.colorCommandStrength = 2; // heavy: 27
    EXPECT_EQ(After(ID_MAKE_LIGHTER, RGB(100, 100, 100)), RGB(105, 105, 105));
    const struct {
        int command;
        COLORREF result;
    } singles[] = {
        { ID_ADD_RED, RGB(127, 100, 100) },
        { ID_ADD_GREEN, RGB(100, 127, 100) },
        { ID_ADD_BLUE, RGB(100, 100, 127) },
        { ID_REMOVE_RED, RGB(73, 100, 100) },
        { ID_REMOVE_GREEN, RGB(100, 73, 100) },
        { ID_REMOVE_BLUE, RGB(100, 100, 73) },
    };
    for (const auto& single : singles)
        EXPECT_EQ(After(single.command, RGB(100, 100, 100)), single.result) << single.command;

    // A stored index outside 0..2 extends the formula: 11 * 3 + 5 and 11 * -1 + 5.
    brushStrengths.colorCommandStrength = 3;
    EXPECT_EQ(After(ID_ADD_BLUE, RGB(0, 0, 0)), RGB(0, 0, 38));
    brushStrengths.colorCommandStrength = -1;
    EXPECT_EQ(After(ID_ADD_RED, RGB(100, 0, 0)), RGB(94, 0, 0));

    // Each channel saturates on its own, and what was clamped does not come back.
    brushStrengths.colorCommandStrength = 2;
    EXPECT_EQ(After(ID_ADD_RED, RGB(240, 0, 0)), RGB(255, 0, 0));
    brushStrengths.colorBrushStrength = 2;
    EXPECT_EQ(After(ID_MAKE_DARKER, RGB(20, 100, 200)), RGB(0, 73, 173));
    h->Command(ID_MAKE_LIGHTER);
    EXPECT_EQ(drive->Cell(0, 0), RGB(27, 100, 200));
}

TEST_F(ColourAdjustmentsTest, TransparentCellsAreSkippedAndOneTwoThreeBecomesTransparent)
{
    brushStrengths.colorBrushStrength = 0;
    Set(3, 3, RGB(6, 7, 8));
    Set(4, 3, RGB(50, 50, 50));
    h->Command(ID_MAKE_DARKER);
    // Exactly the transparent value: from now on the cell is unpainted.
    EXPECT_EQ(drive->Cell(3, 3), ICON_TRANSPARENT);
    h->Command(ID_MAKE_LIGHTER);
    h->Command(ID_ADD_GREEN);
    EXPECT_EQ(Painted(), (CellSet { { 4, 3 } }));
    drive->Paint();
    const CPoint centre = drive->CellCentre(3, 3);
    EXPECT_EQ(drive->Screen(centre.x, centre.y), kTeal);
}

TEST_F(ColourAdjustmentsTest, EveryPaintedCellInsideTheSelectionIsWrittenEvenWhenItKeepsItsValue)
{
    brushStrengths.colorCommandStrength = 2;
    for (int x = 0; x < 4; ++x)
        Set(x, 0, RGB(255, 10, 10));
    // A selector click that stays on its cell begins a step and leaves recording on.
    h->Command(ID_TOOL_SELECTOR);
    drive->Drag({ { 20, 20 } });
    view->SetSelection(CRect(1, 0, 3, 1));
    doc->SetModifiedFlag(false);
    h->Command(ID_ADD_RED);
    EXPECT_TRUE(doc->IsModified());
    // The two painted cells inside the selection were written; nothing else was.
    ASSERT_EQ(view->m_undo[1].Entries().size(), 2u);
    EXPECT_EQ(view->m_undo[1].Entries()[0].x, 1);
    EXPECT_EQ(view->m_undo[1].Entries()[1].x, 2);

    h->Command(ID_REMOVE_RED);
    EXPECT_EQ(drive->Cell(0, 0), RGB(255, 10, 10));
    EXPECT_EQ(drive->Cell(1, 0), RGB(228, 10, 10));
    EXPECT_EQ(drive->Cell(3, 0), RGB(255, 10, 10));
}

TEST_F(ColourAdjustmentsTest, AnAdjustmentAfterClearJoinsClearsStep)
{
    brushStrengths.colorBrushStrength = 1;
    for (int x = 0; x < 6; ++x)
        Set(x, 2, RGB(100, 100, 100));
    view->SetSelection(CRect(0, 0, 3, 32));
    h->Command(ID_IMAGE_CLEAR);
    h->Command(ID_UNSELECT);
    h->Command(ID_MAKE_DARKER);
    EXPECT_EQ(drive->Cell(1, 2), ICON_TRANSPARENT);
    EXPECT_EQ(drive->Cell(4, 2), RGB(84, 84, 84));
    h->Command(ID_EDIT_UNDO);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(drive->Cell(x, 2), RGB(100, 100, 100)) << x;
}

TEST_F(ColourAdjustmentsTest,
    CurvedFrameBlackensTheBorderLeavesTheCornersTransparentAndKeepsToTheSelection)
{
    h->Command(ID_VIEW_16);
    const auto inner = [](int x, int y) { return RGB(10 * x, 10 * y, 77); };
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            Set(x, y, inner(x, y));
    view->m_penColor = RGB(1, 200, 3);
    h->Command(ID_CURVED_EDGE_FRAME);

    const CellSet corners { { 0, 0 }, { 15, 0 }, { 15, 15 }, { 0, 15 } };
    CellSet sides = Ring(CRect(0, 0, 16, 16));
    for (const auto& corner : corners)
        sides.erase(corner);
    ASSERT_EQ(sides.size(), 56u);
    EXPECT_EQ(CellsOf(kBlack), sides);
    EXPECT_EQ(CellsOf(ICON_TRANSPARENT), corners);
    for (int x = 1; x < 15; ++x)
        for (int y = 1; y < 15; ++y)
            EXPECT_EQ(drive->Cell(x, y), inner(x, y)) << x << "," << y;
    EXPECT_EQ(view->m_penColor, RGB(1, 200, 3));
    drive->Paint();
    EXPECT_EQ(drive->Screen(5, 5), kTeal);

    // Clipped to the selection like every write: nothing when it keeps off the border.
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            Set(x, y, kWhite);
    view->SetSelection(CRect(2, 2, 14, 14));
    h->Command(ID_CURVED_EDGE_FRAME);
    EXPECT_EQ(CellsOf(kWhite).size(), 256u);
    view->SetSelection(CRect(0, 0, 5, 5));
    h->Command(ID_CURVED_EDGE_FRAME);
    EXPECT_EQ(CellsOf(ICON_TRANSPARENT), (CellSet { { 0, 0 } }));
    EXPECT_EQ(CellsOf(kBlack),
        (CellSet {
            { 1, 0 }, { 2, 0 }, { 3, 0 }, { 4, 0 }, { 0, 1 }, { 0, 2 }, { 0, 3 }, { 0, 4 } }));
}
