// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of pixmora-cli's full tool, pixmora-cli-commands, and of its image helper,
// pixmora-cli-images. Neither needs a display. The front end, pixmora-cli, hands them every
// command but a plain export. The full tool links QtCore alone and hands the commands that need
// pictures to the helper; the helper, built with PIXMORA_CLI_ALL_COMMANDS, runs every command
// itself through QImage, which works under a plain QCoreApplication.
//
// The full tool runs without an application object: it needs none of what one sets up (event
// dispatcher, plugin paths), and making it is a good part of a short command's time.
#include "cli/Cli.h"
#include "cli/ImageHelper.h"
#include "framework/AtomicFileWriter.h"

#include <QCoreApplication>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    // Taken before the application object is made: it would remove arguments of its own
    // (-qmljsdebugger) that the tool must see, and refuse as unknown, like any other.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
#ifdef PIXMORA_CLI_ALL_COMMANDS
    // Image plug-ins are found through the application object.
    QCoreApplication app(argc, argv);
#else
    // What the application object would do that the commands see: system messages (a file
    // that cannot be written) in the user's language and character set. Only those two parts
    // of the user's locale: the others would take a dozen more files to load, and the number
    // format would change what scripts read.
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_MESSAGES, "");
#endif
    ReportFileSizeLimitAsWriteError();
    QTextStream out(stdout);
    QTextStream err(stderr);
#ifdef PIXMORA_CLI_ALL_COMMANDS
    return RunCli(args, out, err);
#else
    return RunCliCommand(args, out, err, &RunImageHelper);
#endif
}
