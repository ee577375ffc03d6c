// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList DataFileSearchPath()
{
    QStringList folders { QDir::currentPath() };
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        folders << exeDir;
        // Relative to the executable, so an installed tree works wherever it was put: a
        // package, `cmake --install --prefix` or a copied folder.
        folders << QDir::cleanPath(exeDir + QStringLiteral("/../share/pixmora"));
    }
    for (const QString& dataDir :
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(dataDir).filePath(QStringLiteral("pixmora"));
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
