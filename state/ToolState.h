// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing choices shared by every view: the current tool, the tool to return to after a
// rectangle selection, the pen size and the anti-aliasing switch. Tools and pen sizes are
// identified by their command ids throughout; stored values are taken as they are, so a
// field may hold an id that is no tool at all (views then simply match nothing).
#pragma once

#include <cstdint>

struct ToolState {
    std::int32_t currentTool;
    std::int32_t previousTool;
    std::int32_t penSize;
    std::int32_t antiAlias;
};

// Brush (32772) as current and previous tool, the 1x1 pen (32819), anti-aliasing on.
inline constexpr ToolState kToolStateAtStartUp { 32772, 32772, 32819, 1 };

// The one record of the process, owned by the main frame; read and written on the UI thread.
extern ToolState toolState;
