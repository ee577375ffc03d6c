// SPDX-License-Identifier: GPL-3.0-or-later
// Rotations, flips and Clear on a patterned image in the running editor, with their effects on
// the selection, the screen and the undo history.
#include "canvas/CanvasFixture.h"
#include "document/IconFile.h"

#include <functional>

using namespace canvas_test;

namespace {

// A different colour in every cell, so any misplaced cell shows.
COLORREF P(int x, int y) { return RGB(8 + 4 * x, 8 + 4 * y, 99); }

class TransformsTest : public CanvasTest {
protected:
    void SeedPattern()
    {
        auto& grid = doc->m_pixels[std::size_t(view->m_nSize)];
        for (int x = 0; x < N(); ++x)
            for (int y = 0; y < N(); ++y)
                grid[std::size_t(x)][std::size_t(y)] = P(x, y);
        doc->m_bHasContent = true;
        doc->UpdateAllViews(nullptr, kRenderActiveImage);
        drive->Paint();
    }

    // Cells of the active image that do not hold want(x, y).
    CellSet Differing(const std::function<COLORREF(int, int)>& want) const
    {
        CellSet cells;
        for (int x = 0; x < N(); ++x)
            for (int y = 0; y < N(); ++y)
                if (drive->Cell(x, y) != want(x, y))
                    cells.insert({ x, y });
        return cells;
    }
    CellSet DifferingFromPattern() const { return Differing(P); }

    // What the canvas shows at the centre of cell (x, y).
    COLORREF Shown(int x, int y)
    {
        const CPoint p = drive->CellCentre(x, y);
        return drive->Screen(p.x, p.y);
    }

    void Stroke(CPoint cell)
    {
        h->Command(ID_TOOL_BRUSH);
        h->Command(ID_PEN_1X1);
        drive->Drag({ cell });
    }
};

} // namespace

TEST_F(TransformsTest, FlipsWorkInsideTheSelectionBoxAndShowEachCellAtOnce)
{
    SeedPattern();
    view->SetSelection(CRect(4, 4, 8, 6));
    h->Command(ID_FLIP_VERTICAL);
    const auto rowsSwapped = [](int x, int y) {
        const bool inBox = x >= 4 && x < 8 && (y == 4 || y == 5);
        return inBox ? P(x, 9 - y) : P(x, y);
    };
    EXPECT_EQ(Differing(rowsSwapped), CellSet {});
    // Drawn on the canvas as written, without waiting for a repaint.
    EXPECT_EQ(Shown(4, 4), P(4, 5));
    EXPECT_EQ(Shown(7, 5), P(7, 4));

    h->Command(ID_FLIP_HORIZONTAL);
    EXPECT_EQ(drive->Cell(4, 4), P(7, 5));
    EXPECT_EQ(drive->Cell(8, 4), P(8, 4));
    h->Command(ID_FLIP_HORIZONTAL);
    EXPECT_EQ(Differing(rowsSwapped), CellSet {});
    h->Command(ID_FLIP_VERTICAL);
    EXPECT_EQ(DifferingFromPattern(), CellSet {});
    EXPECT_EQ(view->Selection(), CRect(4, 4, 8, 6));
}

TEST_F(TransformsTest, QuarterTurnsTurnTheWholeImageWhateverIsSelected)
{
    SeedPattern();
    view->SetSelection(CRect(2, 2, 5, 5));
    h->Command(ID_ROTATE_CW);
    const int n = N();
    EXPECT_EQ(Differing([n](int x, int y) { return P(y, n - 1 - x); }), CellSet {});
    EXPECT_EQ(drive->Cell(n - 1, 0), P(0, 0)); // top-left went to the top-right
    EXPECT_EQ(view->Selection(), CRect(2, 2, 5, 5));
    EXPECT_TRUE(doc->IsModified());
    drive->Paint();
    EXPECT_EQ(Shown(n - 1, 0), P(0, 0));
    EXPECT_EQ(Shown(20, 7), P(7, 11));
    EXPECT_EQ(drive->Screen(view->m_rcPreview[1].left + 1 + n - 1, view->m_rcPreview[1].top + 1),
        P(0, 0));

    h->Command(ID_ROTATE_CCW);
    EXPECT_EQ(DifferingFromPattern(), CellSet {});
    for (int turn = 0; turn < 4; ++turn)
        h->Command(ID_ROTATE_CW);
    EXPECT_EQ(DifferingFromPattern(), CellSet {});

    // On the 16 x 16 image, counter-clockwise: top-right goes to the top-left; the 32 x 32
    // image stays as it is.
    h->Command(ID_VIEW_16);
    SeedPattern();
    h->Command(ID_ROTATE_CCW);
    EXPECT_EQ(Differing([](int x, int y) { return P(15 - y, x); }), CellSet {});
    EXPECT_EQ(drive->Cell(0, 0), P(15, 0));
    EXPECT_EQ(doc->m_pixels[1][31][0], P(31, 0));

    // The turn is an unsaved change: closing asks about it.
    h->platform().messageAnswers = { IDNO };
    h->Command(ID_FILE_CLOSE);
    ASSERT_EQ(h->platform().messages.size(), 1u);
    EXPECT_EQ(h->platform().messages.back().text, "Save changes to Icon1?");
}

