// SPDX-License-Identifier: GPL-3.0-or-later
// The view's text command: the Add Text dialog writes on the active image's actual-size bitmap,
// and the pixels its glyphs covered are taken into the document through PaintPixel, so the
// text is shown, marks the document modified and joins the current undo step.
#include "canvas/IconView.h"

#include "dialogs/AddTextDlg.h"
#include "document/IconDoc.h"

namespace {

// Takes the applied text from the bitmap into the active image. Only the glyph pixels are
// looked at: the bitmap shows transparent pixels in the background colour, and writing that
// back would make every untouched transparent pixel opaque.
void TakeText(CIconView& view, const CAddTextDlg& dlg)
{
    CIconDoc* doc = view.GetDocument();
    const std::size_t s = std::size_t(view.m_nSize);
    CBitmap& actual = view.m_bmpActual[s];
    const CRect selection = view.Selection();
    const int n = view.Side();
    const RecordingScope recording(view.m_undo[s]);
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            if (!dlg.IsGlyphPixel(x, y))
                continue;
            const COLORREF written = actual.GetPixel(x, y);
            const COLORREF stored = doc->m_pixels[s][std::size_t(x)][std::size_t(y)];
            if (written != stored && selection.PtInRect({ x, y })) {
                view.PaintPixel(x, y, written);
                continue;
            }
            // PaintPixel keeps the text away from pixels outside the selection; the bitmap
            // must go back to showing the image there, or the preview would show text the
            // image does not have.
            actual.SetPixel(x, y, stored == ICON_TRANSPARENT ? view.m_bkColor[s] : stored);
        }
    }
}

} // namespace

void CIconView::OnTextTool()
{
    // Before the first paint there is no bitmap to write on; nothing can be seen to edit yet.
    if (!m_bBitmapsReady || !GetDocument())
        return;
    // The dialog writes on the bitmap that held preview pixels are copied from.
    WriteHeldChanges();
    CAddTextDlg dlg(&m_bmpActual[std::size_t(m_nSize)], Side());
    if (dlg.DoModal() == IDOK)
        TakeText(*this, dlg);
}
