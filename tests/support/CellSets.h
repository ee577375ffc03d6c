// SPDX-License-Identifier: GPL-3.0-or-later
// Sets of cells, the vocabulary the canvas and image operation tests compare results in.
#pragma once

#include "framework/Types.h"

#include <set>
#include <utility>

namespace cell_sets {

using CellSet = std::set<std::pair<int, int>>;

// Every cell of box.
inline CellSet Box(const CRect& box)
{
    CellSet cells;
    for (int x = box.left; x < box.right; ++x)
        for (int y = box.top; y < box.bottom; ++y)
            cells.insert({ x, y });
    return cells;
}

// The cells of box on its first or last column or row.
inline CellSet Ring(const CRect& box)
{
    CellSet cells;
    for (const auto& [x, y] : Box(box))
        if (x == box.left || x == box.right - 1 || y == box.top || y == box.bottom - 1)
            cells.insert({ x, y });
    return cells;
}

} // namespace cell_sets
