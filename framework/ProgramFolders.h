// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program's private parts (a module it loads, a helper program it runs) are found.
// No install path is compiled in, so an installed tree may be moved anywhere.
#pragma once

#include <QString>
#include <QStringList>

// In order: the executable's own folder (a build tree), then the installed tree's library
// folder for the program, relative to the executable's folder.
QStringList PrivateProgramFolders(const QString& executableDir);
