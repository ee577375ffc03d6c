// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/QuickExport.h"

#include "cli/CliFiles.h"

#include <cstdint>
#include <string_view>

namespace {

// True for well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF) that
// does not start with a byte order mark: the names the full tool decodes and encodes back to
// the same bytes.
bool IsPlainUtf8(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        return false;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = std::uint8_t(text[i]);
        const std::size_t length = lead < 0x80 ? 1
            : lead < 0xC2                      ? 0
            : lead < 0xE0                      ? 2
            : lead < 0xF0                      ? 3
            : lead < 0xF5                      ? 4
                                               : 0;
        if (length == 0 || i + length > text.size())
            return false;
        // The second byte's range is narrower after four leads: it rules out the overlong
        // forms, the surrogates and what lies past U+10FFFF.
        const std::uint8_t low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const std::uint8_t high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = std::uint8_t(text[i + k]);
            if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

// The command line, when it is an export this program runs exactly as the full tool would.
std::optional<ExportRequest> ParseExport(const std::vector<std::string>& args)
{
    if (args.empty() || args[0] != "export")
        return std::nullopt;
    ExportRequest request;
    std::vector<std::string> positional;
    bool named = false;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!IsPlainUtf8(arg) || arg.empty() || IsStdStream(arg))
            return std::nullopt;
        if (optionsEnded || arg[0] != '-') {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg.rfind("--name=", 0) == 0 && !named) {
            request.pattern = arg.substr(7);
            named = true;
        } else if (arg == "--name" && !named && i + 1 < args.size() && !args[i + 1].empty()
            && args[i + 1][0] != '-' && IsPlainUtf8(args[i + 1])) {
            request.pattern = args[++i];
            named = true;
        } else {
            return std::nullopt; // any other option, or --name twice, is the full tool's
        }
    }
    if (positional.size() < 2)
        return std::nullopt;
    request.directory = positional.back();
    positional.pop_back();
    request.icons = std::move(positional);
    if (!ExportPatternProblem(request.pattern, request.icons).empty())
        return std::nullopt;
    return request;
}

} // namespace

std::optional<int> RunQuickExport(
    const std::vector<std::string>& args, const ExportStreams& streams)
{
    const std::optional<ExportRequest> request = ParseExport(args);
    if (!request)
        return std::nullopt;
    return ExportIcons(*request, streams);
}
