// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/LastFolder.h"

#include "framework/Profile.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kEntry = QStringLiteral("last folder");
}

QString LastFileFolder()
{
    const QString stored = GetProfileString(kSection, kEntry);
    if (!stored.isEmpty() && QFileInfo(stored).isDir())
        return stored;
    return QDir::currentPath();
}

void RememberFileFolder(const QString& chosenFile)
{
    if (chosenFile.isEmpty())
        return;
    WriteProfileString(kSection, kEntry, QFileInfo(chosenFile).absolutePath());
}

QString InLastFileFolder(const QString& proposedName)
{
    if (proposedName.contains(QLatin1Char('/')))
        return proposedName;
    return QDir(LastFileFolder()).filePath(proposedName);
}
