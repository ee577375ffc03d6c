// SPDX-License-Identifier: GPL-3.0-or-later
// The button layouts of the three control bars: the "Commands" toolbar and the "Tools" and
// "Brush Sizes" palettes. Button pictures come from the bitmap with the bar's resource id, one
// picture per non-separator button, left to right.
#pragma once

#include "resources/Resource.h"

#include <QSize>

#include <span>

struct ToolbarLayout {
    const char* name; // the bar's window text, also its caption when floating
    int resourceId; // toolbar and bitmap resource
    QSize buttonSize; // size of one button picture
    std::span<const int> buttons; // command ids in order; ID_SEPARATOR (0) is a separator

    // Number of pictures in the bar's bitmap: the buttons that are not separators.
    int ImageCount() const;
};

const ToolbarLayout& CommandsToolbar(); // IDR_MAINFRAME
const ToolbarLayout& ToolsPalette(); // IDR_TOOLS
const ToolbarLayout& BrushSizesPalette(); // IDR_BRUSH_SIZES

// The three bars in the order the main frame creates them.
std::span<const ToolbarLayout> Toolbars();
