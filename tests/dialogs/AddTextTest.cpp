// SPDX-License-Identifier: GPL-3.0-or-later
// The Add Text dialog on its own (controls, preview, nudging, font) and the view's text command
// in a running editor (what reaches the image, the selection, undo, cancel, the current tool).
#include "canvas/CanvasFixture.h"
#include "dialogs/AddTextDlg.h"
#include "framework/DC.h"
#include "framework/DialogUnits.h"
#include "support/QtPrint.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace canvas_test;

namespace {

const QString kText = QStringLiteral("Hi");

void Click(CAddTextDlg& dlg, int id) { static_cast<QPushButton*>(dlg.GetDlgItem(id))->click(); }

// The user at the open dialog: acts on it, then a button ends it.
std::function<int(CAddTextDlg&)> UserDoes(std::function<void(CAddTextDlg&)> act, int endingButton)
{
    return [=](CAddTextDlg& dlg) {
        act(dlg);
        Click(dlg, endingButton);
        return dlg.result() == QDialog::Accepted ? IDOK : IDCANCEL;
    };
}
std::function<int(CAddTextDlg&)> Types(const QString& text, int endingButton)
{
    return UserDoes([=](CAddTextDlg& dlg) { dlg.TextEdit()->setText(text); }, endingButton);
}

// The pixels of an n x n image that text written at (x, y) covers.
CellSet GlyphsOf(const QString& text, int x, int y, int n, const QFont* font = nullptr)
{
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(n, n);
    CDC dc(&bitmap);
    if (font)
        dc.SelectObject(*font);
    dc.SetTextColor(kWhite);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(x, y, text);
    CellSet cells;
    for (int cx = 0; cx < n; ++cx)
        for (int cy = 0; cy < n; ++cy)
            if (bitmap.GetPixel(cx, cy) == kWhite)
                cells.insert({ cx, cy });
    return cells;
}

CellSet Shifted(const CellSet& cells, int dx, int dy, int n)
{
    CellSet moved;
    for (const auto& [x, y] : cells)
        if (x + dx >= 0 && x + dx < n && y + dy >= 0 && y + dy < n)
            moved.insert({ x + dx, y + dy });
    return moved;
}

CellSet Minus(CellSet cells, const CellSet& removed)
{
    for (const auto& cell : removed)
        cells.erase(cell);
    return cells;
}

COLORREF ScreenPixel(const CAddTextDlg& dlg, int x, int y)
{
    const QRgb rgb = dlg.ScreenImage().pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// The dialog alone, over a teal 32 x 32 source.
class AddTextDlgTest : public testing::Test {
protected:
    AddTextDlgTest() { Source(32); }
    void Source(int n)
    {
        source.CreateCompatibleBitmap(n, n);
        source.Fill(kTeal);
    }
    // Pixels of the preview, or of the source, that the text changed.
    static CellSet NotTeal(const CBitmap& bitmap)
    {
        CellSet cells;
        for (int x = 0; x < bitmap.Width(); ++x)
            for (int y = 0; y < bitmap.Height(); ++y)
                if (bitmap.GetPixel(x, y) != kTeal)
                    cells.insert({ x, y });
        return cells;
    }
    static CellSet PreviewText(const CAddTextDlg& dlg) { return NotTeal(dlg.m_bmpPreview); }
    CellSet SourceText() const { return NotTeal(source); }

    ScopedScriptedPlatform platform;
    CBitmap source;
};

} // namespace

TEST_F(AddTextDlgTest, ShowsTheTemplateAndStartsAfresh)
{
    CAddTextDlg dlg(&source, 32);
    EXPECT_EQ(dlg.windowTitle(), "Add Text");
    EXPECT_EQ(dlg.parentWidget(), nullptr);
    const DialogUnits units(dlg.font());
    EXPECT_EQ(dlg.size(), units.Size(186, 77));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());

