// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/IconView.h"

#include "document/IconDoc.h"
#include "framework/ClientDC.h"
#include "framework/DC.h"
#include "framework/Platform.h"
#include "framework/QtColor.h"
#include "resources/Artwork.h"
#include "resources/Resource.h"
#include "state/CellSize.h"

#include <algorithm>
#include <utility>

namespace {
constexpr COLORREF kPanelGrey = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kTransparentMarker = RGB(255, 0, 0);
constexpr COLORREF kInitialBackground = RGB(0, 128, 128);

// What the mask bitmap holds for a cell of this value.
COLORREF MaskValue(COLORREF colour)
{
    return colour == ICON_TRANSPARENT ? kTransparentMarker : kWhite;
}
// The zoomed block of every cell in cells (a rectangle of cells that the zoom bitmap holds
// whole) takes the colour of its pixel in the actual-size bitmap.
void ZoomCells(const CBitmap& actual, const CRect& cells, int c, CBitmap& zoom)
{
    const QImage& pixels = actual.Image();
    const int width = c * cells.Width();
    for (int y = cells.top; y < cells.bottom; ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(pixels.constScanLine(y)) + cells.left;
        QRgb* first = zoom.WriteRow(c * y) + c * cells.left;
        for (int x = 0; x < cells.Width(); ++x)
            std::fill_n(first + c * x, c, from[x]);
        for (int k = 1; k < c; ++k)
            std::copy_n(first, width, zoom.WriteRow(c * y + k) + c * cells.left);
    }
}

// What the canvas, the preview and the bitmaps show for it: a transparent cell shows the
// image's background.
COLORREF Displayed(COLORREF colour, COLORREF background)
{
    return colour == ICON_TRANSPARENT ? background : colour;
}
}

