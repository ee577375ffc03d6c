// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/ChannelShift.h"

#include <algorithm>

namespace editing {

namespace {
    // An offset beyond a channel's range saturates it anyway; holding it there first keeps the
    // sum from overflowing whatever a caller passes.
    int ShiftedChannel(int value, int delta)
    {
        return std::clamp(value + std::clamp(delta, -255, 255), 0, 255);
    }
}

COLORREF Shifted(COLORREF colour, ChannelShift shift)
{
    return RGB(ShiftedChannel(GetRValue(colour), shift.red),
        ShiftedChannel(GetGValue(colour), shift.green),
        ShiftedChannel(GetBValue(colour), shift.blue));
}

void ShadeCell(const IconGrid& grid, int side, CPoint cell, ChannelShift shift, PixelWriter& out)
{
    if (!ImageRect(side).PtInRect(cell))
        return;
    const COLORREF v = grid[std::size_t(cell.x)][std::size_t(cell.y)];
    if (v != ICON_TRANSPARENT)
        out.Write(cell.x, cell.y, Shifted(v, shift));
}

void AdjustColours(const IconGrid& grid, int side, ChannelShift shift, PixelWriter& out)
{
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            ShadeCell(grid, side, { x, y }, shift, out);
}

} // namespace editing
