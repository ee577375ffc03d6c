// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas size every view draws at: how many screen pixels one icon pixel takes.
#pragma once

#include <array>
#include <cstdint>

// 1 for the large canvas, 2 for the small one; the small canvas is what a fresh store gives.
extern std::int32_t canvasDivisor;
// Screen pixels per icon pixel for the 16, 32 and 48 pixel images: 24, 12, 8 / canvasDivisor.
extern std::array<std::int32_t, 3> cellSize;

// Sets canvasDivisor (1 or 2) and the cell sizes that follow from it.
void SelectCanvas(std::int32_t divisor);
