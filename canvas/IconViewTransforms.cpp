// SPDX-License-Identifier: GPL-3.0-or-later
// Rotation, flipping and clearing of the active image. The 180-degree rotation and the flips
// rearrange the selection box cell by cell through PaintPixel; the quarter turns rewrite the
// whole grid directly and let the document update repaint it; Clear erases the selection box.
#include "canvas/IconView.h"

#include "canvas/PaintPixelWriter.h"
#include "editing/Transforms.h"

namespace {

// Every cell of the selection box is written, also where its value stays, and joins the
// current step only while recording is on.
void MirrorSelection(CIconView& view, bool leftRight, bool topBottom)
{
    if (const IconGrid* grid = ActiveGrid(view)) {
        PaintPixelWriter out(view);
        editing::MirrorBox(*grid, view.Side(), view.Selection(), leftRight, topBottom, out);
    }
}

// Turns the whole active image a quarter, whatever is selected. The grid is written directly,
// so nothing is noted in the history; the update repaints the views and switches recording off.
void RotateQuarter(CIconView& view, bool clockwise)
{
    CIconDoc* doc = view.GetDocument();
    if (!doc)
        return;
    editing::TurnQuarter(doc->m_pixels[std::size_t(view.m_nSize)], view.Side(), clockwise);
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
    // Only the selection is cleared; the canvas is repainted once below.
    PaintPixelWriter out(*this, false);
    editing::ClearBox(Side(), Selection(), out);
    Invalidate(false);
}
