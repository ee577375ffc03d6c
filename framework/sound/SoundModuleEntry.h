// SPDX-License-Identifier: GPL-3.0-or-later
// The one function the sound module exports, shared by the module and its loader so the two
// cannot disagree on its name or type.
#pragma once

#include <QString>

#define PIXMORA_SOUND_ENTRY pixmora_play_sound_file

// Plays the WAV file at absolutePath to its end, at most a short while, and returns at once
// when there is no audio device.
using SoundModuleEntry = void (*)(const QString* absolutePath);
