// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the image operations alone on the 48 x 48 image: what they cost before PaintPixel,
// with a writer that only stores each cell into the grid. Items are cells written.
#include "editing/ChannelShift.h"
#include "editing/Figures.h"
#include "editing/FloodFill.h"
#include "editing/Transforms.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kSide = 48;

class GridWriter final : public PixelWriter {
public:
    explicit GridWriter(IconGrid& grid)
        : m_grid(grid)
    {
    }
    void Write(int x, int y, COLORREF colour) override
    {
        ++written;
        if (x >= 0 && y >= 0 && x < kSide && y < kSide)
            m_grid[std::size_t(x)][std::size_t(y)] = colour;
    }
    std::int64_t written = 0;

private:
    IconGrid& m_grid;
};

IconGrid Pattern()
{
    IconGrid grid;
    for (int x = 0; x < kSide; ++x)
        for (int y = 0; y < kSide; ++y)
            grid[std::size_t(x)][std::size_t(y)] = RGB(x * 5, y * 5, (x ^ y) * 3);
    return grid;
}

// Runs op(grid, writer) per iteration on a fresh copy of start.
template <class Op> void Measure(benchmark::State& state, const IconGrid& start, Op op)
{
    IconGrid grid = start;
    GridWriter out(grid);
    for (auto _ : state) {
        op(grid, out);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(out.written);
}

void BM_OpFloodFillWhole48(benchmark::State& state)
{
    IconGrid uniform;
    FillGrid(uniform, ICON_TRANSPARENT);
    bool odd = false;
    Measure(state, uniform, [&odd](const IconGrid& grid, PixelWriter& out) {
        editing::FloodFill(grid, kSide, { 24, 24 }, odd ? RGB(200, 0, 0) : RGB(0, 0, 200), out);
        odd = !odd;
    });
}

void BM_OpAntiAliasedFilledEllipse48(benchmark::State& state)
{
    Measure(state, Pattern(), [](const IconGrid& grid, PixelWriter& out) {
        editing::DrawFigure(grid, kSide, { 0, 0, kSide, kSide },
            { editing::FigureShape::Ellipse, true, true }, { RGB(255, 0, 0), RGB(0, 0, 252) }, out);
    });
}

void BM_OpAntiAliasedLine48(benchmark::State& state)
{
    Measure(state, Pattern(), [](const IconGrid& grid, PixelWriter& out) {
        editing::DrawFreeLine(grid, kSide, { 0, 0 }, { kSide - 1, 29 }, true, RGB(9, 9, 9), out);
    });
}

void BM_OpCurvedFrame48(benchmark::State& state)
{
    Measure(state, Pattern(),
        [](const IconGrid& grid, PixelWriter& out) { editing::DrawCurvedFrame(grid, kSide, out); });
}

void BM_OpAdjustColours48(benchmark::State& state)
{
    bool odd = false;
    Measure(state, Pattern(), [&odd](const IconGrid& grid, PixelWriter& out) {
        const int d = odd ? 16 : -16;
        editing::AdjustColours(grid, kSide, { d, d, d }, out);
        odd = !odd;
    });
}

void BM_OpHalfTurn48(benchmark::State& state)
{
    Measure(state, Pattern(), [](const IconGrid& grid, PixelWriter& out) {
        editing::MirrorBox(grid, kSide, { 0, 0, kSide, kSide }, true, true, out);
    });
}

} // namespace

BENCHMARK(BM_OpFloodFillWhole48);
BENCHMARK(BM_OpAntiAliasedFilledEllipse48);
BENCHMARK(BM_OpAntiAliasedLine48);
BENCHMARK(BM_OpCurvedFrame48);
BENCHMARK(BM_OpAdjustColours48);
BENCHMARK(BM_OpHalfTurn48);
