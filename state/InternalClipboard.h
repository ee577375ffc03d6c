// SPDX-License-Identifier: GPL-3.0-or-later
// The internal clipboard: one block of pixel values for the whole process, filled by Cut and
// Copy from the active selection and pasted back by Paste Internal. Every window and image size
// shares it, so a block copied in one icon can be pasted into another.
#pragma once

#include "document/IconTypes.h"

#include <cstdint>

struct InternalClipboard {
    // Copied values [column offset][row offset] from the selection's top-left cell,
    // ICON_TRANSPARENT included.
    IconGrid cells;
    std::int32_t width;
    std::int32_t height;
    // 0 until the first Copy or Cut of the run, then 1; the block is never emptied again.
    std::int32_t valid;
};

// Nothing copied: no width or height, every cell transparent.
InternalClipboard EmptyInternalClipboard();

// The one record of the process; the main frame sets it empty when it is constructed.
// Read and written on the UI thread.
extern InternalClipboard internalClipboard;
