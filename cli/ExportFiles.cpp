// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExportFiles.h"

#include "cli/CliExitCode.h"
#include "cli/CliFiles.h"
#include "cli/CliIcon.h"
#include "cli/GridPng.h"
#include "document/IconTypes.h"
#include "framework/PathNames.h"

#include <set>

namespace {

// Every occurrence of from in text, left to right, replaced once: what is put in is not
// searched again.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    for (std::size_t at = 0;;) {
        const std::size_t found = text.find(from, at);
        if (found == std::string_view::npos)
            return result.append(text.substr(at));
        result.append(text.substr(at, found - at)).append(to);
        at = found + from.size();
    }
}

bool EndsWithIcoInAnyCase(std::string_view name)
{
    if (name.size() < 4)
        return false;
    const std::string_view tail = name.substr(name.size() - 4);
    return tail[0] == '.' && (tail[1] | 0x20) == 'i' && (tail[2] | 0x20) == 'c'
        && (tail[3] | 0x20) == 'o';
}

std::string Stem(std::string_view icon)
{
    if (IsStdStream(icon))
        return "stdin";
    const std::string name = FileNameOf(icon);
    return EndsWithIcoInAnyCase(name) ? name.substr(0, name.size() - 4) : name;
}

std::string FileName(std::string_view pattern, std::string_view icon, int side)
{
    return ReplaceAll(ReplaceAll(pattern, "{stem}", Stem(icon)), "{size}", std::to_string(side));
}

// Every drawn image of one icon; false, after saying why, at the first thing that fails.
bool ExportIcon(const ExportRequest& request, const std::string& path, const ExportStreams& streams)
{
    CliIcon icon;
    std::string complaints;
    if (!LoadIcon(path, icon, complaints)) {
        streams.err(complaints);
        return false;
    }
    if (!IsAnyImageDrawn(icon.pixels)) {
        streams.err(Complaint(path, "no 16x16, 32x32 or 48x48 image is drawn"));
        return false;
    }
    for (int i = 0; i < kImageCount; ++i) {
        const int side = kImageSides[i];
        if (!IsImageDrawn(icon.pixels[i], side))
            continue;
        const std::string target = ExportTarget(request.directory, request.pattern, path, side);
        std::string why;
        if (!WriteExportedImage(icon.pixels[i], side, target, request.directory, why)) {
            streams.err(Complaint(
                target, "cannot write the image" + (why.empty() ? why : " (" + why + ")")));
            return false;
        }
        streams.out("wrote " + target + "\n");
    }
    return true;
}

} // namespace

std::string ExportTarget(
    std::string_view directory, std::string_view pattern, std::string_view icon, int side)
{
    return JoinPath(directory, FileName(pattern, icon, side));
}

std::string ExportPatternProblem(std::string_view pattern, const std::vector<std::string>& icons)
{
    // Every "{...}" must be one of the two; a scan by hand, since compiling a regular
    // expression would cost export more than the rest of its command line.
    for (std::size_t open = pattern.find('{'); open != std::string_view::npos;) {
        const std::size_t close = pattern.find('}', open + 1);
        if (close == std::string_view::npos)
            break;
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        if (name != "stem" && name != "size")
            return "--name knows {stem} and {size}, not {" + std::string(name) + "}";
        open = pattern.find('{', close + 1);
    }
    if (pattern.find("{size}") == std::string_view::npos)
        return "--name needs {size}: an icon holds up to three images";
    std::set<std::string> names;
    for (const std::string& icon : icons) {
        for (int side : kImageSides) {
            std::string name = CleanPath(FileName(pattern, icon, side));
            if (names.count(name))
                return "two images would be written to " + name + "; put {stem} in --name";
            names.insert(std::move(name));
        }
    }
    return {};
}

int ExportIcons(const ExportRequest& request, const ExportStreams& streams)
{
    // The directory itself, also when it is given as "" (the current one).
    if (!MakePath(JoinPath(request.directory, "."))) {
        streams.err(Complaint(request.directory, "cannot create the directory"));
        return kCliFailed;
    }
    int status = kCliOk;
    for (const std::string& icon : request.icons)
        if (!ExportIcon(request, icon, streams))
            status = kCliFailed;
    return status;
}

bool WriteExportedImage(const IconGrid& grid, int side, const std::string& target,
    const std::string& directory, std::string& why)
{
    const Bytes png = GridToPng(grid, side);
    const std::string folder = FolderOf(target);
    return !png.empty() && (folder == DirectoryPath(directory) || MakePath(folder))
        && WriteOutput(target, png, why);
}
