// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/Preferences.h"

#include "frame/PersistedSettings.h"
#include "frame/ToolState.h"

#include <algorithm>

BrushStrengths brushStrengths { 1, 1, 1, 1 };
std::int32_t canvasDivisor = 2;
std::array<std::int32_t, 3> cellSize { 12, 6, 4 };

namespace {

constexpr int kLargeCells[3] = { 24, 12, 8 };

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

void SetCanvas(int snapDiv)
{
    canvasDivisor = snapDiv == 0 ? 1 : 2;
    for (std::size_t i = 0; i < cellSize.size(); ++i)
        cellSize[i] = kLargeCells[i] / canvasDivisor;
}

int HeldWithinChannelRange(long long amount) { return int(std::clamp(amount, -255LL, 255LL)); }

} // namespace

void LoadWindowSettings(CRect& mainRect)
{
    Load(mainRect, kWindowEdges);
    Load(toolState, kToolChoices);
    SetCanvas(ReadSetting(kCanvasChoice));
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

int CommandAmount(int strengthIndex) { return HeldWithinChannelRange(11LL * strengthIndex + 5); }

int DensityBrushAmount(int strengthIndex) { return HeldWithinChannelRange(strengthIndex + 1LL); }
