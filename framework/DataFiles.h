// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds the data files it reads at run time (tips, sounds).
//
// Such a file is named relative to the current directory, as the program has always done; a
// freshly built or installed editor is usually not started from the folder that holds them,
// so the folder of the executable and the installed data folders are tried after it. No
// install location is compiled in: the installed folder is found from the executable's.
#pragma once

#include <QString>
#include <QStringList>

// The folders searched, in order: the current directory; when an application object exists,
// the executable's folder and <executable's folder>/../share/pixmora; then "pixmora" in each
// of the desktop's data folders ($XDG_DATA_HOME, then $XDG_DATA_DIRS), as
// QStandardPaths::locateAll(GenericDataLocation, "pixmora/...") visits them.
QStringList DataFileSearchPath();

// The first existing file called `name` in DataFileSearchPath(): the name itself when it is
// found in the current directory, otherwise the full path. When no folder holds it, the bare
// name is returned, so the caller's own handling of a missing file applies.
QString LocateDataFile(const QString& name);
