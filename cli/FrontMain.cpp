// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of pixmora-cli, the front end. It runs a plain export itself, in the standard
// library alone (cli/QuickExport.h), and replaces itself with the full tool for everything
// else, which then answers exactly as if it had been started directly. create and import go
// straight to the image helper, which runs every command itself: the full tool would only
// load QtCore to hand them on.
#include "cli/HandOver.h"
#include "cli/QuickExport.h"
#include "framework/AtomicFileWriter.h"

#include <cstdio>

int main(int argc, char** argv)
{
    ReportFileSizeLimitAsWriteError();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const std::optional<std::string> report = RunQuickExport(args)) {
        std::fwrite(report->data(), 1, report->size(), stdout);
        return 0;
    }
    const bool pictures = !args.empty() && (args[0] == "create" || args[0] == "import");
    const std::string why
        = ExecPrivateProgram(pictures ? "pixmora-cli-images" : "pixmora-cli-commands", args);
    std::fprintf(stderr, "pixmora-cli: %s\n", why.c_str());
    return 1;
}
