// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli export: one PNG per drawn image of each icon, named by a pattern. The work is the
// standard-library export (cli/ExportFiles.h) that the front end runs too.
#include "cli/Cli.h"
#include "cli/CliCommands.h"
#include "cli/ExportFiles.h"
#include "framework/PathNames.h"

namespace {

std::vector<std::string> IconNames(const CliOptions& options)
{
    std::vector<std::string> icons;
    for (const QString& icon : options.files.mid(0, options.files.size() - 1))
        icons.push_back(NativeName(icon));
    return icons;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

QString CheckExportNames(const CliOptions& options)
{
    return QtName(ExportPatternProblem(NativeName(options.namePattern), IconNames(options)));
}

int RunExport(const CliOptions& options, CliStreams& io)
{
    const ExportRequest request { NativeName(options.namePattern), IconNames(options),
        NativeName(options.files.constLast()) };
    return ExportIcons(request,
        { [&](std::string_view text) { io.out << FromUtf8(text); },
            [&](std::string_view text) { io.err << FromUtf8(text); } });
}
