// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of pixmora-cli, the front end. It runs a well-formed export itself, in the
// standard library alone (cli/QuickExport.h), and replaces itself with the full tool for every
// other command line, which then answers as if it had been started directly. create and import
// go straight to the image helper, which runs every command itself: the full tool would only
// load QtCore to hand them on.
#include "cli/HandOver.h"
#include "cli/QuickExport.h"
#include "framework/AtomicFileWriter.h"

#include <clocale>
#include <cstdio>

namespace {

void Print(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    ReportFileSizeLimitAsWriteError();
    // As the full tool: the system's messages in the user's language and character set.
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_MESSAGES, "");
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ExportStreams streams { [](std::string_view text) { Print(stdout, text); },
        [](std::string_view text) { Print(stderr, text); } };
    if (const std::optional<int> status = RunQuickExport(args, streams))
        return *status;
    const bool pictures = !args.empty() && (args[0] == "create" || args[0] == "import");
    const std::string why = ExecPrivateProgram(pictures ? kImageHelperName : kFullToolName, args);
    std::fprintf(stderr, "pixmora-cli: %s\n", why.c_str());
    return 1;
}
