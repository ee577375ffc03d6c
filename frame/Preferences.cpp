// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/Preferences.h"

#include "framework/Profile.h"
#include "state/ToolState.h"

namespace {

const QString kPosition = QStringLiteral("Position");
const QString kTools = QStringLiteral("Tools");
const QString kSettings = QStringLiteral("Settings");

constexpr CRect kDefaultWindow { 10, 10, 600, 500 };
} // namespace

void LoadWindowSettings(CRect& mainRect)
{
    mainRect.left = GetProfileInt(kPosition, QStringLiteral("left"), kDefaultWindow.left);
    mainRect.right = GetProfileInt(kPosition, QStringLiteral("right"), kDefaultWindow.right);
    mainRect.top = GetProfileInt(kPosition, QStringLiteral("top"), kDefaultWindow.top);
    mainRect.bottom = GetProfileInt(kPosition, QStringLiteral("bottom"), kDefaultWindow.bottom);

    toolState.currentTool
        = GetProfileInt(kTools, QStringLiteral("last"), kToolStateAtStartUp.currentTool);
    toolState.antiAlias
        = GetProfileInt(kTools, QStringLiteral("anti alias"), kToolStateAtStartUp.antiAlias);
    toolState.penSize
        = GetProfileInt(kTools, QStringLiteral("pen size"), kToolStateAtStartUp.penSize);

    // "snap_div" 0 is the large canvas; anything else the small one.
    SelectCanvas(GetProfileInt(kSettings, QStringLiteral("snap_div"), 1) == 0 ? 1 : 2);
}

void LoadStrengths()
{
    brushStrengths.densityCommandStrength = GetProfileInt(kSettings, QStringLiteral("cda"), 1);
    brushStrengths.densityBrushStrength = GetProfileInt(kSettings, QStringLiteral("bda"), 1);
    brushStrengths.colorCommandStrength = GetProfileInt(kSettings, QStringLiteral("cca"), 1);
    brushStrengths.colorBrushStrength = GetProfileInt(kSettings, QStringLiteral("bca"), 1);
}

void SaveSettings(const CRect& windowRect)
{
    WriteProfileInt(kPosition, QStringLiteral("left"), windowRect.left);
    WriteProfileInt(kPosition, QStringLiteral("right"), windowRect.right);
    WriteProfileInt(kPosition, QStringLiteral("top"), windowRect.top);
    WriteProfileInt(kPosition, QStringLiteral("bottom"), windowRect.bottom);

    WriteProfileInt(kTools, QStringLiteral("last"), toolState.currentTool);
    WriteProfileInt(kTools, QStringLiteral("anti alias"), toolState.antiAlias);
    WriteProfileInt(kTools, QStringLiteral("pen size"), toolState.penSize);

    WriteProfileInt(kSettings, QStringLiteral("cda"), brushStrengths.densityCommandStrength);
    WriteProfileInt(kSettings, QStringLiteral("bda"), brushStrengths.densityBrushStrength);
    WriteProfileInt(kSettings, QStringLiteral("cca"), brushStrengths.colorCommandStrength);
    WriteProfileInt(kSettings, QStringLiteral("bca"), brushStrengths.colorBrushStrength);
    // The sound option is restored to "on" at every exit, whatever the dialog stored.
    WriteProfileInt(kSettings, QStringLiteral("sound"), 1);
}
