// SPDX-License-Identifier: GPL-3.0-or-later
// The tool with every command in one process: the image commands are linked in.
#include "cli/Cli.h"
#include "cli/CliCommands.h"
#include "cli/IconEntryImage.h"

namespace {

int RunImageCommandInProcess(const QStringList&, const CliOptions& o, CliStreams& io)
{
    if (o.command == QLatin1String("info"))
        return RunInfo(
            o, io, [](int, const QByteArray& stored) { return DecodedPictureSize(stored); });
    if (o.command == QLatin1String("create"))
        return RunCreate(o, io);
    return RunImport(o, io);
}

} // namespace

int RunCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return RunCliCommand(args, out, err, &RunImageCommandInProcess);
}
