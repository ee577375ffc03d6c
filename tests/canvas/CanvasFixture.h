// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh editor with its first icon window, whose view the canvas tests drive with real mouse
// events, plus the cell-set vocabulary they compare results in.
#pragma once

#include "canvas/IconView.h"
#include "document/IconDoc.h"
#include "resources/Resource.h"
#include "state/ToolState.h"
#include "support/AppHarness.h"
#include "support/CellSets.h"
#include "support/ViewDriver.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace canvas_test {

constexpr COLORREF kPen = RGB(0, 255, 0); // the view's initial pen colour
constexpr COLORREF kFill = RGB(255, 0, 0); // and fill colour
constexpr COLORREF kTeal = RGB(0, 128, 128); // the background transparent cells show
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

using cell_sets::Box;
using cell_sets::CellSet;
using cell_sets::Ring;

class CanvasTest : public testing::Test {
protected:
    void SetUp() override
    {
        AppHarness::ClearSettings();
        h = std::make_unique<AppHarness>();
        view = h->ActiveView();
        ASSERT_NE(view, nullptr);
        doc = h->ActiveDocument();
        drive = std::make_unique<ViewDriver>(view);
        // The floating palettes start over the canvas's left columns, where the view takes no
        // mouse input; the drawing tests want the whole canvas.
        h->Command(ID_VIEW_TOOL_PALETTE);
        h->Command(ID_VIEW_BRUSH_PALETTE);
        drive->Paint();
    }

    int N() const { return view->Side(); }
    const IconGrid& Grid() const { return doc->m_pixels[std::size_t(view->m_nSize)]; }

    // Cells of the active image holding colour.
    CellSet CellsOf(COLORREF colour) const
    {
        CellSet cells;
        for (int x = 0; x < N(); ++x)
            for (int y = 0; y < N(); ++y)
                if (drive->Cell(x, y) == colour)
                    cells.insert({ x, y });
        return cells;
    }
    // Cells of the active image that are painted.
    CellSet Painted() const
    {
        CellSet cells;
        for (int x = 0; x < N(); ++x)
            for (int y = 0; y < N(); ++y)
                if (drive->Cell(x, y) != ICON_TRANSPARENT)
                    cells.insert({ x, y });
        return cells;
    }

    // Writes cells straight into the active grid, as a loaded file would, and lets the view
    // render them.
    void Seed(const CellSet& cells, COLORREF colour)
    {
        auto& grid = doc->m_pixels[std::size_t(view->m_nSize)];
        for (const auto& [x, y] : cells)
            grid[std::size_t(x)][std::size_t(y)] = colour;
        doc->m_bHasContent = true;
        doc->UpdateAllViews(nullptr, kRenderActiveImage);
        drive->Paint();
    }

    void SetAntiAlias(bool on)
    {
        if ((toolState.antiAlias != 0) != on)
            h->Command(ID_ANTI_ALIAS);
        ASSERT_EQ(toolState.antiAlias != 0, on);
    }

    // Makes sel the active image's selection with the Rectangle Selector, the way a user
    // does; the tool chosen before it is current again afterwards.
    void SelectWithSelector(const CRect& sel)
    {
        h->Command(ID_TOOL_SELECTOR);
        drive->Drag({ { sel.left, sel.top }, { sel.right - 1, sel.bottom - 1 } });
        drive->Paint();
        ASSERT_EQ(view->Selection(), sel);
    }

    std::unique_ptr<AppHarness> h;
    CIconView* view = nullptr;
    CIconDoc* doc = nullptr;
    std::unique_ptr<ViewDriver> drive;
};

} // namespace canvas_test
