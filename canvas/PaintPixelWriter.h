// SPDX-License-Identifier: GPL-3.0-or-later
// The view's side of the image operations: every cell an operation writes goes through
// PaintPixel, which clips it to the selection, notes it in the history and shows it.
#pragma once

#include "canvas/IconView.h"
#include "document/IconDoc.h"
#include "editing/PixelWriter.h"

class PaintPixelWriter final : public PixelWriter {
public:
    // show as PaintPixel takes it: false leaves the canvas to a repaint afterwards.
    explicit PaintPixelWriter(CIconView& view, bool show = true)
        : m_view(view)
        , m_show(show)
    {
    }
    void Write(int x, int y, COLORREF colour) override { m_view.PaintPixel(x, y, colour, m_show); }

private:
    CIconView& m_view;
    bool m_show;
};

// The active image's grid, as the operations read it while PaintPixel writes it; null while the
// view has no document.
inline const IconGrid* ActiveGrid(const CIconView& view)
{
    const CIconDoc* doc = view.GetDocument();
    return doc ? &doc->m_pixels[std::size_t(view.m_nSize)] : nullptr;
}
