// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the canvas's own work on the 48 x 48 image, measured on a real view and document as
// a release or command runs it: every write goes through PaintPixel into the document, the
// history, the bitmaps and the view's screen image. Where a benchmark reports items, they are
// cells written.
#include "canvas/IconView.h"
#include "document/IconDoc.h"
#include "resources/Resource.h"
#include "state/ToolState.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kLarge = 2; // size index of the 48 x 48 image
constexpr int kSide = 48;

// A view on its own document, painted once so its bitmaps exist, showing the 48 x 48 image.
class Canvas {
public:
    Canvas()
    {
        for (int x = 0; x < kSide; ++x)
            for (int y = 0; y < kSide; ++y)
                doc.m_pixels[kLarge][std::size_t(x)][std::size_t(y)]
                    = (x + y) % 7 == 0 ? ICON_TRANSPARENT : RGB(x * 5, y * 5, (x ^ y) * 3);
        doc.m_bHasContent = true;
        view.SetDocument(&doc);
        view.resize(460, 400);
        view.UpdateWindow(); // creates the bitmaps and renders the images
        view.UpdateWindow();
        view.m_nSize = kLarge;
        toolState.penSize = ID_PEN_5X5;
        toolState.antiAlias = 0;
    }
    ~Canvas() { view.SetDocument(nullptr); }

    // Opens a history step and switches recording on, as a press and a recorded action do.
    void BeginRecordedStep()
    {
        view.BeginStep();
        view.m_undo[kLarge].recording = 1;
    }

    CIconDoc doc;
    CIconView view;
};

void BM_BrushApplication5x5(benchmark::State& state)
{
    Canvas canvas;
    canvas.BeginRecordedStep();
    int i = 0;
    for (auto _ : state) {
        // Across the image, as a stroke goes, so the footprint is sometimes cut at an edge.
        canvas.view.PaintFootprint(i % kSide, (i / kSide) % kSide, RGB(i & 0xFF, 9, 99));
        ++i;
    }
    state.SetItemsProcessed(state.iterations() * 25);
}

void BM_RenderImage48(benchmark::State& state)
{
    Canvas canvas;
    for (auto _ : state)
        canvas.view.RenderImage(kLarge);
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

// One Undo and one Redo of a step that changed every cell of the image.
void BM_UndoRedoFullStep(benchmark::State& state)
{
    Canvas canvas;
    canvas.BeginRecordedStep();
    for (int x = 0; x < kSide; ++x)
        for (int y = 0; y < kSide; ++y)
            canvas.view.PaintPixel(x, y, RGB(1, x, y));
    canvas.view.m_undo[kLarge].recording = 0;
    if (canvas.view.m_undo[kLarge].Entries().size() != std::size_t(kSide * kSide)) {
        state.SkipWithError("the step does not hold every cell");
        return;
    }
    for (auto _ : state) {
        canvas.view.OnEditUndo();
        canvas.view.OnEditRedo();
    }
    state.SetItemsProcessed(state.iterations() * 2 * kSide * kSide);
}

void BM_AntiAliasedFilledEllipse48(benchmark::State& state)
{
    Canvas canvas;
    toolState.antiAlias = 1;
    for (auto _ : state) {
        canvas.BeginRecordedStep();
        canvas.view.DrawFilledEllipse(0, 0, kSide, kSide);
    }
}

// A line across the whole image; the argument is the anti-aliasing switch.
void BM_Line48(benchmark::State& state)
{
    Canvas canvas;
    toolState.antiAlias = int(state.range(0));
    for (auto _ : state) {
        canvas.BeginRecordedStep();
        canvas.view.DrawLine(CPoint(0, 0), CPoint(kSide - 1, 29));
    }
}

// Fills the whole unpainted image, alternating two colours so every fill covers all cells.
void BM_FloodFill48(benchmark::State& state)
{
    Canvas canvas;
    for (auto& column : canvas.doc.m_pixels[kLarge])
        column.fill(ICON_TRANSPARENT);
    canvas.view.RenderImage(kLarge);
    canvas.view.FloodFillAt(0, 0, RGB(200, 0, 0));
    bool odd = false;
    for (auto _ : state) {
        canvas.BeginRecordedStep();
        canvas.view.FloodFillAt(kSide / 2, kSide / 2, odd ? RGB(200, 0, 0) : RGB(0, 0, 200));
        odd = !odd;
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

} // namespace

BENCHMARK(BM_BrushApplication5x5);
BENCHMARK(BM_RenderImage48);
BENCHMARK(BM_UndoRedoFullStep);
BENCHMARK(BM_AntiAliasedFilledEllipse48);
BENCHMARK(BM_Line48)->Arg(0)->Arg(1);
BENCHMARK(BM_FloodFill48);
