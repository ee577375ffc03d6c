// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli export in the standard library alone. Loading QtCore takes longer than a whole
// export of a few icons, so pixmora-cli runs a well-formed export without it and hands every
// other command line to the full tool. Both run the same export (cli/ExportFiles.h): the same
// reader, PNG encoder, names, atomic writer and messages; this one only declines the command
// lines it does not read exactly as the full tool would.
#pragma once

#include "cli/ExportFiles.h"

#include <optional>
#include <string>
#include <vector>

// Runs `export [--name PATTERN] FILE.ico... DIR` given as args (the arguments after the
// program's name), reporting to streams, and returns its exit status. nullopt, with nothing
// done, when the full tool must run the command line instead: not an export, an option other
// than --name, the standard input, a name that is not UTF-8, or a usage error.
std::optional<int> RunQuickExport(
    const std::vector<std::string>& args, const ExportStreams& streams);
