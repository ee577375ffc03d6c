// SPDX-License-Identifier: GPL-3.0-or-later
// Cut, Copy and Paste through the process-wide internal clipboard, and Paste of a picture from
// the system clipboard. The selection is both the source of a copy and the place of a paste;
// PaintPixel keeps every write inside it.
#include "canvas/IconView.h"

#include "canvas/PaintPixelWriter.h"
#include "document/ColorTable.h"
#include "document/IconDoc.h"
#include "editing/Transforms.h"
#include "framework/DC.h"
#include "framework/Platform.h"
#include "resources/Resource.h"
#include "state/InternalClipboard.h"
#include "state/ToolState.h"

#include <algorithm>

namespace {

// An n x n raster holding the picture's top-left n x n pixels one to one: a larger picture is
// cropped, never scaled, and where a smaller one ends the raster stays white.
CBitmap CroppedRaster(const QImage& picture, int n)
{
    CBitmap raster;
    CBitmap source;
    // Only the part that can land on the image is converted, however large the picture.
    if (!raster.CreateCompatibleBitmap(n, n)
        || !source.Attach(
            picture.copy(0, 0, std::min(n, picture.width()), std::min(n, picture.height()))))
        return {};
    CDC dc(&raster);
    CDC sourceDC(&source);
    dc.StretchBlt(0, 0, n, n, nullptr, 0, 0, n, n, WHITENESS);
    dc.StretchBlt(0, 0, n, n, &sourceDC, 0, 0, n, n, SRCCOPY);
    return raster;
}

} // namespace

void CIconView::OnEditCopy()
{
    const IconGrid* grid = ActiveGrid(*this);
    if (!grid)
        return;
    const CSize copied = editing::CopyBlock(*grid, Side(), Selection(), internalClipboard.cells);
    internalClipboard.width = copied.cx;
    internalClipboard.height = copied.cy;
    internalClipboard.valid = 1;
}

void CIconView::OnEditCut()
{
    OnEditCopy();
    // Recording is switched on, so the cleared cells join whatever step is current.
    const RecordingScope recording(ActiveHistory());
    PaintPixelWriter out(*this);
    editing::ClearBox(Side(), Selection(), out);
}

void CIconView::OnEditPasteInternal()
{
    // With nothing copied the shrink below would leave an empty selection.
    if (!internalClipboard.valid)
        return;
    const int width = internalClipboard.width;
    const int height = internalClipboard.height;
    CRect sel = Selection();
    {
        const RecordingScope recording(ActiveHistory());
        // PaintPixel drops whatever falls outside the selection or the image.
        PaintPixelWriter out(*this);
        editing::PasteBlock(internalClipboard.cells, { width, height }, sel.TopLeft(), out);
    }

    // The selection becomes the pasted block, ready to be moved with the Move Selection tool;
    // moving it shifts only the rectangle, the pasted cells are already written.
    sel.right = std::min(std::min(sel.right, sel.left + width), Side());
    sel.bottom = std::min(std::min(sel.bottom, sel.top + height), Side());
    SetSelection(sel);
    toolState.currentTool = ID_MOVE_SELECTION;
    Invalidate(false);
}

void CIconView::OnUpdateEditPasteInternal(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(internalClipboard.valid != 0);
}

void CIconView::OnEditPaste()
{
    CColorTable colours;
    colours.Reset();
    bool tooManyColours = false;
    const QImage picture = platform().ClipboardImage();
    if (picture.isNull())
        return;
    {
        CWaitCursor wait;
        const int n = Side();
        const CBitmap raster = CroppedRaster(picture, n);
        if (raster.IsNull())
            return;
        // Pixel (x, y) of the picture goes to cell (x, y) whatever the selection, and every
        // raster cell counts towards the colour limit, even one the selection keeps out.
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y) {
                const COLORREF c = raster.GetPixel(x, y);
                PaintPixel(x, y, c, true);
                // Red 1, green 2, blue 3 is the unpainted value, not a colour of the image.
                if (c != ICON_TRANSPARENT && !colours.Add(c))
                    tooManyColours = true;
            }
    }
    // The wait cursor is gone before the box appears, so the box does not look busy.
    if (tooManyColours)
        platform().MessageBox(
            QStringLiteral("Only 256 color images are supported\nThis image has too many colors"),
            QStringLiteral("Paste Error"), MB_OK | MB_ICONERROR);
}

void CIconView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(platform().ClipboardHasImage());
}
