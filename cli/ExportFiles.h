// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG files pixmora-cli export writes, and their names from --name's pattern: "{stem}" is
// the icon's file name without ".ico" ("stdin" for "-"), "{size}" the image's side. In the
// standard library alone, so that the export that runs without QtCore and the one in the full
// tool name, refuse and write exactly alike. Names are bytes in the file system's encoding.
#pragma once

#include "document/IconTypes.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The file names without --name: fine for one icon, refused for more.
inline constexpr char kDefaultExportPattern[] = "icon-{size}.png";

// What export is asked to do: the icons, in order, the directory and the --name pattern.
struct ExportRequest {
    std::string pattern = kDefaultExportPattern;
    std::vector<std::string> icons;
    std::string directory;
};

// Where export's report goes: "wrote FILE" lines to out, complaints to err, as they happen.
struct ExportStreams {
    std::function<void(std::string_view)> out;
    std::function<void(std::string_view)> err;
};

// The file an image of the given side of icon is written to, under directory.
std::string ExportTarget(
    std::string_view directory, std::string_view pattern, std::string_view icon, int side);

// Why the pattern cannot name the outputs of these icons: a "{...}" other than the two, no
// "{size}", or two images that would be written to one file. Empty when it can.
std::string ExportPatternProblem(std::string_view pattern, const std::vector<std::string>& icons);

// Creates the directory, then writes one PNG per drawn image of each icon, in order. An icon that
// cannot be read, has nothing drawn or has an image that cannot be written is reported and the
// next one is tried. Returns the exit status (the worst of all). The pattern must be one
// ExportPatternProblem accepts for these icons.
int ExportIcons(const ExportRequest& request, const ExportStreams& streams);

// Writes the PNG of a side x side grid to target atomically, first creating the folders that
// target has below directory (which exists). False when it cannot; why then holds the system's
// reason where there is one.
bool WriteExportedImage(const IconGrid& grid, int side, const std::string& target,
    const std::string& directory, std::string& why);
