// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli export in the standard library alone. Loading QtCore takes longer than a whole
// export of a few icons, so pixmora-cli runs the usual case, a well-formed export of icon files
// that all succeeds, without it, and hands everything else to the full tool. Both use the same
// reader, PNG encoder, names and atomic writer; this one only declines what it does not do
// exactly as the full tool would.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Runs `export [--name PATTERN] FILE.ico... DIR` given as args (the arguments after the
// program's name) and returns what it prints: one "wrote FILE" line per image. nullopt when the
// full tool must run the command instead: not an export, an option other than --name, the
// standard input, a name that is not UTF-8, a usage error, or any failure to read, create or
// write. Every icon is read before anything is written, so a damaged or missing input hands
// over with nothing done; after a failed write the full tool writes the same bytes again.
std::optional<std::string> RunQuickExport(const std::vector<std::string>& args);
