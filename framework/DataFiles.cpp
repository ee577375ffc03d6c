// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef PIXMORA_DATA_DIR
#define PIXMORA_DATA_DIR "/usr/local/share/pixmora"
#endif

QStringList DataFileSearchPath()
{
    QStringList folders { QDir::currentPath() };
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    folders << QStringLiteral(PIXMORA_DATA_DIR);
    return folders;
}

QString LocateDataFile(const QString& name)
{
    if (name.isEmpty())
        return name;
    const QStringList folders = DataFileSearchPath();
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile())
            // Found in the current directory, the name stays as given, like any other
            // relative file name the program opens.
            return folder == folders.first() ? name : candidate;
    }
    return name;
}
