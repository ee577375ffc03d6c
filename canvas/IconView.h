// SPDX-License-Identifier: GPL-3.0-or-later
// CIconView: the panel of one icon window. It shows the active image enlarged on the canvas,
// the fill and pen swatches with the swap button, and the three images at actual size; it
// owns everything about the window that is not the document: the active image, a selection
// and an undo history per image, the pen, fill and background colours, and off-screen bitmaps
// that mirror the images. Every pixel a tool or command writes goes through PaintPixel.
//
// The class is split by aspect: IconView.cpp (panel, PaintPixel, rendering, size and
// background commands), IconViewMouse.cpp (mouse dispatch to the tools of ToolTable.h, rubber
// band, panel clicks, context menu), IconViewBrushes.cpp, IconViewShapes.cpp,
// IconViewFill.cpp, IconViewSelection.cpp, IconViewHistory.cpp (undo and redo),
// IconViewTransforms.cpp, IconViewColors.cpp, IconViewClipboard.cpp and IconViewText.cpp (the
// commands that change a whole image).
#pragma once

#include "canvas/CellRuns.h"
#include "document/IconTypes.h"
#include "editing/ChangeList.h"
#include "framework/Bitmap.h"
#include "framework/View.h"

#include <array>

class CIconDoc;
class CDC;

// Hints a CIconView takes in OnUpdate from a document-wide update: which images to render
// again from the document before the repaint.
enum IconUpdateHint : long { kRenderActiveImage = 1, kRenderAllImages = 2 };

// Mouse key flags, as the mouse handlers receive them.
enum : unsigned { MK_LBUTTON = 0x1, MK_SHIFT = 0x4, MK_CONTROL = 0x8 };

class CIconView : public CView {
    Q_OBJECT
public:
    CIconView();
    ~CIconView() override;

    CIconDoc* GetDocument() const;

