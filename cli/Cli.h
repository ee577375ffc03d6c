// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli: the editor's icon codec from the command line. The commands read and write
// icons through the editor's own reader and writer (CIconFile), so what they report is what
// the editor would do.
#pragma once

#include <QStringList>
#include <QTextStream>

enum CliExitCode : int {
    kCliOk = 0,
    kCliFailed = 1, // an input unreadable or damaged, an output not writable, or nothing drawn
    kCliUsage = 2, // bad command line
    kCliRefused = 3, // writing would have lost colours
};

// Runs one command. args are the arguments after the program name; results go to out,
// messages (the framework's included) to err. An icon written to "-" goes to the process's
// standard output, and its report then to err.
int RunCli(const QStringList& args, QTextStream& out, QTextStream& err);
