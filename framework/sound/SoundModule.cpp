// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/sound/SoundModule.h"

#include "framework/PathNames.h"
#include "framework/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#define PIXMORA_STRINGIFY2(x) #x
#define PIXMORA_STRINGIFY(x) PIXMORA_STRINGIFY2(x)

namespace {
constexpr const char* kModuleName = "pixmora-sound";
}

QStringList SoundModule::SearchPath()
{
    if (!QCoreApplication::instance())
        return {};
    QStringList folders;
    for (const std::string& folder :
        PrivateProgramFolders(NativeName(QCoreApplication::applicationDirPath())))
        folders << QtName(folder);
    return folders;
}

SoundModuleEntry SoundModule::LoadFrom(const QStringList& folders)
{
    for (const QString& folder : folders) {
        // Never unloaded: Qt's audio back-end keeps threads of its own until the process ends.
        QLibrary library(QDir(folder).filePath(QString::fromLatin1(kModuleName)));
        if (!library.load())
            continue;
        if (auto play = reinterpret_cast<SoundModuleEntry>(
                library.resolve(PIXMORA_STRINGIFY(PIXMORA_SOUND_ENTRY))))
            return play;
        library.unload();
    }
    return nullptr;
}

SoundModuleEntry SoundModule::Load()
{
    static const SoundModuleEntry entry = LoadFrom(SearchPath());
    return entry;
}

void SoundModule::Play(const QString& absolutePath)
{
    if (const SoundModuleEntry play = Load())
        play(&absolutePath);
}
