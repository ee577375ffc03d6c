// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ProgramFolders.h"

#include <QDir>

QStringList PrivateProgramFolders(const QString& executableDir)
{
    const QDir dir(executableDir);
    return { dir.path(),
        QDir::cleanPath(dir.filePath(QStringLiteral(PIXMORA_MODULE_RELATIVE_DIR))) };
}
