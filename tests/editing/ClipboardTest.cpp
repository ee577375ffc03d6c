// SPDX-License-Identifier: GPL-3.0-or-later
// Cut, Copy and the two pastes, driven through the commands as the menus and keys run them;
// the system clipboard's picture comes from the scripted platform.
#include "canvas/CanvasFixture.h"
#include "state/InternalClipboard.h"

#include <functional>

using namespace canvas_test;

namespace {

constexpr COLORREF kRose = RGB(220, 40, 90);
constexpr COLORREF kSky = RGB(30, 140, 230);

// A picture of the given size whose pixel (x, y) has colour(x, y).
QImage Picture(int width, int height, const std::function<COLORREF(int, int)>& colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const COLORREF c = colour(x, y);
            picture.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
        }
    return picture;
}

// A distinct colour for every pixel of a 32 x 32 corner, as in a photograph; never white nor
// the unpainted value.
COLORREF Photo(int x, int y) { return RGB(4 * (x % 60) + 1, 4 * (y % 60) + 1, 77); }

CellSet Join(CellSet a, const CellSet& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

CellSet Without(CellSet a, const CellSet& b)
{
    for (const auto& cell : b)
        a.erase(cell);
    return a;
}

class ClipboardTest : public CanvasTest {
protected:
    void Use48()
    {
        h->Command(ID_VIEW_48);
        drive->Paint();
    }
    // Copies the block sel of the active image (nothing selected afterwards).
    void CopyBlock(const CRect& sel)
    {
        SelectWithSelector(sel);
        h->Command(ID_EDIT_COPY);
        h->Command(ID_UNSELECT);
    }
    void PasteSystem(const QImage& picture)
    {
        h->platform().clipboardImage = picture;
        h->Command(ID_EDIT_PASTE);
    }
    CellSet CellsWhere(const std::function<bool(int, int)>& test) const
    {
        CellSet cells;
        for (int x = 0; x < N(); ++x)
            for (int y = 0; y < N(); ++y)
                if (test(x, y))
                    cells.insert({ x, y });
        return cells;
    }
};

} // namespace

TEST_F(ClipboardTest, CopyTakesTheSelectionAndPasteWritesItBackWithTransparency)
{
    // Nothing selected: the whole image, transparent cells included.
    Seed(Box(CRect(0, 0, 8, 8)), kRose);
    Seed({ { 31, 31 } }, kSky);
    doc->SetModifiedFlag(false);
    h->Command(ID_EDIT_COPY);
    EXPECT_EQ(internalClipboard.width, 32);
    EXPECT_EQ(internalClipboard.height, 32);
    EXPECT_EQ(internalClipboard.cells[31][31], kSky);
    EXPECT_EQ(internalClipboard.cells[20][20], ICON_TRANSPARENT);
    // Copying touches neither the image nor the history.
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));

    // The block's transparent cells let the image show through.
    Seed(Box(CRect(0, 0, 32, 32)), kFill);
    h->Command(ID_EDIT_PASTE_INTERNAL);
    EXPECT_EQ(CellsOf(kRose), Box(CRect(0, 0, 8, 8)));
    EXPECT_EQ(CellsOf(kSky), CellSet({ { 31, 31 } }));
    EXPECT_EQ(CellsOf(kFill).size(), 32u * 32u - 64u - 1u);
    EXPECT_FALSE(view->HasSelection());
    // Move Selection was made current, and gave way to the selector: nothing is selected.
    EXPECT_EQ(toolState.currentTool, ID_TOOL_SELECTOR);
    // The pasted cells are on the screen at once.
    const int c = view->CellSize();
    EXPECT_EQ(drive->Screen(5 + c * 31, 5 + c * 31), kSky);

    // A selected block is copied from its top-left cell.
    Use48();
    Seed({ { 10, 10 }, { 19, 13 } }, kSky);
    SelectWithSelector(CRect(10, 10, 20, 14));
    h->Command(ID_EDIT_COPY);
    EXPECT_EQ(internalClipboard.width, 10);
    EXPECT_EQ(internalClipboard.height, 4);
    EXPECT_EQ(internalClipboard.cells[0][0], kSky);
    EXPECT_EQ(internalClipboard.cells[9][3], kSky);
    EXPECT_EQ(internalClipboard.cells[5][2], ICON_TRANSPARENT);
}

