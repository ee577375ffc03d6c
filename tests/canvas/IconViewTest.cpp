// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas panel driven with real mouse events inside the running editor.
#include "canvas/IconView.h"
#include "canvas/CanvasFixture.h"
#include "document/IconDoc.h"
#include "frame/MainFrame.h"
#include "frame/PaletteToolBar.h"
#include "frame/Preferences.h"
#include "framework/Profile.h"
#include "resources/Resource.h"
#include "state/ToolState.h"
#include "support/AppHarness.h"
#include "support/ViewDriver.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

class IconViewTest : public canvas_test::CanvasTest {
protected:
    // Counts pixels of colour inside rect of the screen image.
    int CountScreen(const CRect& rect, COLORREF colour)
    {
        int count = 0;
        for (int x = rect.left; x < rect.right; ++x)
            for (int y = rect.top; y < rect.bottom; ++y)
                count += drive->Screen(x, y) == colour;
        return count;
    }
};

} // namespace

TEST_F(IconViewTest, NewDocumentShowsTheBackgroundEverywhereAndIsNotModified)
{
    const int w = 192;
    EXPECT_EQ(view->CellSize(), 6);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(drive->Screen(5, 5), kTeal);
    EXPECT_EQ(drive->Screen(w + 4, w + 4), kTeal);
    EXPECT_EQ(drive->Screen(4, 4), kBlack); // canvas frame
    EXPECT_EQ(drive->Screen(w + 5, w + 5), kBlack);
    EXPECT_EQ(drive->Screen(w + 69, 94), kGrey);
    EXPECT_EQ(drive->Screen(w + 70, 202), kGrey);
    // The previews: outline black, images in the background colour.
    EXPECT_EQ(drive->Screen(w + 11, 98), kBlack);
    EXPECT_EQ(drive->Screen(w + 12, 99), kTeal);
    EXPECT_EQ(drive->Screen(w + 12 + 47, 161 + 47), kTeal);
    // Swatches with their letters in the inverted colour.
    EXPECT_EQ(drive->Screen(w + 40, 30), kRed);
    EXPECT_GT(CountScreen(view->m_rcFillSwatch, RGB(0, 255, 255)), 5);
    EXPECT_EQ(drive->Screen(w + 40, 83), kGreen);
    EXPECT_GT(CountScreen(view->m_rcPenSwatch, RGB(255, 0, 255)), 5);
}

TEST(IconViewPanel, LargeCanvasGeometry)
{
    AppHarness::ClearSettings();
    WriteProfileInt("Settings", "snap_div", 0);
    AppHarness h;
    CIconView* view = h.ActiveView();
    ViewDriver drive(view);
    drive.Paint();
    EXPECT_EQ(view->CellSize(), 12);
    EXPECT_EQ(view->m_rcPreview[2], CRect(384 + 11, 160, 384 + 61, 210));
    // The grey panel is 455 x 395: its last column and row stay the window's own colour.
    EXPECT_EQ(drive.Screen(454, 394), kGrey);
    EXPECT_NE(drive.Screen(455, 100), kGrey);
    EXPECT_NE(drive.Screen(100, 395), kGrey);
    h.Command(ID_VIEW_48);
    drive.Paint();
    EXPECT_EQ(view->CellSize(), 8);
    EXPECT_TRUE(h.IsChecked(ID_VIEW_48));
    EXPECT_FALSE(h.IsChecked(ID_VIEW_32));
}

TEST_F(IconViewTest, StrokePaintsAFootprintPerMessageWithoutInterpolation)
{
    h->Command(ID_TOOL_BRUSH);
    h->Command(ID_PEN_1X1);
    drive->Press(drive->CellCentre(2, 2));
    drive->Move(drive->CellCentre(6, 2));
    drive->Move(drive->CellCentre(10, 2));
    // The release paints again at the last drag cell, not where the button comes up.
    drive->Release(drive->CellCentre(10, 2) + CPoint(1, 1));
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(drive->Cell(x, 2), x == 2 || x == 6 || x == 10 ? kGreen : ICON_TRANSPARENT) << x;
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->m_bHasContent);
    // Shown at once on the canvas and in the preview of the 32 x 32 image.
    EXPECT_EQ(drive->Screen(5 + 6 * 6 + 2, 5 + 6 * 2 + 2), kGreen);
    EXPECT_EQ(
        drive->Screen(view->m_rcPreview[1].left + 1 + 6, view->m_rcPreview[1].top + 1 + 2), kGreen);

    // A 5x5 round pen at the corner paints only what lies inside the image.
    h->Command(ID_PEN_ROUND);
    drive->Drag({ { 0, 20 } });
    h->Command(ID_TOOL_ERASER);
    drive->Drag({ { 0, 20 } });
    int erased = 0;
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            erased += drive->Cell(x, y) != ICON_TRANSPARENT;
    EXPECT_EQ(erased, 3); // the three cells of the first stroke
}