    struct Expected {
        int id;
        const char* text;
        int left, top, width, height;
    };
    const Expected controls[] = {
        { 1, "Apply Text", 124, 7, 55, 14 },
        { 2, "Cancel", 124, 32, 55, 14 },
        { 1003, "Get Font...", 124, 57, 55, 14 },
        { 1010, "<---", 68, 41, 19, 14 },
        { 1011, "--->", 95, 41, 19, 14 },
        { 1012, "text down", 68, 57, 46, 14 },
        { 1013, "text up", 68, 25, 46, 14 },
    };
    for (const Expected& c : controls) {
        auto* button = qobject_cast<QPushButton*>(dlg.GetDlgItem(c.id));
        ASSERT_NE(button, nullptr) << c.id;
        EXPECT_EQ(button->text(), c.text);
        EXPECT_EQ(button->geometry(), units.Rect(c.left, c.top, c.width, c.height)) << c.id;
        EXPECT_EQ(button->isDefault(), c.id == IDOK) << c.id;
    }
    ASSERT_NE(dlg.TextEdit(), nullptr);
    EXPECT_EQ(dlg.TextEdit()->geometry(), units.Rect(7, 7, 107, 14));
    EXPECT_TRUE(dlg.TextEdit()->text().isEmpty());
    // The preview keeps clear of the controls beside it.
    EXPECT_LT(CAddTextDlg::kBackdrop.right, dlg.GetDlgItem(1013)->x());
    EXPECT_GE(CAddTextDlg::kBackdrop.top, dlg.TextEdit()->geometry().bottom());
    EXPECT_LE(CAddTextDlg::kBackdrop.bottom, dlg.height());

    EXPECT_EQ(CPoint(dlg.m_x, dlg.m_y), CPoint(1, 1));
    EXPECT_EQ(dlg.m_textColor, kBlack);
    EXPECT_FALSE(dlg.m_font.has_value());
    EXPECT_FALSE(dlg.m_bFontChosen);
    EXPECT_FALSE(dlg.m_bPreviewMade);
}

TEST_F(AddTextDlgTest, PaintsTheImageFramedAtRealSizeOnTheBackdrop)
{
    const std::pair<int, CPoint> frames[]
        = { { 16, { 41, 71 } }, { 32, { 33, 63 } }, { 48, { 25, 55 } } };
    for (const auto& [n, frame] : frames) {
        Source(n);
        source.SetPixel(0, 0, kFill);
        source.SetPixel(n - 1, n - 1, kPen);
        CAddTextDlg dlg(&source, n);
        EXPECT_EQ(dlg.FrameTopLeft(), frame) << n;
        dlg.OnPaint();
        EXPECT_TRUE(dlg.m_bPreviewMade);
        EXPECT_EQ(ScreenPixel(dlg, 15, 45), kBlack) << n; // backdrop outline
        EXPECT_EQ(ScreenPixel(dlg, 84, 114), kBlack) << n;
        EXPECT_EQ(ScreenPixel(dlg, 16, 46), kWhite) << n; // backdrop fill
        EXPECT_EQ(ScreenPixel(dlg, frame.x, frame.y), kBlack) << n; // image frame
        EXPECT_EQ(ScreenPixel(dlg, frame.x + n + 1, frame.y + n + 1), kBlack) << n;
        EXPECT_EQ(ScreenPixel(dlg, frame.x + 1, frame.y + 1), kFill) << n;
        EXPECT_EQ(ScreenPixel(dlg, frame.x + n, frame.y + n), kPen) << n;
        EXPECT_EQ(ScreenPixel(dlg, frame.x + 2, frame.y + 1), kTeal) << n;
        EXPECT_EQ(ScreenPixel(dlg, frame.x + n + 2, frame.y + n + 2), kWhite) << n;
    }
}

TEST_F(AddTextDlgTest, TypingAndNudgingMoveTheTextOverTheSourcePixelByPixel)
{
    CAddTextDlg dlg(&source, 32);
    dlg.OnPaint();
    dlg.TextEdit()->setText(kText);
    EXPECT_EQ(dlg.m_text, kText);
    const CellSet atStart = PreviewText(dlg);
    ASSERT_FALSE(atStart.empty());
    EXPECT_EQ(atStart, GlyphsOf(kText, 1, 1, 32));
    // The dialog shows what the preview holds, inside the frame.
    const CPoint frame = dlg.FrameTopLeft();
    const auto [gx, gy] = *atStart.begin();
    EXPECT_EQ(ScreenPixel(dlg, frame.x + 1 + gx, frame.y + 1 + gy), kBlack);

    Click(dlg, IDC_TEXT_UP);
    EXPECT_EQ(dlg.m_y, 0);
    EXPECT_EQ(PreviewText(dlg), Shifted(atStart, 0, -1, 32));
    Click(dlg, IDC_TEXT_DOWN);
    Click(dlg, IDC_TEXT_DOWN);
    Click(dlg, IDC_TEXT_RIGHT);
    EXPECT_EQ(PreviewText(dlg), Shifted(atStart, 1, 1, 32));
    // Past the left edge the part outside the image is simply not there.
    for (int i = 0; i < 5; ++i)
        Click(dlg, IDC_TEXT_LEFT);
    EXPECT_EQ(CPoint(dlg.m_x, dlg.m_y), CPoint(-3, 2));
    EXPECT_EQ(PreviewText(dlg), Shifted(atStart, -4, 1, 32));
    // Far past the bottom right nothing is left to see.
    for (int i = 0; i < 40; ++i)
        Click(dlg, IDC_TEXT_RIGHT);
    EXPECT_TRUE(PreviewText(dlg).empty());

    // The preview never touches the source.
    EXPECT_TRUE(SourceText().empty());
}

