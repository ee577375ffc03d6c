// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of pixmora-cli. It needs no display: images are read and written through QImage,
// which works under a plain QCoreApplication.
#include "cli/Cli.h"
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
    return RunCli(args, out, err);
}
