// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/CellSize.h"

std::int32_t canvasDivisor = 2;
std::array<std::int32_t, 3> cellSize { 12, 6, 4 };

void SelectCanvas(std::int32_t divisor)
{
    constexpr std::array<std::int32_t, 3> kLargeCells { 24, 12, 8 };
    canvasDivisor = divisor;
    for (std::size_t i = 0; i < cellSize.size(); ++i)
        cellSize[i] = kLargeCells[i] / canvasDivisor;
}
