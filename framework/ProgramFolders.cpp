// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ProgramFolders.h"

#include "framework/PathNames.h"

#include <climits>
#include <unistd.h>

std::vector<std::string> PrivateProgramFolders(const std::string& executableDir)
{
    return { DirectoryPath(executableDir),
        CleanPath(JoinPath(executableDir, PIXMORA_MODULE_RELATIVE_DIR)) };
}

std::string ExecutableFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || std::size_t(length) >= sizeof path)
        return {};
    return AbsoluteFolderOf(std::string_view(path, std::size_t(length)));
}
