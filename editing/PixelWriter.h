// SPDX-License-Identifier: GPL-3.0-or-later
// Where the image operations send their results: one call per cell written, in the order the
// operation writes them. The order matters to callers: the first write of a cell in an undo
// step is the one the history keeps. Some operations (pens, pastes, straight lines) may write
// past the image's edge; the writer drops what does not land, as it drops what falls outside
// a selection. An operation that reads the grid while it writes reads it
// through the grid it was given, so a writer that stores into that grid (or drops a write, as
// a selection does) is seen by the reads that follow.
#pragma once

#include "framework/Types.h"

class PixelWriter {
public:
    virtual void Write(int x, int y, COLORREF colour) = 0;

protected:
    ~PixelWriter() = default;
};

// The cells of an image of the given side, as a rectangle.
constexpr CRect ImageRect(int side) { return { 0, 0, side, side }; }
