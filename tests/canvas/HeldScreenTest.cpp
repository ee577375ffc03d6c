// SPDX-License-Identifier: GPL-3.0-or-later
// Inside a screen batch the view holds its canvas and preview writes back and copies them from
// its bitmaps when the batch ends: the screen and the bitmaps must then be exactly what writing
// each cell at once gives, whatever else drew on the screen in between.
#include "canvas/IconView.h"
#include "document/IconDoc.h"
#include "framework/ClientDC.h"
#include "resources/Resource.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

COLORREF RandomValue(std::mt19937& rng)
{
    return rng() % 5 == 0 ? ICON_TRANSPARENT : RGB(rng() % 256, rng() % 256, rng() % 256);
}

// The first pixel where two screens differ is reported.
testing::AssertionResult SameScreen(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return testing::AssertionFailure() << "pixel " << x << "," << y << ": " << std::hex
                                                   << a.pixel(x, y) << " vs " << b.pixel(x, y);
    return testing::AssertionSuccess();
}

// A view on its own document, painted once so its bitmaps exist.
struct Canvas {
    explicit Canvas(unsigned seed)
    {
        std::mt19937 rng(seed);
        for (auto& grid : doc.m_pixels)
            for (auto& column : grid)
                for (COLORREF& cell : column)
                    cell = RandomValue(rng);
        doc.m_bHasContent = true;
        view.SetDocument(&doc);
        view.resize(view.CanvasWidth() + 71, view.m_rcPreview.back().bottom + 1);
        view.UpdateWindow();
        view.UpdateWindow();
    }
    ~Canvas() { view.SetDocument(nullptr); }

    CIconDoc doc;
    CIconView view;
};

// One random step of what may happen inside an operation, done the same on both views, on
// cells within span of the corner (so that some are written again and again).
void RandomStep(std::mt19937& rng, int span, CIconView& a, CIconView& b)
{
    const int n = std::min(span, a.Side());
    const int x = int(rng() % unsigned(n + 2)) - 1; // now and then just off the image
    const int y = int(rng() % unsigned(n + 2)) - 1;
    const COLORREF colour = RandomValue(rng);
    const unsigned what = rng() % 100;
    const int image = int(rng() % 3);
    for (CIconView* view : { &a, &b }) {
        if (what < 70) {
            view->PaintPixel(x, y, colour, true);
        } else if (what < 80) {
            view->PaintPixel(x, y, colour, false);
        } else if (what < 85) {
            // An inverting band over the canvas, as the shape tools draw between writes.
            CClientDC dc(view);
            dc.SetROP2(R2_NOTXORPEN);
            dc.SelectObject(CPen(PS_DOT, 1, RGB(0, 0, 0)));
            dc.Rectangle(5 + 3 * x, 5 + 2 * y, 5 + 4 * x + 9, 5 + 5 * y + 7);
        } else if (what < 88) {
            view->OnCmdMsg(ID_VIEW_16 + image, nullptr);
        } else {
            // A direct change of the grid, as a rotation makes, and the render it asks for.
            if (x >= 0 && y >= 0 && x < n && y < n)
                view->GetDocument()
                    ->m_pixels[std::size_t(view->m_nSize)][std::size_t(x)][std::size_t(y)]
                    = colour;
            view->RenderImage(image);
        }
    }
}

TEST(HeldScreen, ABatchLeavesTheScreenAsWritingEveryCellAtOnceDoes)
{
    std::mt19937 rng(2304);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        Canvas held { unsigned(round) };
        Canvas direct { unsigned(round) };
        ASSERT_TRUE(SameScreen(held.view.ScreenImage(), direct.view.ScreenImage()));
        held.view.m_nSize = direct.view.m_nSize = round % 3;
        {
            const CView::ScreenBatch batch(&held.view);
            const int steps = 1 + int(rng() % 400);
            for (int i = 0; i < steps; ++i) {
                RandomStep(rng, round % 2 == 0 ? 6 : kMaxSide, held.view, direct.view);
                // Looking makes the held writes too; later writes would often hide a wrong one.
                if (rng() % 16 == 0)
                    ASSERT_TRUE(SameScreen(held.view.ScreenImage(), direct.view.ScreenImage()))
                        << "step " << i;
            }
        }
        ASSERT_TRUE(SameScreen(held.view.ScreenImage(), direct.view.ScreenImage()));
        // The zoomed blocks of held cells are filled as they are copied.
        for (std::size_t i = 0; i < kImageCount; ++i)
            ASSERT_TRUE(
                SameScreen(held.view.m_bmpZoom[i].Image(), direct.view.m_bmpZoom[i].Image()))
                << "zoom " << i;
    }
}

TEST(HeldScreen, UndoAndRedoOfAWholeImageLeaveWhatAFullRepaintDraws)
{
    Canvas canvas(48);
    CIconView& view = canvas.view;
    view.m_nSize = 2;
    const COLORREF before = canvas.doc.m_pixels[2][47][47];
    view.Invalidate(true);
    view.UpdateWindow();
    view.BeginStep();
    for (int x = 0; x < 48; ++x)
        for (int y = 0; y < 48; ++y)
            view.PaintPixel(x, y, RGB(x, y, 1));
    view.m_undo[2].recording = 0;
    const auto expectRepaintChangesNothing = [&view] {
        const QImage shown = view.ScreenImage().copy();
        view.Invalidate(true);
        view.UpdateWindow();
        ASSERT_TRUE(SameScreen(view.ScreenImage(), shown));
    };
    // Commands, so each runs in its batch as the menu runs it.
    view.OnCmdMsg(ID_EDIT_UNDO, nullptr);
    EXPECT_EQ(canvas.doc.m_pixels[2][47][47], before);
    expectRepaintChangesNothing();
    view.OnCmdMsg(ID_EDIT_REDO, nullptr);
    EXPECT_EQ(canvas.doc.m_pixels[2][47][47], RGB(47, 47, 1));
    expectRepaintChangesNothing();
}

} // namespace
