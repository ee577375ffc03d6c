// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HandOver.h"

#include "framework/PathNames.h"
#include "framework/ProgramFolders.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

std::string ExecPrivateProgram(const std::string& name, const std::vector<std::string>& args)
{
    // Whatever this process has buffered must come out before the next one writes.
    std::fflush(nullptr);
    // Without it, the places to look would be relative to the current folder, where anyone may
    // have put a program of that name.
    const std::string home = ExecutableFolder();
    if (home.empty())
        return "cannot find " + name + " (the folder of this program is unknown)";
    std::string lookedFor;
    for (const std::string& folder : PrivateProgramFolders(home)) {
        std::string program = JoinPath(folder, name);
        std::vector<char*> argv { program.data() };
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        // Returned: not started. A program that is there but cannot run is the answer; one that
        // is missing may be in the next place.
        if (errno != ENOENT)
            return "cannot run " + program + " (" + std::strerror(errno) + ")";
        lookedFor += (lookedFor.empty() ? "" : " and ") + program;
    }
    return "cannot find " + name + " (looked for " + lookedFor + ")";
}
