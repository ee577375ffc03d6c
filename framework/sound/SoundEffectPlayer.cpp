// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: QSoundEffect and the audio back-end it brings (QtMultimedia, its network
// library, the sound server's client) are loaded only when the first sound plays, so a start
// and an exit that play nothing never pay for them. SoundModule.cpp loads this file's one
// entry point.
#include "framework/sound/SoundModuleEntry.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {
// Longest a sound may hold up a command: a damaged file or a stuck device never hangs us.
constexpr int kMaxSoundMs = 1500;
}

extern "C" Q_DECL_EXPORT void PIXMORA_SOUND_ENTRY(const QString* absolutePath)
{
    // Without an audio device there is nothing to wait for.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    // Played to the end before the command returns, like a synchronous system sound.
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(*absolutePath));
    QEventLoop loop;
    QTimer::singleShot(kMaxSoundMs, &loop, &QEventLoop::quit);
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error)
            loop.quit();
        else if (effect.status() == QSoundEffect::Ready && !effect.isPlaying())
            effect.play();
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            loop.quit();
    });
    if (effect.status() == QSoundEffect::Ready)
        effect.play();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
