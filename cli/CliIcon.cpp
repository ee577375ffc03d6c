// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliIcon.h"

#include "framework/Archive.h"

#include <utility>

CliIcon::CliIcon()
{
    for (auto& grid : pixels)
        FillGrid(grid, ICON_TRANSPARENT);
}

bool DecodeIcon(Bytes bytes, CliIcon& icon)
{
    try {
        CArchive ar(std::move(bytes));
        icon.file.LoadIconFile(ar, icon.pixels[0], icon.pixels[1], icon.pixels[2]);
    } catch (const CArchiveException&) {
        return false;
    }
    return true;
}

bool IsAnyImageDrawn(const CliIcon& icon)
{
    for (int i = 0; i < kImageCount; ++i)
        if (IsImageDrawn(icon.pixels[i], kImageSides[i]))
            return true;
    return false;
}