TEST_F(AddTextDlgTest, TheFontDialogSetsFontAndColourAndReopensOnThem)
{
    CAddTextDlg dlg(&source, 32);
    dlg.TextEdit()->setText(kText);

    Click(dlg, IDC_TEXT_FONT); // cancelled
    EXPECT_FALSE(dlg.m_bFontChosen);
    EXPECT_FALSE(dlg.m_font.has_value());

    QFont big = dlg.font();
    big.setPixelSize(20);
    big.setUnderline(true);
    platform->fontAnswers.push_back(FontChoice { big, kFill });
    Click(dlg, IDC_TEXT_FONT);
    EXPECT_TRUE(dlg.m_bFontChosen);
    EXPECT_EQ(dlg.m_textColor, kFill);
    const CellSet glyphs = GlyphsOf(kText, 1, 1, 32, &big);
    EXPECT_NE(glyphs, GlyphsOf(kText, 1, 1, 32));
    EXPECT_EQ(PreviewText(dlg), glyphs);
    for (const auto& [x, y] : glyphs)
        ASSERT_EQ(dlg.m_bmpPreview.GetPixel(x, y), kFill);

    platform->fontAnswers.push_back(std::nullopt);
    Click(dlg, IDC_TEXT_FONT);
    ASSERT_EQ(platform->fontRequests.size(), 3u);
    EXPECT_FALSE(platform->fontRequests[0].has_value());
    EXPECT_FALSE(platform->fontRequests[1].has_value());
    ASSERT_TRUE(platform->fontRequests[2].has_value());
    EXPECT_EQ(platform->fontRequests[2]->font, big);
    EXPECT_EQ(platform->fontRequests[2]->color, kFill);
    // Cancelling the second time kept everything.
    EXPECT_EQ(dlg.m_textColor, kFill);
    EXPECT_EQ(PreviewText(dlg), glyphs);
}

