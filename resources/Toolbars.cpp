// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Toolbars.h"

#include <algorithm>
#include <array>

namespace {

constexpr int SEP = ID_SEPARATOR;

// clang-format off
// Separators split the bar into groups: file, clipboard, clear, history, background,
// anti-aliasing, image size, tool palette, help.
constexpr auto kCommandsButtons = std::to_array<int>({
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, SEP,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_PASTE_INTERNAL, SEP,
    ID_IMAGE_CLEAR, SEP,
    ID_EDIT_UNDO, ID_EDIT_REDO, SEP,
    ID_BACKGROUND_COLOR, SEP,
    ID_ANTI_ALIAS, SEP,
    ID_VIEW_16, ID_VIEW_32, ID_VIEW_48, SEP,
    ID_VIEW_TOOL_PALETTE, SEP,
    ID_APP_ABOUT, ID_CONTEXT_HELP,
});

// Shown in two columns: each line below is one row of the palette.
constexpr auto kToolsButtons = std::to_array<int>({
    ID_TOOL_BRUSH, ID_TOOL_ERASER,
    ID_TOOL_FLOOD_FILL, ID_TOOL_LINE,
    ID_TOOL_STRAIGHT_LINE_H, ID_TOOL_STRAIGHT_LINE_V,
    ID_TOOL_RECTANGLE, ID_TOOL_FILLED_RECTANGLE,
    ID_TOOL_ELLIPSE, ID_TOOL_FILLED_ELLIPSE,
    ID_TOOL_DARKEN, ID_TOOL_LIGHTEN,
    ID_TOOL_SELECTOR, ID_UNSELECT,
    ID_MOVE_SELECTION, ID_TEXT,
});

constexpr auto kBrushSizeButtons = std::to_array<int>({
    ID_PEN_1X1, ID_PEN_3X3, ID_PEN_5X5, ID_PEN_ROUND,
});
// clang-format on

const std::array<ToolbarLayout, 3> kToolbars = { {
    { "Commands", IDR_MAINFRAME, QSize(16, 15), kCommandsButtons },
    { "Tools", IDR_TOOLS, QSize(21, 21), kToolsButtons },
    { "Brush Sizes", IDR_BRUSH_SIZES, QSize(13, 13), kBrushSizeButtons },
} };

} // namespace

int ToolbarLayout::ImageCount() const
{
    return int(std::ranges::count_if(buttons, [](int id) { return id != ID_SEPARATOR; }));
}

const ToolbarLayout& CommandsToolbar() { return kToolbars[0]; }
const ToolbarLayout& ToolsPalette() { return kToolbars[1]; }
const ToolbarLayout& BrushSizesPalette() { return kToolbars[2]; }

std::span<const ToolbarLayout> Toolbars() { return kToolbars; }
