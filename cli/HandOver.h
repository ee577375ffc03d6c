// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli is three programs: a front end in the standard library alone, the full tool on
// QtCore, and a helper with QtGui's images. Each hands what it does not do to the next by
// replacing itself with it: the same arguments, the same standard streams, and the next one's
// exit status is the tool's. The others live in the installed tree's library folder, or beside
// the front end in a build tree.
#pragma once

#include <string>
#include <vector>

inline constexpr char kFullToolName[] = "pixmora-cli-commands";
inline constexpr char kImageHelperName[] = "pixmora-cli-images";

// Replaces this process with the private program name, found beside this executable or in the
// installed tree's library folder, run with args after its own name. Returns only when none
// could be started, with why: "cannot run PATH (reason)" for one that is there but will not
// start, else "cannot find NAME (looked for PATH and PATH)".
std::string ExecPrivateProgram(const std::string& name, const std::vector<std::string>& args);
