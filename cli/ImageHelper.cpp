// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ImageHelper.h"

#include "cli/Cli.h"
#include "cli/CliCommands.h"
#include "framework/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {
const QString kHelperName = QStringLiteral("pixmora-cli-images");
}

QStringList ImageHelperCandidates(const QString& executableDir)
{
    QStringList candidates;
    for (const QString& folder : PrivateProgramFolders(executableDir))
        candidates << QDir(folder).filePath(kHelperName);
    return candidates;
}

namespace {

// The folder of the running executable, links resolved, read from the kernel: there is no
// application object to ask.
QString ExecutableFolder()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

} // namespace

int RunImageHelper(const QStringList& args, const CliOptions& options, CliStreams& io)
{
    // Whatever this process has buffered must come out before the helper writes.
    io.out.flush();
    io.err.flush();
    std::fflush(nullptr);

    const QStringList candidates = ImageHelperCandidates(ExecutableFolder());
    for (const QString& helper : candidates) {
        std::vector<QByteArray> encoded { QFile::encodeName(helper) };
        for (const QString& arg : args)
            encoded.push_back(QFile::encodeName(arg));
        std::vector<char*> argv;
        for (QByteArray& arg : encoded)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        // Returned: not started. A helper that is there but cannot run is the answer; one that
        // is missing may be in the next place.
        if (errno != ENOENT) {
            Complain(io.err, options.command,
                QStringLiteral("cannot run %1 (%2)")
                    .arg(helper, QString::fromLocal8Bit(std::strerror(errno))));
            return kCliFailed;
        }
    }
    const QString failure = QStringLiteral("cannot find %1 (looked for %2)")
                                .arg(kHelperName, candidates.join(QLatin1String(" and ")));
    Complain(io.err, options.command, failure);
    return kCliFailed;
}
