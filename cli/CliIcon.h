// SPDX-License-Identifier: GPL-3.0-or-later
// An icon as pixmora-cli's commands hold it: the editor's own reader and writer and the three
// grids it reads into and writes from. The editor's document is not used, so the tool needs no
// widgets, and this part of it not even QtCore.
#pragma once

#include "document/IconFile.h"
#include "document/IconTypes.h"
#include "framework/Bytes.h"

#include <array>
#include <string>

struct CliIcon {
    CliIcon();

    CIconFile file;
    // [size index][x][y]
    std::array<IconGrid, kImageCount> pixels;
};

// Reads the bytes of an icon file into icon with the editor's reader, as its open does. False
// when the reader refuses them, which the editor reports as "Unexpected file format.".
bool DecodeIcon(Bytes bytes, CliIcon& icon);

// Reads an icon file (or "-") and decodes it as DecodeIcon does. On failure appends what the
// tool says to complaints: why the file cannot be read and the framework's "Failed to open
// document.", or "Unexpected file format.".
bool LoadIcon(const std::string& path, CliIcon& icon, std::string& complaints);
