// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliIcon.h"

#include "cli/CliFiles.h"
#include "framework/Archive.h"
#include "framework/Strings.h"

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

bool LoadIcon(const std::string& path, CliIcon& icon, std::string& complaints)
{
    std::optional<Bytes> bytes = ReadInputOrComplain(path, complaints);
    if (!bytes)
        return false;
    if (DecodeIcon(std::move(*bytes), icon))
        return true;
    complaints += Complaint(path, FrameworkText::UnexpectedFormat);
    return false;
}
