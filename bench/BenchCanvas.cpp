// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the canvas's interactions on the 48 x 48 image, measured on a real view and document
// as a user meets them: the view is shown (on the offscreen platform), each interaction enters
// the way the editor delivers it — a mouse event, a command, a document update — and every
// iteration ends with the paint it asked for, so the cost of the screen is counted too. Every
// write goes through PaintPixel into the document, the history, the bitmaps and the view's
// screen image. Where a benchmark reports items, they are cells written.
#include "canvas/IconView.h"
#include "document/IconDoc.h"
#include "resources/Resource.h"
#include "state/ToolState.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLarge = 2; // size index of the 48 x 48 image
constexpr int kSide = 48;

// About 200 colours, as a drawn icon has, with a sprinkling of transparent cells.
COLORREF SampleColour(int x, int y)
{
    if ((x + y) % 11 == 0)
        return ICON_TRANSPARENT;
    const int k = (x * 7 + y * 13) % 199;
    return RGB(k * 37 % 256, k * 91 % 256, k * 53 % 256);
}

// A shown view on its own document, painted once so its bitmaps exist, showing the 48 x 48
// image.
class Canvas {
public:
    explicit Canvas(bool uniform = false)
    {
        for (int x = 0; x < kSide; ++x)
            for (int y = 0; y < kSide; ++y)
                doc.m_pixels[kLarge][std::size_t(x)][std::size_t(y)]
                    = uniform ? ICON_TRANSPARENT : SampleColour(x, y);
        doc.m_bHasContent = true;
        view.SetDocument(&doc);
        view.resize(460, 400);
        view.m_nSize = kLarge;
        view.show();
        view.UpdateWindow(); // creates the bitmaps and renders the images
        view.UpdateWindow();
        QApplication::processEvents();
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

    void Command(int id) { view.OnCmdMsg(id, nullptr); }

    void Mouse(QEvent::Type type, CPoint cell)
    {
        const int c = view.CellSize();
        const QPointF local(CIconView::kCanvasOrigin + c * cell.x + c / 2,
            CIconView::kCanvasOrigin + c * cell.y + c / 2);
        const bool release = type == QEvent::MouseButtonRelease;
        QMouseEvent event(type, local, view.mapToGlobal(local),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
            release ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }

    // The paint the interaction asked for.
    static void Show() { QApplication::processEvents(); }

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

// The document asks the view to draw the active image again (a load, a revert, another
// window's change), and the view repaints.
void BM_RenderImage48(benchmark::State& state)
{
    Canvas canvas;
    for (auto _ : state) {
        canvas.doc.UpdateAllViews(nullptr, kRenderActiveImage);
        Canvas::Show();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

// The whole panel drawn again after an Invalidate.
void BM_FullRepaint(benchmark::State& state)
{
    Canvas canvas;
    for (auto _ : state) {
        canvas.view.Invalidate(true);
        canvas.view.UpdateWindow();
    }
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
        canvas.Command(ID_EDIT_UNDO);
        Canvas::Show();
        canvas.Command(ID_EDIT_REDO);
        Canvas::Show();
    }
    state.SetItemsProcessed(state.iterations() * 2 * kSide * kSide);
}

// Lighter and Darker in turn, so every iteration changes the painted cells.
void BM_ColourAdjustment(benchmark::State& state)
{
    Canvas canvas;
    bool lighter = true;
    for (auto _ : state) {
        canvas.Command(lighter ? ID_MAKE_LIGHTER : ID_MAKE_DARKER);
        Canvas::Show();
        lighter = !lighter;
    }
}

void BM_CurvedFrame(benchmark::State& state)
{
    Canvas canvas;
    for (auto _ : state) {
        canvas.Command(ID_CURVED_EDGE_FRAME);
        Canvas::Show();
    }
}

// A filled ellipse over the whole image, anti-aliased, drawn as the tool draws it: a press on
// one corner cell, a drag to the other and the release there.
void BM_AntiAliasedFilledEllipse48(benchmark::State& state)
{
    Canvas canvas;
    toolState.currentTool = ID_TOOL_FILLED_ELLIPSE;
    toolState.antiAlias = 1;
    const auto draw = [&canvas] {
        canvas.Mouse(QEvent::MouseButtonPress, { 0, 0 });
        canvas.Mouse(QEvent::MouseMove, { kSide - 1, kSide - 1 });
        canvas.Mouse(QEvent::MouseButtonRelease, { kSide - 1, kSide - 1 });
        Canvas::Show();
    };
    draw();
    if (canvas.doc.m_pixels[kLarge][kSide / 2][kSide / 2] != canvas.view.m_fillColor) {
        state.SkipWithError("the drag drew no ellipse");
        return;
    }
    for (auto _ : state)
        draw();
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

// A click with the fill tool on the whole unpainted image, the fill colour alternating so
// every fill covers all cells.
void BM_FloodFill48(benchmark::State& state)
{
    Canvas canvas(true);
    toolState.currentTool = ID_TOOL_FLOOD_FILL;
    bool odd = false;
    for (auto _ : state) {
        canvas.view.m_fillColor = odd ? RGB(200, 0, 0) : RGB(0, 0, 200);
        canvas.Mouse(QEvent::MouseButtonPress, { kSide / 2, kSide / 2 });
        Canvas::Show();
        odd = !odd;
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

} // namespace

BENCHMARK(BM_BrushApplication5x5);
BENCHMARK(BM_RenderImage48);
BENCHMARK(BM_FullRepaint);
BENCHMARK(BM_UndoRedoFullStep);
BENCHMARK(BM_ColourAdjustment);
BENCHMARK(BM_CurvedFrame);
BENCHMARK(BM_AntiAliasedFilledEllipse48);
BENCHMARK(BM_Line48)->Arg(0)->Arg(1);
BENCHMARK(BM_FloodFill48);