TEST_F(ClipboardTest, PasteLandsAtTheSelectionAndShrinksItToTheBlock)
{
    Use48();
    Seed(Box(CRect(20, 20, 30, 24)), kRose);
    CopyBlock(CRect(20, 20, 30, 24)); // 10 wide, 4 high

    h->Command(ID_EDIT_PASTE_INTERNAL);
    EXPECT_EQ(CellsOf(kRose), Join(Box(CRect(0, 0, 10, 4)), Box(CRect(20, 20, 30, 24))));
    EXPECT_EQ(view->Selection(), CRect(0, 0, 10, 4));
    EXPECT_EQ(toolState.currentTool, ID_MOVE_SELECTION);
    EXPECT_TRUE(h->IsChecked(ID_MOVE_SELECTION));

    // A selection narrower than the block keeps its right edge and drops the rest.
    Seed(Box(CRect(0, 0, 48, 48)), ICON_TRANSPARENT);
    h->Command(ID_UNSELECT);
    SelectWithSelector(CRect(0, 0, 6, 48));
    h->Command(ID_EDIT_PASTE_INTERNAL);
    EXPECT_EQ(CellsOf(kRose), Box(CRect(0, 0, 6, 4)));
    EXPECT_EQ(view->Selection(), CRect(0, 0, 6, 4));

    // A block taller than the selection: the bottom stays where it was.
    Seed(Box(CRect(40, 0, 42, 10)), kSky);
    h->Command(ID_UNSELECT);
    CopyBlock(CRect(40, 0, 42, 10));
    SelectWithSelector(CRect(0, 0, 48, 8));
    h->Command(ID_EDIT_PASTE_INTERNAL);
    EXPECT_EQ(CellsOf(kSky), Join(Box(CRect(0, 0, 2, 8)), Box(CRect(40, 0, 42, 10))));
    EXPECT_EQ(view->Selection(), CRect(0, 0, 2, 8));
}

TEST_F(ClipboardTest, ThePastedBlockIsSelectedForTheMoveToolWhichMovesOnlyTheRectangle)
{
    Seed(Box(CRect(2, 2, 5, 5)), kRose);
    CopyBlock(CRect(2, 2, 5, 5));
    SelectWithSelector(CRect(20, 20, 30, 30));
    h->Command(ID_EDIT_PASTE_INTERNAL);
    EXPECT_EQ(view->Selection(), CRect(20, 20, 23, 23));
    ASSERT_EQ(toolState.currentTool, ID_MOVE_SELECTION);
    const IconGrid pasted = Grid();
    EXPECT_EQ(CellsOf(kRose), Join(Box(CRect(2, 2, 5, 5)), Box(CRect(20, 20, 23, 23))));

    drive->Drag({ { 21, 21 }, { 11, 16 } });
    EXPECT_EQ(view->Selection(), CRect(10, 15, 13, 18));
    EXPECT_EQ(Grid(), pasted);
    // Pasting again puts a second copy where the rectangle now is.
    h->Command(ID_EDIT_PASTE_INTERNAL);
    EXPECT_EQ(CellsOf(kRose).size(), 27u);
    EXPECT_EQ(drive->Cell(12, 17), kRose);
}

