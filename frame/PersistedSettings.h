// SPDX-License-Identifier: GPL-3.0-or-later
// The integers the program keeps in the settings store between runs: where each one lives and
// what a store without it gives at start-up. The start-up code and the preferences dialog both
// read and write them through these rows, so a key is spelled in this one place.
#pragma once

#include "state/ToolState.h"

struct PersistedSetting {
    const char* section;
    const char* key;
    int defaultValue; // when the key is absent at start-up
};

// The main window's outer rectangle in screen pixels.
inline constexpr PersistedSetting kWindowLeft { "Position", "left", 10 };
inline constexpr PersistedSetting kWindowRight { "Position", "right", 600 };
inline constexpr PersistedSetting kWindowTop { "Position", "top", 10 };
inline constexpr PersistedSetting kWindowBottom { "Position", "bottom", 500 };

// The tool choices.
inline constexpr PersistedSetting kLastTool { "Tools", "last", kToolStateAtStartUp.currentTool };
inline constexpr PersistedSetting kAntiAlias { "Tools", "anti alias",
    kToolStateAtStartUp.antiAlias };
inline constexpr PersistedSetting kPenSize { "Tools", "pen size", kToolStateAtStartUp.penSize };

// The four strengths, Medium until one is stored.
inline constexpr PersistedSetting kDensityCommandStrength { "Settings", "cda", 1 };
inline constexpr PersistedSetting kDensityBrushStrength { "Settings", "bda", 1 };
inline constexpr PersistedSetting kColorCommandStrength { "Settings", "cca", 1 };
inline constexpr PersistedSetting kColorBrushStrength { "Settings", "bca", 1 };
// The "Enable Sounds" box: shown and stored, never read at start-up; every exit stores it on.
inline constexpr PersistedSetting kSoundOption { "Settings", "sound", 1 };
// The canvas choice: 0 the large canvas, any other value the small one.
inline constexpr PersistedSetting kCanvasChoice { "Settings", "snap_div", 1 };

// The stored value, or the row's default when the key is absent or unreadable.
int ReadSetting(const PersistedSetting& setting);
// The same with another default, for a reader that shows absence differently.
int ReadSetting(const PersistedSetting& setting, int defaultValue);
void WriteSetting(const PersistedSetting& setting, int value);
