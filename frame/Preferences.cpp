// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/Preferences.h"

#include "frame/PersistedSettings.h"
#include "state/ToolState.h"

namespace {

// A field of a record and the setting it is kept in.
template <typename Record> struct StoredField {
    const PersistedSetting& setting;
    int Record::*field;
};

// Each in the order the fields are written, which is the order of the keys in the file.
const StoredField<CRect> kWindowEdges[] = {
    { kWindowLeft, &CRect::left },
    { kWindowRight, &CRect::right },
    { kWindowTop, &CRect::top },
    { kWindowBottom, &CRect::bottom },
};
const StoredField<ToolState> kToolChoices[] = {
    { kLastTool, &ToolState::currentTool },
    { kAntiAlias, &ToolState::antiAlias },
    { kPenSize, &ToolState::penSize },
};
const StoredField<BrushStrengths> kStrengths[] = {
    { kDensityCommandStrength, &BrushStrengths::densityCommandStrength },
    { kDensityBrushStrength, &BrushStrengths::densityBrushStrength },
    { kColorCommandStrength, &BrushStrengths::colorCommandStrength },
    { kColorBrushStrength, &BrushStrengths::colorBrushStrength },
};

template <typename Record, std::size_t N>
void Load(Record& record, const StoredField<Record> (&fields)[N])
{
    for (const StoredField<Record>& each : fields)
        record.*each.field = ReadSetting(each.setting);
}

template <typename Record, std::size_t N>
void Save(const Record& record, const StoredField<Record> (&fields)[N])
{
    for (const StoredField<Record>& each : fields)
        WriteSetting(each.setting, record.*each.field);
}

} // namespace

void LoadWindowSettings(CRect& mainRect)
{
    Load(mainRect, kWindowEdges);
    Load(toolState, kToolChoices);
    // "snap_div" 0 is the large canvas; anything else the small one.
    SelectCanvas(ReadSetting(kCanvasChoice) == 0 ? 1 : 2);
}

void LoadStrengths() { Load(brushStrengths, kStrengths); }

void SaveSettings(const CRect& windowRect)
{
    Save(windowRect, kWindowEdges);
    Save(toolState, kToolChoices);
    Save(brushStrengths, kStrengths);
    // The sound option is restored to "on" at every exit, whatever the dialog stored.
    WriteSetting(kSoundOption, 1);
}