CIconView::CIconView()
{
    m_bkColor.fill(kInitialBackground);
    for (int s = 0; s < kImageCount; ++s)
        m_selBottomRight[std::size_t(s)]
            = CPoint(kImageSides[std::size_t(s)], kImageSides[std::size_t(s)]);
    // The panel is laid out once, from the cell sizes in force for the whole run.
    const int w = CanvasWidth();
    m_rcFillSwatch = CRect(w + 11, 5, w + 61, 35);
    m_rcSwap = CRect(w + 26, 37, w + 45, 56);
    m_rcPenSwatch = CRect(w + 11, 58, w + 61, 88);
    int top = 98;
    for (int s = 0; s < kImageCount; ++s) {
        const int n = kImageSides[std::size_t(s)];
        m_rcPreview[std::size_t(s)] = CRect(w + 11, top, w + 11 + n + 2, top + n + 2);
        top += n + 2 + 5;
    }
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CIconView::~CIconView() = default;

CIconDoc* CIconView::GetDocument() const { return static_cast<CIconDoc*>(CView::GetDocument()); }

int CIconView::CellSize() const { return cellSize[std::size_t(m_nSize)]; }

int CIconView::CanvasWidth() const { return cellSize[1] * kImageSides[1]; }

void CIconView::PaintPixel(int x, int y, COLORREF colour, bool show)
{
    const std::size_t s = std::size_t(m_nSize);
    if (x < m_selTopLeft[s].x || x >= m_selBottomRight[s].x || y < m_selTopLeft[s].y
        || y >= m_selBottomRight[s].y)
        return;
    WritePixel(m_nSize, x, y, colour, show);
}

// The two below are inline: every cell an operation writes passes through them.
inline bool CIconView::HoldCanvasCell(int image, int x, int y)
{
    const std::size_t s = std::size_t(image);
    const int c = cellSize[s];
    if (c * (x + 1) > m_bmpZoom[s].Width() || c * (y + 1) > m_bmpZoom[s].Height())
        return false;
    // The size changed inside the batch: the cells held so far are of the other image.
    if (image != m_heldCanvasImage && !m_heldCanvas.IsEmpty())
        WriteHeldChanges();
    m_heldCanvasImage = image;
    m_heldCanvas.Add(x, y);
    return true;
}

inline bool CIconView::ShowWrittenCell(int image, int x, int y, COLORREF displayed, bool show)
{
    const std::size_t s = std::size_t(image);
    const int c = cellSize[s];
    // Inside a batch the bitmaps just written hold what the screen is to show, and thousands of
    // cells are then copied from them in a few blocks instead of filled one by one.
    if (m_bBitmapsReady && IsScreenBatchOpen()) {
        m_heldPreviews[s].Add(x, y);
        if (!show)
            return false;
        if (HoldCanvasCell(image, x, y))
            return true;
    } else {
        const CPoint preview(m_rcPreview[s].left + 1 + x, m_rcPreview[s].top + 1 + y);
        FillScreenRect(CRect(preview.x, preview.y, preview.x + 1, preview.y + 1), displayed);
        if (!show)
            return false;
    }
    const CPoint cell(kCanvasOrigin + c * x, kCanvasOrigin + c * y);
    FillScreenRect(CRect(cell.x, cell.y, cell.x + c, cell.y + c), displayed);
    return false;
}

void CIconView::WritePixel(int image, int x, int y, COLORREF colour, bool show)
{
    const std::size_t s = std::size_t(image);
    const int side = kImageSides[s];
    if (x < 0 || y < 0 || x >= side || y >= side)
        return;
    CIconDoc* doc = GetDocument();
    const COLORREF displayed = Displayed(colour, m_bkColor[s]);
    const int c = cellSize[s];
    if (m_bBitmapsReady) {
        // A held canvas cell is copied from the zoom bitmap later; a write the canvas is not to
        // show yet must not reach it that way.
        if (!show && image == m_heldCanvasImage && m_heldCanvas.Contains(x, y))
            WriteHeldChanges();
        m_bmpMask[s].SetPixel(x, y, MaskValue(colour));
        m_bmpActual[s].SetPixel(x, y, displayed);
    }
    // A held canvas cell takes its zoomed block from the actual-size pixel when it is copied.
    if (!ShowWrittenCell(image, x, y, displayed, show) && m_bBitmapsReady)
        m_bmpZoom[s].FillRect(CRect(c * x, c * y, c * x + c, c * y + c), displayed);
    if (!doc)
        return;
    RecordChange(m_undo[s], x, y, doc->m_pixels[s][std::size_t(x)][std::size_t(y)]);
    doc->SetModifiedFlag(true);
    doc->m_bHasContent = true;
    doc->m_pixels[s][std::size_t(x)][std::size_t(y)] = colour;
}

void CIconView::OnWriteHeldChanges()
{
    if (!m_heldCanvas.IsEmpty()) {
        const std::size_t s = std::size_t(m_heldCanvasImage);
        const int c = cellSize[s];
        const CBitmap& actual = m_bmpActual[s];
        CBitmap& zoomBitmap = m_bmpZoom[s];
        const QImage& zoom = std::as_const(zoomBitmap).Image();
        m_heldCanvas.TakeBlocks([&](const CRect& cells) {
            ZoomCells(actual, cells, c, zoomBitmap);
            CopyToScreen(zoom,
                CRect(c * cells.left, c * cells.top, c * cells.right, c * cells.bottom),
                CPoint(kCanvasOrigin + c * cells.left, kCanvasOrigin + c * cells.top));
        });
    }
    for (std::size_t s = 0; s < m_heldPreviews.size(); ++s) {
        if (m_heldPreviews[s].IsEmpty())
            continue;
        const QImage& actual = std::as_const(m_bmpActual[s]).Image();
        const CPoint origin(m_rcPreview[s].left + 1, m_rcPreview[s].top + 1);
        m_heldPreviews[s].TakeBlocks(
            [&](const CRect& cells) { CopyToScreen(actual, cells, origin + cells.TopLeft()); });
    }
}

void CIconView::RenderImage(int s)
{
    CIconDoc* doc = GetDocument();
    if (!doc)
        return;
    const std::size_t i = std::size_t(s);
    const int n = kImageSides[i];
    const auto& grid = doc->m_pixels[i];
    if (!m_bBitmapsReady) {
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y)
                WritePixel(s, x, y, grid[std::size_t(x)][std::size_t(y)], false);
        return;
    }
    // Cells held back show what was written before this render, as they would have at once.
    WriteHeldChanges();
    RenderBitmaps(s);
    // The preview shows exactly what the actual-size bitmap now holds.
    {
        CClientDC dc(this);
        CDC actualDC(&m_bmpActual[i]);
        dc.BitBlt(m_rcPreview[i].left + 1, m_rcPreview[i].top + 1, n, n, &actualDC, 0, 0, SRCCOPY);
    }
    // Each cell is written with the value it has, so only the history and the flags change.
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            RecordChange(m_undo[i], x, y, grid[std::size_t(x)][std::size_t(y)]);
    doc->SetModifiedFlag(true);
    doc->m_bHasContent = true;
}

