// SPDX-License-Identifier: GPL-3.0-or-later
// The persisted working environment: main window rectangle, tool choices, canvas size and
// the four strength settings, kept in sections "Position", "Tools" and "Settings" of the
// settings store.
#pragma once

#include "framework/Types.h"
#include "state/BrushStrengths.h"
#include "state/CellSize.h"

// Reads the main window rectangle, the tool choices (into toolState) and the canvas choice,
// and sets canvasDivisor and cellSize. Runs once, before the main window is created.
void LoadWindowSettings(CRect& mainRect);
// Reads the four strengths into brushStrengths (each 1 when absent).
void LoadStrengths();
// Writes the rectangle, the tool choices, the strengths and "sound" = 1. The canvas choice
// is written only by the preferences dialog.
void SaveSettings(const CRect& windowRect);
