// SPDX-License-Identifier: GPL-3.0-or-later
// SoundModule: finds and loads the sound module on first use and plays files through it.
#pragma once

#include "framework/sound/SoundModuleEntry.h"

#include <QStringList>

class SoundModule {
public:
    // The folders searched for the module, in order: the executable's folder (a fresh build)
    // and the installed module folder.
    static QStringList SearchPath();

    // Loads the module from the first folder of `folders` that holds one that loads, and
    // returns its entry point; null when none does.
    static SoundModuleEntry LoadFrom(const QStringList& folders);
    // LoadFrom(SearchPath()), once: later calls return the same answer.
    static SoundModuleEntry Load();

    // Plays an existing file; without a loadable module the editor is silent, as one built
    // without sound support always was.
    static void Play(const QString& absolutePath);
};
