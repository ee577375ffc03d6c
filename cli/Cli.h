// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli: the editor's icon codec from the command line. The commands open and save
// through CIconDoc exactly as the editor does, so what they report is what the editor would do.
#pragma once

#include <QStringList>
#include <QTextStream>

enum CliExitCode : int {
    kCliOk = 0,
    kCliFailed = 1, // a file unreadable, damaged or not writable, or nothing drawn
    kCliUsage = 2, // bad command line
};

// Runs one command. args are the arguments after the program name; results go to out,
// messages (the framework's included) to err.
int RunCli(const QStringList& args, QTextStream& out, QTextStream& err);
