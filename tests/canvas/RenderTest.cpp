// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering the images from the document into the view's bitmaps and screen, for every canvas
// scale, including those where an image's cells do not fill the whole zoomed bitmap.
#include "canvas/IconView.h"
#include "document/IconDoc.h"
#include "framework/QtColor.h"
#include "state/CellSize.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr COLORREF kTeal = RGB(0, 128, 128); // the background transparent cells show
constexpr COLORREF kMarker = RGB(255, 0, 0); // the mask's transparent marker
constexpr COLORREF kWhite = RGB(255, 255, 255);

class CanvasScale {
public:
    explicit CanvasScale(int divisor)
        : m_previous(canvasDivisor)
    {
        SelectCanvas(divisor);
    }
    ~CanvasScale() { SelectCanvas(m_previous); }

private:
    int m_previous;
};

void Scatter(CIconDoc& doc, std::mt19937& rng)
{
    for (auto& grid : doc.m_pixels)
        for (auto& column : grid)
            for (COLORREF& cell : column)
                cell = rng() % 4 == 0 ? ICON_TRANSPARENT : RGB(rng() % 256, rng() % 256, 7);
    doc.m_bHasContent = true;
}

// Every surface of image s shows the document's cells, and what lies past them is untouched.
void ExpectRendered(CIconView& view, const CIconDoc& doc, int s)
{
    const std::size_t i = std::size_t(s);
    const int n = kImageSides[i];
    const int c = cellSize[i];
    const auto shown = [&](int x, int y) {
        const COLORREF v = doc.m_pixels[i][std::size_t(x)][std::size_t(y)];
        return v == ICON_TRANSPARENT ? kTeal : v;
    };
    const CBitmap& zoom = view.m_bmpZoom[i];
    for (int py = 0; py < zoom.Height(); ++py)
        for (int px = 0; px < zoom.Width(); ++px) {
            const bool cell = px < c * n && py < c * n;
            ASSERT_EQ(zoom.GetPixel(px, py), cell ? shown(px / c, py / c) : kTeal)
                << "image " << s << " zoom " << px << "," << py;
        }
    for (int y = 0; y < view.m_bmpMask[i].Height(); ++y)
        for (int x = 0; x < view.m_bmpMask[i].Width(); ++x) {
            const bool transparent = x >= n || y >= n
                || doc.m_pixels[i][std::size_t(x)][std::size_t(y)] == ICON_TRANSPARENT;
            ASSERT_EQ(view.m_bmpMask[i].GetPixel(x, y), transparent ? kMarker : kWhite)
                << "image " << s << " mask " << x << "," << y;
        }
    const QImage& screen = view.ScreenImage();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            ASSERT_EQ(view.m_bmpActual[i].GetPixel(x, y), shown(x, y));
            const CPoint p(view.m_rcPreview[i].left + 1 + x, view.m_rcPreview[i].top + 1 + y);
            ASSERT_EQ(ToColorRef(screen.pixel(p.x, p.y)), shown(x, y))
                << "image " << s << " preview " << x << "," << y;
        }
}

TEST(Render, EveryImageAtEveryCanvasScaleShowsExactlyItsCells)
{
    std::mt19937 rng(48);
    for (const int divisor : { 2, 3, 5 }) {
        SCOPED_TRACE(divisor);
        const CanvasScale scale(divisor);
        CIconDoc doc;
        Scatter(doc, rng);
        CIconView view;
        view.SetDocument(&doc);
        view.resize(view.CanvasWidth() + 71,
            std::max(view.CanvasWidth() + 11, view.m_rcPreview.back().bottom + 1));
        view.UpdateWindow(); // creates the bitmaps and renders every image
        // Rendered again over what is there.
        Scatter(doc, rng);
        doc.UpdateAllViews(nullptr, kRenderAllImages);
        view.UpdateWindow();
        for (int s = 0; s < kImageCount; ++s)
            ExpectRendered(view, doc, s);
        const int w = view.CanvasWidth();
        const QImage& screen = view.ScreenImage();
        const CBitmap& zoom = view.m_bmpZoom[std::size_t(view.m_nSize)];
        for (int y = 0; y < w; y += 3)
            for (int x = 0; x < w; x += 3)
                ASSERT_EQ(ToColorRef(screen.pixel(
                              CIconView::kCanvasOrigin + x, CIconView::kCanvasOrigin + y)),
                    zoom.GetPixel(x, y));
        // A render is no edit.
        EXPECT_FALSE(doc.IsModified());
        for (const ChangeList& history : view.m_undo)
            EXPECT_TRUE(history.IsEmpty());
        view.SetDocument(nullptr);
    }
}

} // namespace
