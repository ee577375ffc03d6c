// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of pixmora-cli and of its image helper, pixmora-cli-images. Neither needs a
// display. pixmora-cli links QtCore alone and hands the commands that need pictures to the
// helper; the helper, built with PIXMORA_CLI_ALL_COMMANDS, runs every command itself through
// QImage, which works under a plain QCoreApplication.
#include "cli/Cli.h"
#include "cli/ImageHelper.h"
#include "framework/AtomicFileWriter.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ReportFileSizeLimitAsWriteError();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
#ifdef PIXMORA_CLI_ALL_COMMANDS
    return RunCli(args, out, err);
#else
    return RunCliCommand(args, out, err, &RunImageHelper);
#endif
}