TEST_F(AddTextDlgTest, EnterInTheTextBoxAppliesAndEscapeCancels)
{
    {
        CAddTextDlg dlg(&source, 32);
        dlg.show();
        QTest::keyClicks(dlg.TextEdit(), kText);
        QTest::keyClick(dlg.TextEdit(), Qt::Key_Return);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        const CellSet glyphs = GlyphsOf(kText, 1, 1, 32);
        EXPECT_EQ(SourceText(), glyphs);
        EXPECT_TRUE(dlg.IsGlyphPixel(glyphs.begin()->first, glyphs.begin()->second));
        EXPECT_FALSE(dlg.IsGlyphPixel(31, 31));
    }
    Source(32);
    CAddTextDlg dlg(&source, 32);
    dlg.show();
    QTest::keyClicks(dlg.TextEdit(), kText);
    QTest::keyClick(dlg.TextEdit(), Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(SourceText().empty());
}

namespace {

class TextToolTest : public CanvasTest {
protected:
    void RunText(std::function<int(CAddTextDlg&)> user)
    {
        h->platform().ScriptDialog(std::move(user));
        const std::size_t shownBefore = h->platform().modalDialogs.size();
        h->Command(ID_TEXT);
        EXPECT_EQ(h->platform().modalDialogs.size(), shownBefore + 1);
        drive->Paint();
    }
    IconGrid Before() const { return Grid(); }
    // The cells whose grid value differs from before.
    CellSet ChangedSince(const IconGrid& before) const
    {
        CellSet cells;
        for (int x = 0; x < N(); ++x)
            for (int y = 0; y < N(); ++y)
                if (drive->Cell(x, y) != before[std::size_t(x)][std::size_t(y)])
                    cells.insert({ x, y });
        return cells;
    }
};

} // namespace

TEST_F(TextToolTest, ApplyingWritesExactlyTheGlyphPixelsAndKeepsTheTool)
{
    h->Command(ID_TOOL_ELLIPSE);
    const int tool = toolState.currentTool;
    Seed(Box({ 0, 0, 8, 20 }), kPen); // opaque under part of the text, transparent elsewhere
    const IconGrid before = Before();
    doc->SetModifiedFlag(false);
    ASSERT_TRUE(h->IsEnabled(ID_TEXT));

    QFont big = view->font();
    big.setPixelSize(16);
    h->platform().fontAnswers.push_back(FontChoice { big, kFill });
    RunText(UserDoes(
        [](CAddTextDlg& dlg) {
            dlg.TextEdit()->setText(kText);
            Click(dlg, IDC_TEXT_FONT);
        },
        IDOK));

    const CellSet glyphs = GlyphsOf(kText, 1, 1, 32, &big);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_EQ(ChangedSince(before), glyphs);
    EXPECT_EQ(CellsOf(kFill), glyphs);
    // Transparent pixels the text missed stay transparent, opaque ones keep their colour.
    EXPECT_EQ(CellsOf(kPen), Minus(Box({ 0, 0, 8, 20 }), glyphs));
    EXPECT_EQ(drive->Cell(31, 31), ICON_TRANSPARENT);
    const auto [gx, gy] = *glyphs.begin();
    EXPECT_EQ(drive->Screen(drive->CellCentre(gx, gy).x, drive->CellCentre(gx, gy).y), kFill);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(toolState.currentTool, tool);
    EXPECT_TRUE(h->IsChecked(ID_TOOL_ELLIPSE));

    // One undo step takes it all back; redo brings it again.
    ASSERT_TRUE(h->IsEnabled(ID_EDIT_UNDO));
    h->Command(ID_EDIT_UNDO);
    EXPECT_TRUE(ChangedSince(before).empty());
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
    h->Command(ID_EDIT_REDO);
    EXPECT_EQ(CellsOf(kFill), glyphs);
}

TEST_F(TextToolTest, OnlyTheTextInsideTheSelectionReachesTheImage)
{
    h->Command(ID_VIEW_16);
    h->Command(ID_TOOL_BRUSH);
    const CRect sel(0, 0, 5, 16);
    SelectWithSelector(sel);
    const IconGrid before = Before();

    RunText(Types(kText, IDOK));

    const CellSet glyphs = GlyphsOf(kText, 1, 1, 16);
    CellSet inside;
    for (const auto& cell : glyphs)
        if (sel.PtInRect({ cell.first, cell.second }))
            inside.insert(cell);
    ASSERT_FALSE(inside.empty());
    ASSERT_NE(inside, glyphs);
    EXPECT_EQ(ChangedSince(before), inside);
    // The 16 x 16 preview shows the image, not the text that was kept out of it, also when
    // the window is drawn again from its bitmaps.
    view->Invalidate(false);
    drive->Paint();
    for (const auto& [x, y] : glyphs) {
        const COLORREF shown
            = drive->Screen(view->m_rcPreview[0].left + 1 + x, view->m_rcPreview[0].top + 1 + y);
        EXPECT_EQ(shown, inside.count({ x, y }) ? kBlack : kTeal) << x << "," << y;
    }
    EXPECT_EQ(toolState.currentTool, ID_TOOL_BRUSH);
}

TEST_F(TextToolTest, TextJoinsTheCurrentStep)
{
    h->Command(ID_TOOL_BRUSH);
    drive->Drag({ { 30, 30 } });
    ASSERT_EQ(drive->Cell(30, 30), kPen);
    RunText(Types(kText, IDOK));
    ASSERT_FALSE(CellsOf(kBlack).empty());
    h->Command(ID_EDIT_UNDO);
    EXPECT_TRUE(Painted().empty());
}

TEST_F(TextToolTest, CancelChangesNothingAndRecordsNothing)
{
    const IconGrid before = Before();
    RunText(UserDoes(
        [](CAddTextDlg& dlg) {
            dlg.TextEdit()->setText(kText);
            Click(dlg, IDC_TEXT_DOWN);
            Click(dlg, IDC_TEXT_RIGHT);
        },
        IDCANCEL));
    EXPECT_TRUE(ChangedSince(before).empty());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(h->IsEnabled(ID_EDIT_UNDO));
    for (int x = 0; x < N(); ++x)
        for (int y = 0; y < N(); ++y)
            ASSERT_EQ(view->m_bmpActual[1].GetPixel(x, y), kTeal);
}

TEST_F(TextToolTest, EveryOpeningStartsAtOneOneInTheSystemFontAndBlack)
{
    QFont big = view->font();
    big.setPixelSize(20);
    h->platform().fontAnswers.push_back(FontChoice { big, kFill });
    RunText(UserDoes(
        [](CAddTextDlg& dlg) {
            Click(dlg, IDC_TEXT_FONT);
            Click(dlg, IDC_TEXT_LEFT);
        },
        IDCANCEL));

    bool fresh = false;
    RunText(UserDoes(
        [&](CAddTextDlg& dlg) {
            fresh = dlg.m_x == 1 && dlg.m_y == 1 && !dlg.m_font && !dlg.m_bFontChosen
                && dlg.m_textColor == kBlack;
        },
        IDCANCEL));
    EXPECT_TRUE(fresh);
}
