// SPDX-License-Identifier: GPL-3.0-or-later
// The persisted working environment: main window rectangle, tool choices, canvas size and
// the four strength settings, kept in sections "Position", "Tools" and "Settings" of the
// settings store.
#pragma once

#include "framework/Types.h"

#include <array>
#include <cstdint>

// Strength indexes: 0 light, 1 medium, 2 heavy. Values read from the store are used as they
// are, also outside 0..2.
struct BrushStrengths {
    std::int32_t colorBrushStrength; // "bca": make lighter / make darker
    std::int32_t colorCommandStrength; // "cca": add / remove red, green, blue
    std::int32_t densityBrushStrength; // "bda": lighten and darken brushes
    std::int32_t densityCommandStrength; // "cda": shown and saved only
};

// Before LoadStrengths runs every strength is medium, as on a fresh store.
extern BrushStrengths brushStrengths;

// 1 for the large canvas, 2 for the small one; the small canvas is what a fresh store gives.
extern std::int32_t canvasDivisor;
// Screen pixels per icon pixel for the 16, 32 and 48 pixel images: 24, 12, 8 / canvasDivisor.
extern std::array<std::int32_t, 3> cellSize;

// Reads the main window rectangle, the tool choices (into toolState) and the canvas choice,
// and sets canvasDivisor and cellSize. Runs once, before the main window is created.
void LoadWindowSettings(CRect& mainRect);
// Reads the four strengths into brushStrengths (each 1 when absent).
void LoadStrengths();
// Writes the rectangle, the tool choices, the strengths and "sound" = 1. The canvas choice
// is written only by the preferences dialog.
void SaveSettings(const CRect& windowRect);

// The amount a colour command adds or subtracts for a strength index: 11 * index + 5
// (5, 16, 27). Amounts beyond +-255 saturate every channel anyway, so the result is held
// within that range, which keeps any stored index from overflowing the arithmetic.
int CommandAmount(int strengthIndex);
// The amount a density brush adds or subtracts per dab: index + 1, held within +-255 alike.
int DensityBrushAmount(int strengthIndex);
