// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli: the editor's icon codec from the command line. The commands read and write
// icons through the editor's own reader and writer (CIconFile), so what they report is what
// the editor would do.
#pragma once

#include "cli/CliExitCode.h"

#include <QStringList>
#include <QTextStream>

struct CliOptions;
struct CliStreams;

// Runs one command. args are the arguments after the program name; results go to out,
// messages (the framework's included) to err. An icon written to "-" goes to the process's
// standard output, and its report then to err. Every command runs in this process; this needs
// the image library (QtGui) linked in.
int RunCli(const QStringList& args, QTextStream& out, QTextStream& err);

// Runs info, create or import, the commands that read or write pictures, once the command line
// has been checked: in process, or by a program that has the image library.
using ImageCommandRunner = int (*)(const QStringList& args, const CliOptions&, CliStreams&);

// RunCli with info, create and import handed to runImages. Export, usage, help and version
// need QtCore alone.
int RunCliCommand(
    const QStringList& args, QTextStream& out, QTextStream& err, ImageCommandRunner runImages);