TEST_F(TransformsTest, ClearErasesTheSelectionBoxAndOneUndoTakesBackWhatFollows)
{
    SeedPattern();
    view->SetSelection(CRect(3, 3, 6, 9));
    h->Command(ID_IMAGE_CLEAR);
    const auto cleared = [](int x, int y) {
        return x >= 3 && x < 6 && y >= 3 && y < 9 ? ICON_TRANSPARENT : P(x, y);
    };
    EXPECT_EQ(Differing(cleared), CellSet {});
    drive->Paint();
    EXPECT_EQ(Shown(4, 5), kTeal);
    EXPECT_EQ(Shown(6, 5), P(6, 5));

    // Clear leaves recording on: a flip of the whole image after Unselect joins its step.
    h->Command(ID_UNSELECT);
    h->Command(ID_FLIP_HORIZONTAL);
    const int n = N();
    const auto clearedThenFlipped = [&](int x, int y) { return cleared(n - 1 - x, y); };
    EXPECT_EQ(Differing(clearedThenFlipped), CellSet {});
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(DifferingFromPattern(), CellSet {});
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
    h->Command(ID_EDIT_REDO);
    EXPECT_EQ(Differing(clearedThenFlipped), CellSet {});

    // With nothing selected every cell goes, and the image is no longer drawn.
    h->Command(ID_IMAGE_CLEAR);
    EXPECT_EQ(Painted(), CellSet {});
    EXPECT_FALSE(IsImageDrawn(Grid(), n));
    // That Clear joined the step Redo made, so one Undo goes back to before both.
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(DifferingFromPattern(), CellSet {});
}

TEST_F(TransformsTest, AnUnrecordedFlipLeavesTheStepNamingItsOldPositions)
{
    SeedPattern();
    Stroke({ 1, 1 });
    ASSERT_EQ(drive->Cell(1, 1), kPen);
    // The stroke switched recording off, so the flip is not noted; Undo then writes the
    // stroke's noted colour back where the stroke was, into the flipped picture.
    h->Command(ID_FLIP_HORIZONTAL);
    ASSERT_TRUE(h->IsEnabled(ID_EDIT_UNDO));
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(drive->Cell(1, 1), P(1, 1));
    EXPECT_EQ(drive->Cell(N() - 2, 1), kPen);
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
}

TEST_F(TransformsTest, FlipsJoinTheStepWhileRecordingIsOn)
{
    SeedPattern();
    // A selector click that stays on its cell begins a step and leaves recording on.
    h->Command(ID_TOOL_SELECTOR);
    drive->Drag({ { 3, 3 } });
    h->Command(ID_ROTATE_180);
    ASSERT_TRUE(h->IsEnabled(ID_EDIT_UNDO));
    h->Command(ID_FLIP_VERTICAL);
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(DifferingFromPattern(), CellSet {});
}

TEST_F(TransformsTest, QuarterTurnsAreNeverRecordedAndSwitchRecordingOffForAllSizes)
{
    SeedPattern();
    // Clear switches recording on, but the turn is still not noted: Undo writes Clear's noted
    // colours back at their unturned positions.
    view->SetSelection(CRect(0, 0, 4, 4));
    h->Command(ID_IMAGE_CLEAR);
    h->Command(ID_UNSELECT);
    h->Command(ID_ROTATE_CW);
    EXPECT_EQ(drive->Cell(N() - 1, 0), ICON_TRANSPARENT);
    EXPECT_EQ(drive->Cell(N() - 1, 4), P(4, 0));
    ASSERT_TRUE(h->IsEnabled(ID_EDIT_UNDO));
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(drive->Cell(0, 0), P(0, 0));
    EXPECT_EQ(drive->Cell(3, 3), P(3, 3));
    EXPECT_EQ(drive->Cell(N() - 1, 0), ICON_TRANSPARENT);

    // Clear on the 16 x 16 image leaves its recording on; a turn of the 32 x 32 image switches
    // it off, so a later flip of the 16 x 16 image is not added to Clear's step.
    h->Command(ID_VIEW_16);
    SeedPattern();
    view->SetSelection(CRect(0, 0, 2, 2));
    h->Command(ID_IMAGE_CLEAR);
    EXPECT_EQ(view->m_undo[0].recording, 1);
    h->Command(ID_VIEW_32);
    h->Command(ID_ROTATE_CCW);
    h->Command(ID_VIEW_16);
    EXPECT_EQ(view->m_undo[0].recording, 0);
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_UNDO));
    const auto heldBefore = view->m_undo[0].Entries().size();
    h->Command(ID_FLIP_HORIZONTAL);
    EXPECT_EQ(view->m_undo[0].Entries().size(), heldBefore);
}
