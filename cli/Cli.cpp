// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include "cli/CliCommands.h"
#include "cli/CliPlatform.h"
#include "cli/ExportFiles.h"

#include <QCommandLineParser>

namespace {

const QString kUsage
    = QStringLiteral("Usage: pixmora-cli info FILE.ico... [--json]\n"
                     "       pixmora-cli export [--name PATTERN] FILE.ico... DIR\n"
                     "       pixmora-cli create [--reduce [--dither]] OUT.ico IMAGE...\n"
                     "       pixmora-cli create [--reduce [--dither]] --from IMAGE OUT.ico\n"
                     "       pixmora-cli import [--reduce [--dither]] IN.ico OUT.ico\n"
                     "       pixmora-cli --help | --version\n");

const QString kHelp = QStringLiteral(
    "\n"
    "Reads and writes icons with the editor's own codec: 8-bit images of 16x16, 32x32 and\n"
    "48x48 pixels, each with a colour table of 256 entries (black always among them) and a\n"
    "transparency mask. A file named - is the standard input or, for OUT.ico, the standard\n"
    "output (the report then goes to the standard error). Only regular files are read or\n"
    "replaced: never a directory, FIFO or device.\n"
    "\n"
    "Commands:\n"
    "  info    lists every directory entry of each file (size, bits per pixel, offset, bytes;\n"
    "          PNG-compressed entries as \"png 256x256, 32-bit\") and whether the editor uses\n"
    "          or skips it, then the 16x16, 32x32 and 48x48 images it draws (\"drawn:\")\n"
    "  export  writes one PNG per drawn image of each file into DIR (transparent pixels have\n"
    "          alpha 0), named by --name\n"
    "  create  builds an icon from 16x16, 32x32 and 48x48 PNG or BMP images (a later image of\n"
    "          a size replaces an earlier), or with --from makes all three sizes from one\n"
    "          larger image (PNG, BMP, JPEG, or SVG drawn at each size), reduced by area\n"
    "          averaging with premultiplied alpha\n"
    "  import  reads every entry of any icon (1, 4, 8, 24 and 32 bits, PNG-compressed, any\n"
    "          size) and writes an icon the editor edits: for each size the entry of that\n"
    "          size, else the nearest larger reduced, else the largest smaller enlarged (more\n"
    "          bits per pixel win among equals); reports which entry each image came from\n"
    "\n"
    "Pixels with alpha below 128 become transparent. An image with more than 256 colours\n"
    "(black included) would lose colours: create and import then name the image, say how many\n"
    "pixels would turn black and write nothing (exit 3), unless --reduce is given.\n"
    "\n"
    "Options:\n"
    "  --json            info: print a JSON array holding one object per file (below)\n"
    "  --name PATTERN    export: output file names; {stem} is the icon's file name without\n"
    "                    .ico (\"stdin\" for -), {size} the side; default icon-{size}.png, which\n"
    "                    serves one file only; names that would repeat are refused\n"
    "  --from IMAGE      create: make the 16, 32 and 48 pixel images from IMAGE\n"
    "  --reduce          create, import: reduce an image of more than 256 colours to 256 by\n"
    "                    median cut (deterministic) and report the mean colour error\n"
    "  --dither          with --reduce (implies it): Floyd-Steinberg error diffusion\n"
    "  -h, --help        this text, on the standard output\n"
    "  --version         the program's version\n"
    "  --                every later argument is a file name\n"
    "\n"
    "info --json fields, per file: \"file\" (the name given), \"bytes\" (its size, null when\n"
    "unreadable), \"opened\" (true when the editor opens it), \"error\" (why not, else null),\n"
    "\"type\" and \"announcedEntries\" (directory header; null when missing),\n"
    "\"directoryComplete\", \"drawn\" (sides the editor draws, e.g. [16, 32]) and \"entries\",\n"
    "each with \"number\" (from 1), \"width\" and \"height\" (directory bytes, 0 read as 256),\n"
    "\"format\" (\"bmp\" or \"png\"), \"bitsPerPixel\" (0 when unknown), \"imageWidth\" and\n"
    "\"imageHeight\" (from the bitmap or PNG header, null when unknown), \"offset\", \"bytes\",\n"
    "\"use\" (\"used\", \"skipped\" or \"damaged\"), \"reason\" (null when used), \"replacedBy\"\n"
    "(the number of a later entry decoded over this one, or null) and \"importable\" (true\n"
    "when import can decode it). Keys are sorted; fields are only ever added.\n"
    "\n"
    "Exit status: 0 success; 1 an input could not be read or is damaged, an output could not\n"
    "be written (\"Failed to save document.\"), or nothing is drawn; 2 a usage error; 3 refused\n"
    "because colours would be lost. With several files every file is tried and the worst\n"
    "status is returned.\n");

int UsageError(QTextStream& err, const QString& why)
{
    err << "pixmora-cli: " << why << '\n' << kUsage;
    return kCliUsage;
}

struct Parsed {
    CliOptions options;
    bool help = false;
    bool version = false;
    QString error;
};

Parsed Parse(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("PATTERN"));
    const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("IMAGE"));
    const QCommandLineOption reduce(QStringLiteral("reduce"), QString());
    const QCommandLineOption dither(QStringLiteral("dither"), QString());
    parser.addOptions({ help, version, json, name, from, reduce, dither });

    Parsed parsed;
    // QCommandLineParser takes the first argument as the program's name.
    if (!parser.parse(QStringList { QStringLiteral("pixmora-cli") } + args)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    parsed.help = parser.isSet(help);
    parsed.version = parser.isSet(version);
    CliOptions& o = parsed.options;
    const QStringList positional = parser.positionalArguments();
    o.command = positional.value(0);
    o.files = positional.mid(1);
    o.json = parser.isSet(json);
    o.namePattern = parser.isSet(name) ? parser.value(name) : QString(kDefaultExportPattern);
    o.from = parser.value(from);
    o.dither = parser.isSet(dither);
    o.reduce = parser.isSet(reduce) || o.dither;

    const auto onlyFor = [&](const QCommandLineOption& option,
                             std::initializer_list<const char*> commands) {
        if (!parser.isSet(option) || !parsed.error.isEmpty())
            return;
        for (const char* c : commands)
            if (o.command == QLatin1String(c))
                return;
        parsed.error = QStringLiteral("--%1 does not apply to %2")
                           .arg(option.names().constLast(),
                               o.command.isEmpty() ? QStringLiteral("no command") : o.command);
    };
    onlyFor(json, { "info" });
    onlyFor(name, { "export" });
    onlyFor(from, { "create" });
    onlyFor(reduce, { "create", "import" });
    onlyFor(dither, { "create", "import" });
    return parsed;
}

