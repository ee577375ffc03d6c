// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ColourReduction.h"

#include "document/ColorTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
// Black always has its own entry, so the median cut makes the other 255.
constexpr std::size_t kCutColours = CColorTable::kCapacity - 1;

using Rgb = std::array<int, 3>;

Rgb Channels(COLORREF c) { return { GetRValue(c), GetGValue(c), GetBValue(c) }; }

struct Weighted {
    COLORREF colour;
    long count;
};

// A box of the median cut: a run of the colour list.
struct Box {
    std::size_t begin;
    std::size_t end;
    double error; // weighted squared distance from the box's mean: how much splitting helps
};

std::array<double, 3> Mean(const std::vector<Weighted>& colours, std::size_t begin, std::size_t end)
{
    std::array<double, 3> sum {};
    double total = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const Rgb c = Channels(colours[i].colour);
        for (int k = 0; k < 3; ++k)
            sum[std::size_t(k)] += double(c[std::size_t(k)]) * colours[i].count;
        total += colours[i].count;
    }
    for (double& s : sum)
        s /= total;
    return sum;
}

Box MakeBox(const std::vector<Weighted>& colours, std::size_t begin, std::size_t end)
{
    const std::array<double, 3> mean = Mean(colours, begin, end);
    double error = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const Rgb c = Channels(colours[i].colour);
        for (int k = 0; k < 3; ++k) {
            const double d = c[std::size_t(k)] - mean[std::size_t(k)];
            error += d * d * colours[i].count;
        }
    }
    return { begin, end, error };
}

// Splits box at the weighted median of its widest channel; the colours are reordered in place.
std::pair<Box, Box> Split(std::vector<Weighted>& colours, const Box& box)
{
    Rgb low { 255, 255, 255 };
    Rgb high { 0, 0, 0 };
    for (std::size_t i = box.begin; i < box.end; ++i) {
        const Rgb c = Channels(colours[i].colour);
        for (std::size_t k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], c[k]);
            high[k] = std::max(high[k], c[k]);
        }
    }
    std::size_t axis = 0;
    for (std::size_t k = 1; k < 3; ++k)
        if (high[k] - low[k] > high[axis] - low[axis])
            axis = k;
    const auto first = colours.begin() + std::ptrdiff_t(box.begin);
    const auto last = colours.begin() + std::ptrdiff_t(box.end);
    // The colour value breaks ties, so the order never depends on the sort's implementation.
    std::sort(first, last, [axis](const Weighted& a, const Weighted& b) {
        const int ca = Channels(a.colour)[axis];
        const int cb = Channels(b.colour)[axis];
        return ca != cb ? ca < cb : a.colour < b.colour;
    });
    long total = 0;
    for (auto it = first; it != last; ++it)
        total += it->count;
    long running = 0;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        running += colours[i].count;
        cut = i + 1;
        if (2 * running >= total)
            break;
    }
    return { MakeBox(colours, box.begin, cut), MakeBox(colours, cut, box.end) };
}

std::vector<COLORREF> MedianCutPalette(const std::map<COLORREF, long>& histogram)
{
    std::vector<Weighted> colours;
    for (const auto& [colour, count] : histogram)
        colours.push_back({ colour, count });
    std::vector<Box> boxes { MakeBox(colours, 0, colours.size()) };
    while (boxes.size() < kCutColours) {
        // The box whose colours stray furthest from their mean is split next (first on ties).
        auto widest = boxes.end();
        for (auto it = boxes.begin(); it != boxes.end(); ++it)
            if (it->end - it->begin > 1 && (widest == boxes.end() || it->error > widest->error))
                widest = it;
        if (widest == boxes.end())
            break;
        const auto [a, b] = Split(colours, *widest);
        *widest = a;
        boxes.push_back(b);
    }
    std::vector<COLORREF> palette { kBlack };
    for (const Box& box : boxes) {
        const std::array<double, 3> m = Mean(colours, box.begin, box.end);
        COLORREF c = RGB(int(std::lround(m[0])), int(std::lround(m[1])), int(std::lround(m[2])));
        // That value means "transparent" in the document; the nearest other colour stands in.
        if (c == ICON_TRANSPARENT)
            c = RGB(1, 2, 4);
        if (std::find(palette.begin(), palette.end(), c) == palette.end())
            palette.push_back(c);
    }
    return palette;
}

