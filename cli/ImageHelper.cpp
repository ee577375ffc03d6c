// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ImageHelper.h"

#include "cli/Cli.h"
#include "cli/CliCommands.h"
#include "cli/HandOver.h"
#include "framework/PathNames.h"

int RunImageHelper(const QStringList& args, const CliOptions& options, CliStreams& io)
{
    io.out.flush();
    io.err.flush();
    std::vector<std::string> encoded;
    for (const QString& arg : args)
        encoded.push_back(NativeName(arg));
    const std::string why = ExecPrivateProgram(kImageHelperName, encoded);
    Complain(io.err, options.command, QString::fromLocal8Bit(why.c_str()));
    return kCliFailed;
}