TEST_F(IconViewTest, PointerOverAFloatingPaletteIsOffTheCanvas)
{
    // At start the "Tools" palette floats over the left columns of the small canvas; Qt still
    // hands the pressed view every movement and the release there.
    h->Command(ID_VIEW_TOOL_PALETTE);
    const QWidget* tools = h->frame().m_wndToolsPalette;
    ASSERT_TRUE(tools->isVisible());
    const auto hidden = [&](int x) {
        const CPoint p = drive->CellCentre(x, 10);
        return tools->frameGeometry().contains(view->mapToGlobal(QPoint(p.x, p.y)));
    };
    ASSERT_TRUE(hidden(2));
    ASSERT_FALSE(hidden(25));

    h->Command(ID_TOOL_BRUSH);
    h->Command(ID_PEN_1X1);
    drive->Press(drive->CellCentre(25, 10));
    for (int x = 24; x >= 2; --x)
        drive->Move(drive->CellCentre(x, 10));
    drive->Release(drive->CellCentre(2, 10));
    // Only the cells the pointer crossed in plain sight; the release over the palette adds none.
    canvas_test::CellSet seen;
    for (int x = 2; x <= 25; ++x)
        if (!hidden(x))
            seen.insert({ x, 10 });
    EXPECT_EQ(Painted(), seen);

    // A rectangle released over the palette is called off.
    const canvas_test::CellSet stroke = Painted();
    h->Command(ID_TOOL_RECTANGLE);
    drive->Press(drive->CellCentre(25, 20));
    drive->Move(drive->CellCentre(2, 25));
    drive->Release(drive->CellCentre(2, 25));
    EXPECT_EQ(Painted(), stroke);
}

TEST_F(IconViewTest, DensityBrushesShadeAndSkipTransparentCells)
{
    doc->m_pixels[1][4][4] = RGB(254, 10, 0);
    doc->m_pixels[1][5][4] = RGB(255, 255, 255);
    doc->m_bHasContent = true;
    doc->UpdateAllViews(nullptr, kRenderActiveImage);
    brushStrengths.densityBrushStrength = 2;
    h->Command(ID_TOOL_LIGHTEN);
    h->Command(ID_PEN_3X3);
    // Press and release each lighten once: +3 twice, each channel saturating on its own.
    drive->Drag({ { 5, 5 } });
    EXPECT_EQ(drive->Cell(4, 4), RGB(255, 16, 6));
    EXPECT_EQ(drive->Cell(5, 4), RGB(255, 255, 255));
    EXPECT_EQ(drive->Cell(5, 5), ICON_TRANSPARENT);

    brushStrengths.densityBrushStrength = 0;
    doc->m_pixels[1][4][4] = RGB(0, 0, 1);
    h->Command(ID_TOOL_DARKEN);
    h->Command(ID_PEN_1X1);
    drive->Drag({ { 4, 4 } });
    EXPECT_EQ(drive->Cell(4, 4), RGB(0, 0, 0));
}

TEST_F(IconViewTest, UndoRestoresTheFirstValueOnceAndRedoReappliesPerSize)
{
    h->Command(ID_TOOL_BRUSH);
    h->Command(ID_PEN_1X1);
    // One step writing the same pixel three times.
    drive->Drag({ { 3, 3 }, { 3, 3 } });
    EXPECT_EQ(drive->Cell(3, 3), kGreen);
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_REDO));
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(drive->Cell(3, 3), ICON_TRANSPARENT);
    EXPECT_EQ(drive->Screen(5 + 6 * 3 + 1, 5 + 6 * 3 + 1), kTeal);
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
    h->Command(ID_EDIT_UNDO); // nothing to undo a second time
    h->Command(ID_EDIT_REDO);
    EXPECT_EQ(drive->Cell(3, 3), kGreen);
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_UNDO));

    // The 16 x 16 image keeps its own history.
    h->Command(ID_VIEW_16);
    drive->Paint();
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
    drive->Drag({ { 1, 1 } });
    h->Command(ID_VIEW_32);
    drive->Paint();
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(drive->Cell(3, 3), ICON_TRANSPARENT);
    EXPECT_EQ(doc->m_pixels[0][1][1], kGreen);
    h->Command(ID_VIEW_16);
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(doc->m_pixels[0][1][1], ICON_TRANSPARENT);

    // A colour-picking press empties both lists.
    h->Command(ID_EDIT_REDO);
    drive->Drag({ { 1, 1 } });
    h->Command(ID_EDIT_UNDO);
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_REDO));
    drive->Press(drive->CellCentre(1, 1), Qt::ControlModifier);
    drive->Release(drive->CellCentre(1, 1), Qt::ControlModifier);
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_REDO));
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
}

