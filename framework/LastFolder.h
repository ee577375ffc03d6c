// SPDX-License-Identifier: GPL-3.0-or-later
// The folder the Open and Save As dialogs start in: the one a file was last chosen in, kept in
// the settings store (section "Settings", entry "last folder") so the next run starts there
// too.
#pragma once

#include <QString>

// The folder used last, or the current directory when none is stored or the stored one no
// longer exists.
QString LastFileFolder();

// Remembers the folder that holds `chosenFile`, a file the user just picked in a dialog.
void RememberFileFolder(const QString& chosenFile);

// `proposedName` in the folder used last; a name that already has a folder keeps it.
QString InLastFileFolder(const QString& proposedName);