TEST_F(ClipboardTest, TheClipboardIsSharedByEveryWindowAndSizeAndEmptyAtEachStart)
{
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_PASTE_INTERNAL));
    // Cut and Copy are always available, with or without a selection.
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_CUT));
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_COPY));
    view->OnEditPasteInternal(); // nothing to paste: nothing happens
    EXPECT_EQ(Painted(), CellSet());
    EXPECT_FALSE(view->HasSelection());

    Use48();
    Seed(Box(CRect(0, 0, 48, 48)), kSky);
    Seed(Box(CRect(40, 40, 48, 48)), ICON_TRANSPARENT);
    h->Command(ID_EDIT_COPY);
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_PASTE_INTERNAL));

    // Another window's 16 x 16 image takes the part that fits its selection.
    h->Command(ID_FILE_NEW);
    CIconView* other = h->ActiveView();
    ASSERT_NE(other, view);
    view = other;
    doc = h->ActiveDocument();
    drive = std::make_unique<ViewDriver>(view);
    drive->Paint();
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_PASTE_INTERNAL));
    h->Command(ID_VIEW_16);
    drive->Paint();
    SelectWithSelector(CRect(10, 12, 16, 16));
    h->Command(ID_EDIT_PASTE_INTERNAL);
    EXPECT_EQ(Painted(), Box(CRect(10, 12, 16, 16)));
    EXPECT_EQ(view->Selection(), CRect(10, 12, 16, 16));
    // Unchanged by a paste, the block can be pasted again.
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_PASTE_INTERNAL));

    // A new run of the editor starts with nothing copied.
    view = nullptr;
    drive.reset();
    h.reset();
    h = std::make_unique<AppHarness>();
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_PASTE_INTERNAL));
    EXPECT_EQ(internalClipboard.width, 0);
    EXPECT_EQ(internalClipboard.cells[0][0], ICON_TRANSPARENT);
}

TEST_F(ClipboardTest, CutAndInternalPasteJoinTheStepOfThePrecedingStroke)
{
    Seed(Box(CRect(0, 0, 32, 32)), kSky);
    SelectWithSelector(CRect(4, 4, 12, 12));
    const IconGrid before = Grid();
    h->Command(ID_TOOL_BRUSH);
    drive->Drag({ { 5, 5 }, { 6, 5 } });
    h->Command(ID_EDIT_CUT);
    // The whole selection is cleared and shows the background at once.
    EXPECT_EQ(CellsOf(ICON_TRANSPARENT), Box(CRect(4, 4, 12, 12)));
    const int c = view->CellSize();
    EXPECT_EQ(drive->Screen(5 + c * 5, 5 + c * 5), kTeal);
    EXPECT_EQ(internalClipboard.cells[1][1], kPen);
    EXPECT_EQ(internalClipboard.cells[0][0], kSky);
    EXPECT_EQ(view->m_undo[1].recording, 0);

    // One Undo reverts stroke and cut; Redo brings both back.
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(Grid(), before);
    h->Command(ID_EDIT_REDO);
    EXPECT_EQ(CellsOf(ICON_TRANSPARENT), Box(CRect(4, 4, 12, 12)));

    // The same for a paste after a stroke.
    h->Command(ID_UNSELECT);
    const IconGrid afterCut = Grid();
    // The stroke lies inside the block: Undo restores only within the shrunk selection.
    drive->Drag({ { 6, 6 } });
    h->Command(ID_EDIT_PASTE_INTERNAL);
    ASSERT_EQ(view->Selection(), CRect(0, 0, 8, 8));
    EXPECT_EQ(drive->Cell(1, 1), kPen);
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(Grid(), afterCut);
}

TEST_F(ClipboardTest, ASystemPasteCopiesThePictureOneToOneAndWhiteBeyondIt)
{
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_PASTE));
    // A small picture: its pixels at their own positions, white beyond, not transparency.
    const auto small = [](int x, int y) { return RGB(x * 20, y * 20, 5); };
    h->platform().clipboardImage = Picture(10, 10, small);
    EXPECT_TRUE(h->IsEnabled(ID_EDIT_PASTE));
    h->Command(ID_EDIT_PASTE);
    EXPECT_EQ(CellsWhere([&](int x, int y) {
        return x < 10 && y < 10 && drive->Cell(x, y) == small(x, y);
    }),
        Box(CRect(0, 0, 10, 10)));
    EXPECT_EQ(CellsOf(kWhite).size(), 32u * 32u - 100u);
    const int c = view->CellSize();
    EXPECT_EQ(drive->Screen(5 + c * 3, 5 + c * 7), small(3, 7));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(h->platform().waitCursorDepth, 0);
    EXPECT_TRUE(h->platform().messages.empty());

    // A large picture is cropped to its top-left corner, never scaled.
    h->Command(ID_VIEW_16);
    drive->Paint();
    PasteSystem(Picture(100, 100, Photo));
    EXPECT_EQ(CellsWhere([&](int x, int y) { return drive->Cell(x, y) == Photo(x, y); }),
        Box(CRect(0, 0, 16, 16)));
    // 256 colours are still within the limit.
    EXPECT_TRUE(h->platform().messages.empty());

    // Red 1, green 2, blue 3 is an unpainted cell.
    PasteSystem(Picture(16, 16, [](int x, int) { return x < 4 ? RGB(1, 2, 3) : kRose; }));
    EXPECT_EQ(Painted(), Box(CRect(4, 0, 16, 16)));
    EXPECT_EQ(drive->Screen(5 + view->CellSize(), 5), kTeal);
}

