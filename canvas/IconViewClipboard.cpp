// SPDX-License-Identifier: GPL-3.0-or-later
// Cut, Copy and Paste through the process-wide internal clipboard, and Paste of a picture from
// the system clipboard. The selection is both the source of a copy and the place of a paste;
// PaintPixel keeps every write inside it.
#include "canvas/IconView.h"

#include "document/ColorTable.h"
#include "document/IconDoc.h"
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
    const CIconDoc* doc = GetDocument();
    if (!doc)
        return;
    const auto& grid = doc->m_pixels[std::size_t(m_nSize)];
    const CRect sel = Selection();
    internalClipboard.width = sel.Width();
    internalClipboard.height = sel.Height();
    for (int i = 0; i < sel.Width(); ++i)
        for (int j = 0; j < sel.Height(); ++j)
            internalClipboard.cells[std::size_t(i)][std::size_t(j)]
                = grid[std::size_t(sel.left + i)][std::size_t(sel.top + j)];
    internalClipboard.valid = 1;
}

void CIconView::OnEditCut()
{
    OnEditCopy();
    // Recording is switched on, so the cleared cells join whatever step is current.
    const RecordingScope recording(ActiveHistory());
    const CRect sel = Selection();
    for (int x = sel.left; x < sel.right; ++x)
        for (int y = sel.top; y < sel.bottom; ++y)
            PaintPixel(x, y, ICON_TRANSPARENT, true);
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
        // Transparent cells of the block let the image show through; PaintPixel drops
        // whatever falls outside the selection or the image.
        for (int i = 0; i < width; ++i)
            for (int j = 0; j < height; ++j)
                if (const COLORREF c = internalClipboard.cells[std::size_t(i)][std::size_t(j)];
                    c != ICON_TRANSPARENT)
                    PaintPixel(sel.left + i, sel.top + j, c, true);
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
