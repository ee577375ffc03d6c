// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli export: one PNG per drawn image of each icon, named by a pattern.
#include "cli/Cli.h"
#include "cli/CliCommands.h"
#include "cli/CliFiles.h"
#include "cli/ExportFiles.h"
#include "framework/PathNames.h"

#include <QFile>

namespace {

std::string Native(const QString& name) { return QFile::encodeName(name).toStdString(); }
QString FromNative(const std::string& name) { return QFile::decodeName(name.c_str()); }

int ExportOne(
    const QString& icon, const std::string& pattern, const std::string& dir, CliStreams& io)
{
    CliIcon loaded;
    if (!LoadIcon(icon, loaded, io.err))
        return kCliFailed;
    if (!IsAnyImageDrawn(loaded)) {
        Complain(io.err, icon, QStringLiteral("no 16x16, 32x32 or 48x48 image is drawn"));
        return kCliFailed;
    }
    for (int i = 0; i < kImageCount; ++i) {
        const int side = kImageSides[i];
        if (!IsImageDrawn(loaded.pixels[i], side))
            continue;
        const std::string target = ExportTarget(dir, pattern, Native(icon), side);
        std::string why;
        if (!WriteExportedImage(loaded.pixels[i], side, target, dir, why)) {
            Complain(io.err, FromNative(target),
                QStringLiteral("cannot write the image")
                    + (why.empty()
                            ? QString()
                            : QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(why.c_str()))));
            return kCliFailed;
        }
        io.out << "wrote " << FromNative(target) << '\n';
    }
    return kCliOk;
}

} // namespace

QString CheckExportNames(const CliOptions& options)
{
    std::vector<std::string> icons;
    for (const QString& icon : options.files.mid(0, options.files.size() - 1))
        icons.push_back(Native(icon));
    return FromNative(ExportPatternProblem(Native(options.namePattern), icons));
}

int RunExport(const CliOptions& options, CliStreams& io)
{
    const QString dirPath = options.files.constLast();
    const std::string dir = Native(dirPath);
    // The directory itself, also when it is given as "" (the current one).
    if (!MakePath(JoinPath(dir, "."))) {
        Complain(io.err, dirPath, QStringLiteral("cannot create the directory"));
        return kCliFailed;
    }
    const std::string pattern = Native(options.namePattern);
    int result = kCliOk;
    for (const QString& icon : options.files.mid(0, options.files.size() - 1))
        result = std::max(result, ExportOne(icon, pattern, dir, io));
    return result;
}