TEST_F(IconViewTest, ColourPicksAndPanelClicks)
{
    doc->m_pixels[1][7][8] = RGB(10, 20, 30);
    drive->Drag({ { 7, 8 } }, Qt::ControlModifier);
    EXPECT_EQ(view->m_penColor, RGB(10, 20, 30));
    drive->Drag({ { 0, 0 } }, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(view->m_fillColor, ICON_TRANSPARENT);
    EXPECT_EQ(drive->Cell(0, 0), ICON_TRANSPARENT); // picking paints nothing

    // The swap button, twice.
    const CPoint swap(view->m_rcSwap.left + 5, view->m_rcSwap.top + 5);
    drive->Press(swap);
    EXPECT_EQ(view->m_penColor, ICON_TRANSPARENT);
    drive->Press(swap);
    EXPECT_EQ(view->m_penColor, RGB(10, 20, 30));

    // The pen swatch asks for a colour starting from black; its outline does nothing.
    h->platform().colorAnswers = { RGB(1, 100, 200) };
    drive->Press(CPoint(view->m_rcPenSwatch.left, view->m_rcPenSwatch.top + 5));
    EXPECT_TRUE(h->platform().colorRequests.empty());
    drive->Press(CPoint(view->m_rcPenSwatch.left + 3, view->m_rcPenSwatch.top + 5));
    ASSERT_EQ(h->platform().colorRequests.size(), 1u);
    EXPECT_EQ(h->platform().colorRequests[0], kBlack);
    EXPECT_EQ(view->m_penColor, RGB(1, 100, 200));
    drive->Press(CPoint(view->m_rcFillSwatch.left + 3, view->m_rcFillSwatch.top + 5)); // cancelled
    EXPECT_EQ(view->m_fillColor, ICON_TRANSPARENT);

    // The 48 x 48 preview switches the image; the active one's own preview does nothing.
    drive->Press(CPoint(view->m_rcPreview[2].left + 3, view->m_rcPreview[2].top + 3));
    EXPECT_EQ(view->m_nSize, 2);
    drive->Press(CPoint(view->m_rcPreview[2].left, view->m_rcPreview[2].top + 3));
    EXPECT_EQ(view->m_nSize, 2);
}

TEST_F(IconViewTest, RubberBandInvertsAndRestoresThePixelsUnderIt)
{
    const QImage before = view->ScreenImage().copy();
    h->Command(ID_TOOL_RECTANGLE);
    drive->Press(drive->CellCentre(2, 2));
    drive->Move(drive->CellCentre(8, 6));
    const QImage banded = view->ScreenImage().copy();
    EXPECT_NE(banded, before);
    // The band runs from cell centre to cell centre.
    const CPoint a = drive->CellCentre(2, 2);
    EXPECT_NE(banded.pixel(a.x, a.y), before.pixel(a.x, a.y));
    drive->Move(drive->CellCentre(2, 2));
    // Pressing on the same cell leaves no trace once the band is removed again.
    drive->Move(drive->CellCentre(8, 6));
    drive->Release(drive->CellCentre(8, 6));
    drive->Paint();
    EXPECT_EQ(drive->Cell(2, 2), kGreen);
    EXPECT_EQ(drive->Cell(8, 6), kGreen);
    EXPECT_EQ(drive->Cell(5, 4), ICON_TRANSPARENT);
    // Outside the drawn rectangle nothing of the band is left.
    EXPECT_EQ(view->ScreenImage().pixel(150, 150), before.pixel(150, 150));
}

TEST_F(IconViewTest, PositionMarksFollowThePointer)
{
    drive->Move(CPoint(50, 60), Qt::NoButton);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(drive->Screen(i, 60), kBlack);
        EXPECT_EQ(drive->Screen(50, i), kBlack);
    }
    drive->Move(CPoint(70, 80), Qt::NoButton);
    EXPECT_EQ(drive->Screen(2, 60), kGrey);
    EXPECT_EQ(drive->Screen(50, 2), kGrey);
    EXPECT_EQ(drive->Screen(2, 80), kBlack);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(IconViewTest, BackgroundColourRecoloursEveryTransparentCell)
{
    doc->m_pixels[1][1][1] = kRed;
    doc->m_bHasContent = true;
    doc->UpdateAllViews(nullptr, kRenderActiveImage);
    view->SetSelection(CRect(0, 0, 4, 4));
    h->platform().colorAnswers = { RGB(9, 9, 9) };
    h->Command(ID_BACKGROUND_COLOR);
    drive->Paint();
    EXPECT_EQ(h->platform().colorRequests.back(), kBlack);
    EXPECT_EQ(drive->Screen(5 + 6 * 20, 5 + 6 * 20), RGB(9, 9, 9)); // outside the selection
    EXPECT_EQ(drive->Screen(5 + 6 * 1 + 1, 5 + 6 * 1 + 1), kRed);
    EXPECT_EQ(
        drive->Screen(view->m_rcPreview[0].left + 3, view->m_rcPreview[0].top + 3), RGB(9, 9, 9));
    EXPECT_EQ(doc->m_pixels[1][20][20], ICON_TRANSPARENT);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(IconViewTest, TwoViewsOfOneDocumentStayInStep)
{
    auto second = std::make_unique<CIconView>();
    second->SetDocument(doc);
    second->resize(view->size());
    ViewDriver other(second.get());
    other.Paint();
    h->Command(ID_TOOL_BRUSH);
    drive->Drag({ { 4, 4 } });
    other.Paint();
    EXPECT_EQ(other.Screen(5 + 6 * 4 + 1, 5 + 6 * 4 + 1), kGreen);
    second->SetDocument(nullptr);
}