void CIconView::RenderBitmaps(int s)
{
    const std::size_t i = std::size_t(s);
    const int n = kImageSides[i];
    const int c = cellSize[i];
    const auto& grid = GetDocument()->m_pixels[i];
    CBitmap& zoom = m_bmpZoom[i];
    // Cells past the zoom bitmap's edge are cut, as the per-cell fill cuts them.
    const int zoomCells = std::min(n, (zoom.Width() + c - 1) / c);
    for (int y = 0; y < n; ++y) {
        QRgb* mask = m_bmpMask[i].WriteRow(y);
        QRgb* actual = m_bmpActual[i].WriteRow(y);
        QRgb* zoomRow = zoom.WriteRow(c * y);
        for (int x = 0; x < n; ++x) {
            const COLORREF colour = grid[std::size_t(x)][std::size_t(y)];
            const QRgb displayed = ToQRgb(Displayed(colour, m_bkColor[i]));
            if (mask && x < m_bmpMask[i].Width())
                mask[x] = ToQRgb(MaskValue(colour));
            if (actual && x < m_bmpActual[i].Width())
                actual[x] = displayed;
            if (zoomRow && x < zoomCells)
                std::fill_n(zoomRow + c * x, std::min(c, zoom.Width() - c * x), displayed);
        }
        // The cell rows below the first are copies of it.
        const int cellsWidth = std::min(zoom.Width(), c * n);
        for (int k = 1; zoomRow && k < c; ++k)
            if (QRgb* below = zoom.WriteRow(c * y + k))
                std::copy_n(zoomRow, cellsWidth, below);
    }
}

void CIconView::OnUpdate(CView* sender, long hint, void*)
{
    if (!m_bBitmapsReady)
        return;
    const ScreenBatch batch(this);
    CWaitCursor wait;
    for (ChangeList& list : m_undo)
        list.recording = 0;
    CIconDoc* doc = GetDocument();
    if (!doc || !doc->m_bHasContent)
        return;
    if (!sender) {
        if (hint == kRenderAllImages) {
            for (int s = 0; s < kImageCount; ++s)
                RenderImage(s);
        } else if (hint == kRenderActiveImage) {
            RenderImage(m_nSize);
        }
        doc->SetModifiedFlag(false);
    } else if (auto* painter = dynamic_cast<CIconView*>(sender)) {
        // Another window painted through its own bitmaps; ours still show the old image, so
        // the image it changed is rendered again before the repaint.
        RenderImage(painter->m_nSize);
    }
    Invalidate(false);
}

void CIconView::CreateBitmaps()
{
    m_bmpSwap.Attach(Artwork::SwapBitmap());
    const int w = CanvasWidth();
    for (int s = 0; s < kImageCount; ++s) {
        const std::size_t i = std::size_t(s);
        const int n = kImageSides[i];
        m_selTopLeft[i] = CPoint(0, 0);
        m_selBottomRight[i] = CPoint(n, n);
        m_bmpZoom[i].CreateCompatibleBitmap(w, w);
        m_bmpZoom[i].Fill(m_bkColor[i]);
        m_bmpActual[i].CreateCompatibleBitmap(n, n);
        m_bmpActual[i].Fill(m_bkColor[i]);
        m_bmpMask[i].CreateCompatibleBitmap(w, w);
        m_bmpMask[i].Fill(kTransparentMarker);
    }
    m_bBitmapsReady = true;
}

void CIconView::OnDraw(CDC* pDC)
{
    const int w = CanvasWidth();
    // A borderless rectangle leaves its last column and row unfilled.
    pDC->FillSolidRect(CRect(0, 0, w + 71, w + 11), kPanelGrey);
    pDC->SelectStockObject(BLACK_PEN);
    pDC->SelectStockObject(NULL_BRUSH);
    for (const CRect& preview : m_rcPreview)
        pDC->Rectangle(preview);
    const int frameEdge = kCanvasOrigin - 1;
    pDC->Rectangle(frameEdge, frameEdge, frameEdge + w + 2, frameEdge + w + 2);
    if (!m_bBitmapsReady) {
        CreateBitmaps();
        if (CIconDoc* doc = GetDocument())
            doc->UpdateAllViews(nullptr, kRenderAllImages);
    }
    CDC swapDC(&m_bmpSwap);
    pDC->BitBlt(m_rcSwap.left, m_rcSwap.top, 19, 19, &swapDC, 0, 0, SRCCOPY);

    const auto drawSwatch = [pDC](const CRect& rect, COLORREF colour, const char* letter) {
        pDC->SelectObject(CPen(PS_SOLID, 1, kBlack));
        pDC->SelectObject(CBrush(colour));
        pDC->Rectangle(rect);
        pDC->SetBkMode(TRANSPARENT);
        // The letter takes the swatch's inverse so it reads on any colour.
        pDC->SetTextColor(colour ^ 0xFFFFFF);
        pDC->TextOut(rect.left + 4, rect.top + 2, QString::fromLatin1(letter));
    };
    drawSwatch(m_rcFillSwatch, m_fillColor, "F");
    drawSwatch(m_rcPenSwatch, m_penColor, "S");

    for (int s = 0; s < kImageCount; ++s) {
        const std::size_t i = std::size_t(s);
        const int n = kImageSides[i];
        CDC actualDC(&m_bmpActual[i]);
        pDC->BitBlt(
            m_rcPreview[i].left + 1, m_rcPreview[i].top + 1, n, n, &actualDC, 0, 0, SRCCOPY);
    }
    CDC zoomDC(&m_bmpZoom[std::size_t(m_nSize)]);
    pDC->BitBlt(kCanvasOrigin, kCanvasOrigin, w, w, &zoomDC, 0, 0, SRCCOPY);
    DrawSelectionMarquee();
}