TEST_F(ClipboardTest, ASystemPasteKeepsToTheSelectionAndLeavesHistoryAndToolAlone)
{
    SelectWithSelector(CRect(4, 4, 8, 8));
    h->Command(ID_TOOL_BRUSH);
    drive->Drag({ { 5, 5 } });
    PasteSystem(Picture(32, 32, [](int, int) { return kRose; }));
    EXPECT_EQ(CellsOf(kRose), Box(CRect(4, 4, 8, 8)));
    EXPECT_EQ(view->Selection(), CRect(4, 4, 8, 8));
    EXPECT_EQ(toolState.currentTool, ID_TOOL_BRUSH);
    // Recording was off after the stroke, so Undo puts back only the stroke's cell.
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(CellsOf(kRose), Without(Box(CRect(4, 4, 8, 8)), { { 5, 5 } }));

    // After a press that only picks a colour recording is still on: the paste joins that step.
    drive->Drag({ { 20, 20 } }, Qt::ControlModifier);
    PasteSystem(Picture(32, 32, [](int, int) { return kSky; }));
    EXPECT_EQ(CellsOf(kSky), Box(CRect(4, 4, 8, 8)));
    h->Command(ID_EDIT_UNDO);
    EXPECT_EQ(CellsOf(kRose), Without(Box(CRect(4, 4, 8, 8)), { { 5, 5 } }));

    // With no picture on the clipboard the paste does nothing at all.
    h->platform().clipboardImage = QImage();
    const IconGrid before = Grid();
    view->OnEditPaste();
    EXPECT_EQ(Grid(), before);
    EXPECT_TRUE(h->platform().messages.empty());
}

TEST_F(ClipboardTest, TooManyColoursAreReportedAfterThePasteIsMade)
{
    const auto expectError = [this] {
        ASSERT_EQ(h->platform().messages.size(), 1u);
        const RecordedMessage& m = h->platform().messages.front();
        EXPECT_EQ(m.text, "Only 256 color images are supported\nThis image has too many colors");
        EXPECT_EQ(m.caption, "Paste Error");
        EXPECT_EQ(m.style, MB_OK | MB_ICONERROR);
        h->platform().messages.clear();
    };
    // A photograph: every cell is written, then the message comes.
    PasteSystem(Picture(40, 40, Photo));
    EXPECT_EQ(CellsWhere([&](int x, int y) { return drive->Cell(x, y) == Photo(x, y); }),
        Box(CRect(0, 0, 32, 32)));
    expectError();
    EXPECT_EQ(h->platform().waitCursorDepth, 0);

    // The limit counts every cell of the raster, even those the selection keeps out.
    SelectWithSelector(CRect(0, 0, 2, 2));
    const QImage sixteen = Picture(16, 16, Photo); // 256 colours
    PasteSystem(sixteen);
    // The white beyond the picture is the 257th.
    expectError();
    // Unpainted cells are not a colour.
    PasteSystem(Picture(
        32, 32, [](int x, int y) { return x < 16 && y < 16 ? Photo(x, y) : RGB(1, 2, 3); }));
    EXPECT_TRUE(h->platform().messages.empty());
    h->Command(ID_VIEW_16);
    PasteSystem(sixteen);
    EXPECT_TRUE(h->platform().messages.empty());
}
