// SPDX-License-Identifier: GPL-3.0-or-later
// The four strength settings of the preferences dialog, shared by every view, and the amounts
// the colour commands and density brushes derive from them.
#pragma once

#include <cstdint>

// Strength indexes: 0 light, 1 medium, 2 heavy. Values read from the store are used as they
// are, also outside 0..2.
struct BrushStrengths {
    std::int32_t colorBrushStrength; // "bca": make lighter / make darker
    std::int32_t colorCommandStrength; // "cca": add / remove red, green, blue
    std::int32_t densityBrushStrength; // "bda": lighten and darken brushes
    std::int32_t densityCommandStrength; // "cda": shown and saved only
};

// Every strength medium, as on a fresh store.
inline constexpr BrushStrengths kBrushStrengthsAtStartUp { 1, 1, 1, 1 };

// The one record of the process; read and written on the UI thread.
extern BrushStrengths brushStrengths;

// The amount a colour command adds or subtracts for a strength index: 11 * index + 5
// (5, 16, 27). Amounts beyond +-255 saturate every channel anyway, so the result is held
// within that range, which keeps any stored index from overflowing the arithmetic.
int CommandAmount(int strengthIndex);
// The amount a density brush adds or subtracts per dab: index + 1, held within +-255 alike.
int DensityBrushAmount(int strengthIndex);
