// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/PreferencesDlg.h"

#include "frame/PersistedSettings.h"
#include "frame/Preferences.h"
#include "framework/Profile.h"
#include "resources/Resource.h"

namespace {

using enum ControlKind;

// In tab order; all buttons and the check box have the flat look.
constexpr DialogControl kControls[] = {
    { IDOK, DefPushButton, "OK", 181, 13, 79, 14 },
    { IDCANCEL, PushButton, "Cancel", 181, 30, 79, 14 },
    { 0, GroupBox, "Color Brushes", 7, 7, 78, 58 },
    { 0, GroupBox, "Density Brushes", 94, 7, 79, 58 },
    { 0, GroupBox, "Color Commands", 7, 65, 78, 58 },
    { 0, GroupBox, "Density Commands", 94, 65, 79, 58 },
    { 0, GroupBox, "Application", 181, 65, 79, 58 },
    { IDC_COLOR_BRUSH_LIGHT, RadioButton, "Light Brush", 15, 20, 62, 10, kGroup | kFlat },
    { IDC_COLOR_BRUSH_MEDIUM, RadioButton, "Medium Brush", 15, 34, 62, 10, kFlat },
    { IDC_COLOR_BRUSH_HEAVY, RadioButton, "Heavy Brush", 15, 47, 62, 10, kFlat },
    { IDC_DENSITY_BRUSH_LIGHT, RadioButton, "Light Brush", 102, 20, 63, 10, kGroup | kFlat },
    { IDC_DENSITY_BRUSH_MEDIUM, RadioButton, "Medium Brush", 102, 34, 63, 10, kFlat },
    { IDC_DENSITY_BRUSH_HEAVY, RadioButton, "Heavy Brush", 102, 47, 63, 10, kFlat },
    { IDC_COLOR_COMMAND_LIGHT, RadioButton, "Light", 15, 79, 62, 10, kGroup | kFlat },
    { IDC_COLOR_COMMAND_MEDIUM, RadioButton, "Medium", 15, 92, 62, 10, kFlat },
    { IDC_COLOR_COMMAND_HEAVY, RadioButton, "Heavy", 15, 106, 62, 10, kFlat },
    { IDC_DENSITY_COMMAND_LIGHT, RadioButton, "Light", 102, 79, 63, 10, kGroup | kFlat },
    { IDC_DENSITY_COMMAND_MEDIUM, RadioButton, "Medium", 102, 92, 63, 10, kFlat },
    { IDC_DENSITY_COMMAND_HEAVY, RadioButton, "Heavy", 102, 106, 63, 10, kFlat },
    { IDC_LARGE_CANVAS, RadioButton, "Large Canvas", 192, 79, 60, 10, kGroup | kFlat },
    { IDC_SMALL_CANVAS, RadioButton, "Small Canvas", 192, 92, 60, 10, kFlat },
    { IDC_ENABLE_SOUNDS, CheckBox, "Enable Sounds", 192, 107, 65, 10, kFlat },
};
constexpr DialogTemplate kTemplate { "Pixmora Preferences", 267, 130, kControls };

// What the dialog shows of each setting, in the order OK writes them back. A key that was
// never written shows as the first button of its group (Light, the large canvas), and the
// sounds on.
struct ShownSetting {
    const PersistedSetting& setting;
    int CPreferencesDlg::*member;
    int shownWhenAbsent;
};
const ShownSetting kShownSettings[] = {
    { kDensityCommandStrength, &CPreferencesDlg::m_densityCommand, 0 },
    { kDensityBrushStrength, &CPreferencesDlg::m_densityBrush, 0 },
    { kColorCommandStrength, &CPreferencesDlg::m_colorCommand, 0 },
    { kColorBrushStrength, &CPreferencesDlg::m_colorBrush, 0 },
    { kSoundOption, &CPreferencesDlg::m_enableSounds, 1 },
    { kCanvasChoice, &CPreferencesDlg::m_canvas, 0 },
};

} // namespace

CPreferencesDlg::CPreferencesDlg(QWidget* parent)
    : CDialog(kTemplate, parent)
{
}

void CPreferencesDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Radio(IDC_COLOR_BRUSH_LIGHT, m_colorBrush);
    dx.Radio(IDC_DENSITY_BRUSH_LIGHT, m_densityBrush);
    dx.Radio(IDC_COLOR_COMMAND_LIGHT, m_colorCommand);
    dx.Radio(IDC_DENSITY_COMMAND_LIGHT, m_densityCommand);
    dx.Radio(IDC_LARGE_CANVAS, m_canvas);
    dx.Check(IDC_ENABLE_SOUNDS, m_enableSounds);
}

int RunPreferencesCommand(QWidget* parent)
{
    CPreferencesDlg dlg(parent);
    for (const ShownSetting& each : kShownSettings)
        dlg.*each.member = ReadSetting(each.setting, each.shownWhenAbsent);

    const int result = dlg.DoModal();
    if (result != IDOK)
        return result;

    for (const ShownSetting& each : kShownSettings)
        WriteSetting(each.setting, dlg.*each.member);
    FlushProfile();
    LoadStrengths();
    return result;
}
