// SPDX-License-Identifier: GPL-3.0-or-later
// Rotation, flipping and clearing of the active image. The 180-degree rotation and the flips
// rearrange the selection box cell by cell through PaintPixel; the quarter turns rewrite the
// whole grid directly and let the document update repaint it; Clear erases the selection box.
// Every rearrangement reads from a copy, so no cell is read after it has been overwritten.
#include "canvas/IconView.h"

#include "document/IconDoc.h"

namespace {

// Mirrors the selection box left to right, top to bottom, or both (a half turn). Every cell of
// the box is written, also where its value stays, and joins the current step only while
// recording is on.
void MirrorSelection(CIconView& view, bool leftRight, bool topBottom)
{
    const CRect box = view.Selection();
    const std::size_t s = std::size_t(view.m_nSize);
    const IconGrid& grid = view.GetDocument()->m_pixels[s];
    IconGrid old;
    for (int x = box.left; x < box.right; ++x)
        for (int y = box.top; y < box.bottom; ++y)
            old[std::size_t(x)][std::size_t(y)] = grid[std::size_t(x)][std::size_t(y)];
    for (int x = box.left; x < box.right; ++x) {
        const int fromX = leftRight ? box.left + box.right - 1 - x : x;
        for (int y = box.top; y < box.bottom; ++y) {
            const int fromY = topBottom ? box.top + box.bottom - 1 - y : y;
            view.PaintPixel(x, y, old[std::size_t(fromX)][std::size_t(fromY)]);
        }
    }
}

// Turns the whole active image a quarter, whatever is selected. The grid is written directly,
// so nothing is noted in the history; the update repaints the views and switches recording off.
void RotateQuarter(CIconView& view, bool clockwise)
{
    CIconDoc* doc = view.GetDocument();
    if (!doc)
        return;
    const int n = view.Side();
    IconGrid& grid = doc->m_pixels[std::size_t(view.m_nSize)];
    IconGrid turned;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int fromX = clockwise ? y : n - 1 - y;
            const int fromY = clockwise ? n - 1 - x : x;
            turned[std::size_t(x)][std::size_t(y)] = grid[std::size_t(fromX)][std::size_t(fromY)];
        }
    }
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            grid[std::size_t(x)][std::size_t(y)] = turned[std::size_t(x)][std::size_t(y)];
    doc->UpdateAllViews(nullptr, kRenderActiveImage);
    // The update clears the modified flag; the turn is an unsaved change all the same.
    doc->SetModifiedFlag(true);
}

} // namespace

void CIconView::OnImageRotate180() { MirrorSelection(*this, true, true); }

void CIconView::OnImageFlipVertical() { MirrorSelection(*this, false, true); }

void CIconView::OnImageFlipHorizontal() { MirrorSelection(*this, true, false); }

void CIconView::OnImageRotateCcw() { RotateQuarter(*this, false); }

void CIconView::OnImageRotateCw() { RotateQuarter(*this, true); }

void CIconView::OnEditClearImage()
{
    // Recording is left on, so what follows before the next press on the canvas joins this
    // step and one Undo takes back both.
    m_undo[std::size_t(m_nSize)].recording = 1;
    const int n = Side();
    // PaintPixel keeps the cells outside the selection; the canvas is repainted once below.
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            PaintPixel(x, y, ICON_TRANSPARENT, false);
    Invalidate(false);
}
