// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli export: one PNG per drawn image of each icon, named by a pattern.
#include "cli/Cli.h"
#include "cli/CliCommands.h"
#include "cli/CliFiles.h"
#include "cli/GridPng.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

QString Stem(const QString& path)
{
    if (IsStdStream(path))
        return QStringLiteral("stdin");
    const QString name = QFileInfo(path).fileName();
    return name.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

QString OutputName(const QString& pattern, const QString& path, int side)
{
    QString name = pattern;
    return name.replace(QLatin1String("{stem}"), Stem(path))
        .replace(QLatin1String("{size}"), QString::number(side));
}

// Why the pattern cannot name the outputs of these files, or empty.
QString CheckPattern(const QString& pattern, const QStringList& icons)
{
    // Every "{...}" must be one of the two; a scan by hand, since compiling a regular
    // expression costs export more than the rest of its command line.
    for (qsizetype open = pattern.indexOf(u'{'); open >= 0;) {
        const qsizetype close = pattern.indexOf(u'}', open + 1);
        if (close < 0)
            break;
        const QString name = pattern.mid(open + 1, close - open - 1);
        if (name != QLatin1String("stem") && name != QLatin1String("size"))
            return QStringLiteral("--name knows {stem} and {size}, not {%1}").arg(name);
        open = pattern.indexOf(u'{', close + 1);
    }
    if (!pattern.contains(QLatin1String("{size}")))
        return QStringLiteral("--name needs {size}: an icon holds up to three images");
    QSet<QString> names;
    for (const QString& icon : icons) {
        for (int side : kImageSides) {
            const QString name = QDir::cleanPath(OutputName(pattern, icon, side));
            if (names.contains(name))
                return QStringLiteral("two images would be written to %1; put {stem} in --name")
                    .arg(name);
            names.insert(name);
        }
    }
    return {};
}

int ExportOne(const QString& icon, const QString& pattern, const QDir& dir, CliStreams& io)
{
    CliIcon loaded;
    if (!LoadIcon(icon, loaded, io.err))
        return kCliFailed;
    if (DrawnSizes(loaded).isEmpty()) {
        Complain(io.err, icon, QStringLiteral("no 16x16, 32x32 or 48x48 image is drawn"));
        return kCliFailed;
    }
    for (int i = 0; i < kImageCount; ++i) {
        const int side = kImageSides[i];
        if (!IsImageDrawn(loaded.pixels[i], side))
            continue;
        const QString target = dir.filePath(OutputName(pattern, icon, side));
        const QByteArray png = GridToPng(loaded.pixels[i], side);
        QString why;
        // The output directory exists already; only a name with folders of its own needs more.
        const QString folder = QFileInfo(target).path();
        if (png.isEmpty() || (folder != dir.path() && !QDir().mkpath(folder))
            || !WriteOutput(target, png, why)) {
            Complain(io.err, target,
                QStringLiteral("cannot write the image")
                    + (why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)));
            return kCliFailed;
        }
        io.out << "wrote " << target << '\n';
    }
    return kCliOk;
}

} // namespace

QString CheckExportNames(const CliOptions& options)
{
    return CheckPattern(options.namePattern, options.files.mid(0, options.files.size() - 1));
}

int RunExport(const CliOptions& options, CliStreams& io)
{
    const QStringList icons = options.files.mid(0, options.files.size() - 1);
    const QString dirPath = options.files.constLast();
    const QDir dir(dirPath);
    if (!dir.mkpath(QStringLiteral("."))) {
        Complain(io.err, dirPath, QStringLiteral("cannot create the directory"));
        return kCliFailed;
    }
    int result = kCliOk;
    for (const QString& icon : icons)
        result = std::max(result, ExportOne(icon, options.namePattern, dir, io));
    return result;
}
