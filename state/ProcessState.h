// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide records every view shares: the tool choices, the strengths, the canvas
// size and the internal clipboard. Each lives in its own header; this one puts them all back
// to what a fresh process starts with (tests use it between cases, so no case inherits the
// choices of the one before).
#pragma once

#include "state/BrushStrengths.h"
#include "state/CellSize.h"
#include "state/InternalClipboard.h"
#include "state/ToolState.h"

// Brush, 1x1 pen, anti-aliasing on; medium strengths; the small canvas; nothing copied.
void ResetProcessState();