double Distance(const std::array<double, 3>& a, COLORREF b)
{
    const Rgb c = Channels(b);
    double sum = 0;
    for (std::size_t k = 0; k < 3; ++k)
        sum += (a[k] - c[k]) * (a[k] - c[k]);
    return sum;
}

COLORREF Nearest(const std::vector<COLORREF>& palette, const std::array<double, 3>& colour)
{
    COLORREF best = palette.front();
    double bestDistance = Distance(colour, best);
    for (COLORREF c : palette) {
        const double d = Distance(colour, c);
        if (d < bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return best;
}

std::array<double, 3> AsDoubles(COLORREF c)
{
    const Rgb rgb = Channels(c);
    return { double(rgb[0]), double(rgb[1]), double(rgb[2]) };
}

// Maps every painted cell to the palette, diffusing the rounding error of each cell to its
// painted neighbours right, below-left, below and below-right (7, 3, 5, 1 sixteenths).
void MapToPalette(IconGrid& grid, int side, const std::vector<COLORREF>& palette, bool dither)
{
    std::vector<std::array<double, 3>> error(std::size_t(side * side), { 0, 0, 0 });
    const auto spread = [&](int x, int y, const std::array<double, 3>& e, double share) {
        if (x < 0 || x >= side || y >= side || grid[x][y] == ICON_TRANSPARENT)
            return;
        for (std::size_t k = 0; k < 3; ++k)
            error[std::size_t(y * side + x)][k] += e[k] * share;
    };
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (grid[x][y] == ICON_TRANSPARENT)
                continue;
            std::array<double, 3> wanted = AsDoubles(grid[x][y]);
            for (std::size_t k = 0; k < 3; ++k)
                wanted[k] = std::clamp(wanted[k] + error[std::size_t(y * side + x)][k], 0.0, 255.0);
            const COLORREF chosen = Nearest(palette, wanted);
            grid[x][y] = chosen;
            if (!dither)
                continue;
            const std::array<double, 3> got = AsDoubles(chosen);
            const std::array<double, 3> e
                = { wanted[0] - got[0], wanted[1] - got[1], wanted[2] - got[2] };
            spread(x + 1, y, e, 7.0 / 16);
            spread(x - 1, y + 1, e, 3.0 / 16);
            spread(x, y + 1, e, 5.0 / 16);
            spread(x + 1, y + 1, e, 1.0 / 16);
        }
    }
}

int CountColours(const IconGrid& grid, int side) { return CheckColourFit(grid, side).colours; }

} // namespace

ColourFit CheckColourFit(const IconGrid& grid, int side)
{
    // The same table the writer builds, in the same order, so "fits" means exactly what the
    // writer will do.
    CColorTable table;
    table.Reset();
    table.Add(kBlack);
    std::set<COLORREF> distinct { kBlack };
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            const COLORREF c = grid[x][y];
            if (c == ICON_TRANSPARENT)
                continue;
            table.Add(c);
            distinct.insert(c);
        }
    }
    ColourFit fit;
    fit.colours = int(distinct.size());
    if (distinct.size() <= CColorTable::kCapacity)
        return fit;
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            const COLORREF c = grid[x][y];
            if (c != ICON_TRANSPARENT && c != kBlack && table.IndexOf(c) == 0)
                ++fit.lostPixels;
        }
    }
    return fit;
}

ColourReduction ReduceColours(IconGrid& grid, int side, bool dither)
{
    ColourReduction result;
    result.coloursBefore = CountColours(grid, side);
    result.coloursAfter = result.coloursBefore;
    if (result.coloursBefore <= int(CColorTable::kCapacity))
        return result;

    std::map<COLORREF, long> histogram;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (grid[x][y] != ICON_TRANSPARENT)
                ++histogram[grid[x][y]];
    const IconGrid original = grid;
    MapToPalette(grid, side, MedianCutPalette(histogram), dither);

    double errorSum = 0;
    long painted = 0;
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            if (original[x][y] == ICON_TRANSPARENT)
                continue;
            errorSum += std::sqrt(Distance(AsDoubles(original[x][y]), grid[x][y]));
            ++painted;
        }
    }
    result.meanError = painted ? errorSum / double(painted) : 0.0;
    result.coloursAfter = CountColours(grid, side);
    return result;
}