void CIconView::SelectSize(int s)
{
    if (m_nSize == s)
        return;
    m_nSize = s;
    Invalidate(true);
}

void CIconView::OnUpdateViewSize(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(true);
    pCmdUI->SetCheck(m_nSize == pCmdUI->m_nID - ID_VIEW_16 ? 1 : 0);
}

void CIconView::OnBackgroundColor()
{
    const std::optional<COLORREF> chosen = platform().ChooseColor(this, kBlack);
    if (!chosen)
        return;
    CWaitCursor wait;
    for (int s = 0; s < kImageCount; ++s) {
        const std::size_t i = std::size_t(s);
        m_bkColor[i] = *chosen;
        const int n = kImageSides[i];
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y)
                if (m_bBitmapsReady && m_bmpMask[i].GetPixel(x, y) == kTransparentMarker)
                    WritePixel(s, x, y, ICON_TRANSPARENT, false);
    }
    Invalidate(false);
}

bool CIconView::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    static const CommandMap<CIconView> map = {
        OnCommand(ID_VIEW_16, &CIconView::OnViewSize16, &CIconView::OnUpdateViewSize),
        OnCommand(ID_VIEW_32, &CIconView::OnViewSize32, &CIconView::OnUpdateViewSize),
        OnCommand(ID_VIEW_48, &CIconView::OnViewSize48, &CIconView::OnUpdateViewSize),
        OnCommand(ID_BACKGROUND_COLOR, &CIconView::OnBackgroundColor),
        OnCommand(ID_EDIT_UNDO, &CIconView::OnEditUndo, &CIconView::OnUpdateEditUndo),
        OnCommand(ID_EDIT_REDO, &CIconView::OnEditRedo, &CIconView::OnUpdateEditRedo),
        OnCommand(ID_UNSELECT, &CIconView::OnEditUnselect, &CIconView::OnUpdateEditUnselect),
        OnCommand(
            ID_MOVE_SELECTION, &CIconView::OnMoveSelection, &CIconView::OnUpdateMoveSelection),
        // Rotation, flipping and clearing
        OnCommand(ID_ROTATE_180, &CIconView::OnImageRotate180),
        OnCommand(ID_FLIP_VERTICAL, &CIconView::OnImageFlipVertical),
        OnCommand(ID_FLIP_HORIZONTAL, &CIconView::OnImageFlipHorizontal),
        OnCommand(ID_ROTATE_CCW, &CIconView::OnImageRotateCcw),
        OnCommand(ID_ROTATE_CW, &CIconView::OnImageRotateCw),
        OnCommand(ID_IMAGE_CLEAR, &CIconView::OnEditClearImage),
        // Colour adjustments and curved-edge frame
        OnCommand(ID_MAKE_LIGHTER, &CIconView::OnImageLighter),
        OnCommand(ID_MAKE_DARKER, &CIconView::OnImageDarker),
        OnCommand(ID_ADD_RED, &CIconView::OnImageAddRed),
        OnCommand(ID_ADD_GREEN, &CIconView::OnImageAddGreen),
        OnCommand(ID_ADD_BLUE, &CIconView::OnImageAddBlue),
        OnCommand(ID_REMOVE_RED, &CIconView::OnImageRemoveRed),
        OnCommand(ID_REMOVE_GREEN, &CIconView::OnImageRemoveGreen),
        OnCommand(ID_REMOVE_BLUE, &CIconView::OnImageRemoveBlue),
        OnCommand(ID_CURVED_EDGE_FRAME, &CIconView::OnActionsCurvedFrame),
        // Clipboards
        OnCommand(ID_EDIT_CUT, &CIconView::OnEditCut),
        OnCommand(ID_EDIT_COPY, &CIconView::OnEditCopy),
        OnCommand(ID_EDIT_PASTE_INTERNAL, &CIconView::OnEditPasteInternal,
            &CIconView::OnUpdateEditPasteInternal),
        OnCommand(ID_EDIT_PASTE, &CIconView::OnEditPaste, &CIconView::OnUpdateEditPaste),
        // Text
        OnCommand(ID_TEXT, &CIconView::OnTextTool),
    };
    {
        // A command's writes reach the screen at once and are shown in one repaint.
        const ScreenBatch batch(this);
        if (DispatchCommand(*this, map, id, pCmdUI))
            return true;
    }
    return CView::OnCmdMsg(id, pCmdUI);
}
