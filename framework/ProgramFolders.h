// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program's private parts (a module it loads, a helper program it runs) are found.
// No install path is compiled in, so an installed tree may be moved anywhere.
#pragma once

#include <string>
#include <vector>

// In order: the executable's own folder (a build tree), then the installed tree's library
// folder for the program, relative to the executable's folder.
std::vector<std::string> PrivateProgramFolders(const std::string& executableDir);

// The folder of the running executable, links resolved, as the kernel tells it; empty when it
// cannot. Needs no application object.
std::string ExecutableFolder();