// Why the files do not suit the command, or empty when they do.
QString CheckFiles(const CliOptions& o)
{
    const qsizetype n = o.files.size();
    if (o.command == QLatin1String("info"))
        return n >= 1 ? QString() : QStringLiteral("info takes one or more icon files");
    if (o.command == QLatin1String("export"))
        return n >= 2 ? CheckExportNames(o)
                      : QStringLiteral("export takes one or more icon files and a directory");
    if (o.command == QLatin1String("create") && !o.from.isEmpty())
        return n == 1 ? QString() : QStringLiteral("create --from takes one output file");
    if (o.command == QLatin1String("create"))
        return n >= 2 ? QString()
                      : QStringLiteral("create takes an output file and at least one image");
    if (o.command == QLatin1String("import"))
        return n == 2 ? QString() : QStringLiteral("import takes an icon file and an output file");
    return o.command.isEmpty() ? QStringLiteral("no command given")
                               : QStringLiteral("unknown command '%1'").arg(o.command);
}

// The files a command reads.
QStringList InputFiles(const CliOptions& o)
{
    if (o.command == QLatin1String("export"))
        return o.files.mid(0, o.files.size() - 1);
    if (o.command == QLatin1String("import"))
        return o.files.mid(0, 1);
    if (o.command == QLatin1String("create"))
        return o.from.isEmpty() ? o.files.mid(1) : QStringList { o.from };
    return o.files;
}

int Dispatch(
    const QStringList& args, const CliOptions& o, CliStreams& io, ImageCommandRunner runImages)
{
    if (o.command == QLatin1String("export"))
        return RunExport(o, io);
    if (o.command == QLatin1String("info"))
        if (const std::optional<int> status = RunInfoWithoutPictures(o, io))
            return *status;
    return runImages(args, o, io);
}

} // namespace

int RunCliCommand(
    const QStringList& args, QTextStream& out, QTextStream& err, ImageCommandRunner runImages)
{
    ScopedCliPlatform platform(err);
    const Parsed parsed = Parse(args);
    int result = kCliUsage;
    if (!parsed.error.isEmpty()) {
        result = UsageError(err, parsed.error);
    } else if (parsed.help) {
        out << kUsage << kHelp;
        result = kCliOk;
    } else if (parsed.version) {
        out << "pixmora-cli " << PIXMORA_VERSION << '\n';
        result = kCliOk;
    } else if (const QString why = CheckFiles(parsed.options); !why.isEmpty()) {
        result = UsageError(err, why);
    } else if (InputFiles(parsed.options).count(QStringLiteral("-")) > 1) {
        result = UsageError(err, QStringLiteral("the standard input (-) can be read only once"));
    } else {
        CliStreams io { out, err, *platform };
        result = Dispatch(args, parsed.options, io, runImages);
    }
    out.flush();
    err.flush();
    return result;
}