    // Writes pixel (x, y) of the active image: clipped to the selection and the image, noted
    // in the history, drawn into the bitmaps, the preview and (when show) the canvas at once,
    // and stored in the document. Inside a screen batch the preview pixel, the canvas cell and
    // its zoomed block are made in blocks before the screen is next touched (see CView).
    void PaintPixel(int x, int y, COLORREF colour, bool show = true);
    // Redraws the bitmaps of image s from the document, whatever its selection.
    void RenderImage(int s);

    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* sender, long hint, void* hintObject) override;
    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

    // Image sizes and background
    void OnViewSize16() { SelectSize(0); }
    void OnViewSize32() { SelectSize(1); }
    void OnViewSize48() { SelectSize(2); }
    void OnUpdateViewSize(CCmdUI* pCmdUI);
    void OnBackgroundColor();

    // History (IconViewHistory.cpp)
    void BeginStep();
    void OnEditUndo();
    void OnEditRedo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);

    // Mouse (IconViewMouse.cpp)
    bool IsOnCanvas(CPoint point) const;
    CPoint PointToCell(CPoint point) const;
    void OnLButtonDown(unsigned flags, CPoint point);
    void OnMouseMove(unsigned flags, CPoint point);
    void OnLButtonUp(unsigned flags, CPoint point);
    // The undo history of the active image: the tools record their writes in it.
    ChangeList& ActiveHistory() { return m_undo[std::size_t(m_nSize)]; }
    // point in screen coordinates; (-1, -1) when asked for from the keyboard.
    void OnContextMenu(CPoint point);
    void DrawRubberBand(CPoint a, CPoint b);
    void ShowPositionMarks(CPoint point);

    // Brushes (IconViewBrushes.cpp)
    void PaintFootprint(int x, int y, COLORREF colour);
    void ShadeFootprint(int x, int y, int d);
    void ShadePixel(int x, int y, int dR, int dG, int dB);

    // Shapes (IconViewShapes.cpp)
    void DrawRowLine(CPoint a, CPoint b);
    void DrawColumnLine(CPoint a, CPoint b);
    void DrawRectangle(int left, int top, int right, int bottom);
    void DrawFilledRectangle(int left, int top, int right, int bottom);
    void DrawEllipse(int left, int top, int right, int bottom);
    void DrawFilledEllipse(int left, int top, int right, int bottom);
    void DrawLine(CPoint a, CPoint b);

    // Flood fill (IconViewFill.cpp)
    void FloodFillAt(int x, int y, COLORREF colour);

    // Selection (IconViewSelection.cpp)
    CRect Selection() const;
    void SetSelection(const CRect& rect);
    bool HasSelection() const;
    void DrawSelectionMarquee();
    void OnEditUnselect();
    void OnUpdateEditUnselect(CCmdUI* pCmdUI);
    void OnMoveSelection();
    void OnUpdateMoveSelection(CCmdUI* pCmdUI);
    void BeginMove();
    void MoveStep();
    void EndMove();

    // Rotation, flipping and clearing (IconViewTransforms.cpp). The 180-degree
    // rotation, the flips and Clear act on the selection box; the quarter turns on the whole
    // image.
    void OnImageRotate180();
    void OnImageFlipVertical();
    void OnImageFlipHorizontal();
    void OnImageRotateCcw();
    void OnImageRotateCw();
    void OnEditClearImage();

    // Colour adjustments and curved-edge frame (IconViewColors.cpp)
    // Adds the signed offsets to the channels of every painted cell of the active image, each
    // channel saturating on its own; clipped to the selection like every write.
    void AdjustColours(int dRed, int dGreen, int dBlue);
    void OnImageLighter();
    void OnImageDarker();
    void OnImageAddRed();
    void OnImageAddGreen();
    void OnImageAddBlue();
    void OnImageRemoveRed();
    void OnImageRemoveGreen();
    void OnImageRemoveBlue();
    void OnActionsCurvedFrame();

    // Clipboards (IconViewClipboard.cpp)
    void OnEditCut();
    void OnEditCopy();
    void OnEditPasteInternal();
    void OnUpdateEditPasteInternal(CCmdUI* pCmdUI);
    void OnEditPaste();
    void OnUpdateEditPaste(CCmdUI* pCmdUI);

    // Text (IconViewText.cpp): the Add Text dialog writes on the active image's
    // actual-size bitmap and the text's pixels are taken into the image as one recorded batch.
    // The current tool is not changed.
    void OnTextTool();

    // Geometry of the active canvas. Its top-left cell starts kCanvasOrigin pixels right of and
    // below the panel's corner; the black frame around it lies one pixel outside.
    static constexpr int kCanvasOrigin = 5;
    int Side() const { return kImageSides[std::size_t(m_nSize)]; }
    int CellSize() const;
    int CanvasWidth() const;

    // The view's state
    std::array<CPoint, kImageCount> m_selTopLeft;
    std::array<CPoint, kImageCount> m_selBottomRight;
    CRect m_moveStartRect;
    CRect m_moveRect;
    CPoint m_curCell;
    CPoint m_pressCell;
    CPoint m_lastCursor { -1, -1 };
    std::array<CBitmap, kImageCount> m_bmpZoom;
    std::array<CBitmap, kImageCount> m_bmpActual;
    std::array<CBitmap, kImageCount> m_bmpMask;
    CBitmap m_bmpSwap;
    bool m_bBitmapsReady = false;
    COLORREF m_penColor = RGB(0, 255, 0);
    COLORREF m_fillColor = RGB(255, 0, 0);
    std::array<COLORREF, kImageCount> m_bkColor;
    CRect m_rcPenSwatch;
    CRect m_rcFillSwatch;
    std::array<CRect, kImageCount> m_rcPreview;
    CRect m_rcSwap;
    int m_nSize = 1;
    std::array<ChangeList, kImageCount> m_undo;
    std::array<ChangeList, kImageCount> m_redo;

protected:
    // Copies the held canvas cells from the zoom bitmap and the held preview pixels from the
    // actual-size bitmaps onto the screen.
    void OnWriteHeldChanges() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The event's point lies in this view and no other window covers it there.
    bool IsUnderPointer(const QMouseEvent* event) const;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateBitmaps();
    void SelectSize(int s);
    // PaintPixel without its selection clip, into the given image (not only the active one):
    // rendering and background changes use it.
    void WritePixel(int image, int x, int y, COLORREF colour, bool show);
    // The screen side of a write: the preview pixel and (when show) the canvas cell of image
    // take the displayed colour. Inside a batch they are held back, once the bitmaps hold it;
    // true when the canvas cell is, whose zoomed block is then filled when it is copied.
    bool ShowWrittenCell(int image, int x, int y, COLORREF displayed, bool show);
    // Holds the canvas cell back if the zoom bitmap holds it whole; false when it must be
    // written now.
    bool HoldCanvasCell(int image, int x, int y);
    // The zoomed, actual-size and mask bitmaps of image s drawn from the document, row by row.
    void RenderBitmaps(int s);
    void OnPanelClick(CPoint point);

    // Screen writes held back while a batch is open: canvas cells of one image (the active one
    // when they were written) and preview pixels of each image.
    CellRuns m_heldCanvas;
    int m_heldCanvasImage = 0;
    std::array<CellRuns, kImageCount> m_heldPreviews;
};
