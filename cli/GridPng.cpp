// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GridPng.h"

#include "cli/PngWriter.h"

#include <vector>

Bytes GridToPng(const IconGrid& grid, int side)
{
    std::vector<std::uint8_t> rgba(std::size_t(side * side * 4), 0);
    for (int y = 0; y < side; ++y) {
        std::uint8_t* pixel = &rgba[std::size_t(y * side * 4)];
        for (int x = 0; x < side; ++x, pixel += 4) {
            const COLORREF c = grid[std::size_t(x)][std::size_t(y)];
            if (c == ICON_TRANSPARENT)
                continue; // stays 0, 0, 0, 0
            pixel[0] = std::uint8_t(GetRValue(c));
            pixel[1] = std::uint8_t(GetGValue(c));
            pixel[2] = std::uint8_t(GetBValue(c));
            pixel[3] = 255;
        }
    }
    return EncodeRgbaPng(rgba.data(), side, side);
}
