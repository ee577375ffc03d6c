// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/PreferencesDlg.h"

#include "frame/Preferences.h"
#include "framework/DialogUnits.h"
#include "framework/FlatStyle.h"
#include "framework/Platform.h"
#include "framework/Profile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

enum class Kind { DefaultButton, Button, GroupBox, FirstRadio, Radio, CheckBox };

using Control = ControlTemplate<Kind>;

// The dialog template, in tab order. A FirstRadio starts a new radio group.
constexpr Control kTemplate[] = {
    { 1, Kind::DefaultButton, "OK", 181, 13, 79, 14 },
    { 2, Kind::Button, "Cancel", 181, 30, 79, 14 },
    { 0, Kind::GroupBox, "Color Brushes", 7, 7, 78, 58 },
    { 0, Kind::GroupBox, "Density Brushes", 94, 7, 79, 58 },
    { 0, Kind::GroupBox, "Color Commands", 7, 65, 78, 58 },
    { 0, Kind::GroupBox, "Density Commands", 94, 65, 79, 58 },
    { 0, Kind::GroupBox, "Application", 181, 65, 79, 58 },
    { 1017, Kind::FirstRadio, "Light Brush", 15, 20, 62, 10 },
    { 1018, Kind::Radio, "Medium Brush", 15, 34, 62, 10 },
    { 1019, Kind::Radio, "Heavy Brush", 15, 47, 62, 10 },
    { 1020, Kind::FirstRadio, "Light Brush", 102, 20, 63, 10 },
    { 1021, Kind::Radio, "Medium Brush", 102, 34, 63, 10 },
    { 1022, Kind::Radio, "Heavy Brush", 102, 47, 63, 10 },
    { 1023, Kind::FirstRadio, "Light", 15, 79, 62, 10 },
    { 1024, Kind::Radio, "Medium", 15, 92, 62, 10 },
    { 1025, Kind::Radio, "Heavy", 15, 106, 62, 10 },
    { 1026, Kind::FirstRadio, "Light", 102, 79, 63, 10 },
    { 1027, Kind::Radio, "Medium", 102, 92, 63, 10 },
    { 1028, Kind::Radio, "Heavy", 102, 106, 63, 10 },
    { 1031, Kind::FirstRadio, "Large Canvas", 192, 79, 60, 10 },
    { 1032, Kind::Radio, "Small Canvas", 192, 92, 60, 10 },
    { 1029, Kind::CheckBox, "Enable Sounds", 192, 107, 65, 10 },
};
constexpr int kDialogWidth = 267;
constexpr int kDialogHeight = 130;

const QString kSettings = QStringLiteral("Settings");

} // namespace

const std::array<CPreferencesDlg::RadioBinding, 5> CPreferencesDlg::kRadioBindings { {
    { IDC_COLOR_BRUSH, &CPreferencesDlg::m_colorBrush },
    { IDC_DENSITY_BRUSH, &CPreferencesDlg::m_densityBrush },
    { IDC_COLOR_COMMAND, &CPreferencesDlg::m_colorCommand },
    { IDC_DENSITY_COMMAND, &CPreferencesDlg::m_densityCommand },
    { IDC_LARGE_CANVAS, &CPreferencesDlg::m_canvas },
} };

CPreferencesDlg::CPreferencesDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Pixmora Preferences"));
    CreateControls();
}

void CPreferencesDlg::CreateControls()
{
    const DialogUnits units(font());
    setFixedSize(units.Size(kDialogWidth, kDialogHeight));

    QButtonGroup* group = nullptr;
    int indexInGroup = 0;
    std::size_t groupCount = 0;
    for (const Control& control : kTemplate) {
        const QString text = QString::fromLatin1(control.text);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case Kind::DefaultButton:
        case Kind::Button: {
            auto* button = new QPushButton(text, this);
            const bool isOk = control.kind == Kind::DefaultButton;
            button->setDefault(isOk);
            connect(
                button, &QPushButton::clicked, this, isOk ? &QDialog::accept : &QDialog::reject);
            widget = button;
            break;
        }
        case Kind::GroupBox:
            widget = new QGroupBox(text, this);
            break;
        case Kind::FirstRadio:
            group = new QButtonGroup(this);
            m_groups.at(groupCount++) = group;
            indexInGroup = 0;
            [[fallthrough]];
        case Kind::Radio: {
            auto* radio = new QRadioButton(text, this);
            radio->setStyle(FlatButtonStyle());
            group->addButton(radio, indexInGroup++);
            widget = radio;
            break;
        }
        case Kind::CheckBox:
            widget = new QCheckBox(text, this);
            widget->setStyle(FlatButtonStyle());
            break;
        }
        if (control.id != 0)
            widget->setObjectName(QString::number(control.id));
        widget->setGeometry(units.Rect(control));
    }
}

QAbstractButton* CPreferencesDlg::GetDlgItem(int id) const
{
    return findChild<QAbstractButton*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

QButtonGroup* CPreferencesDlg::Group(int firstId) const
{
    for (std::size_t i = 0; i < kRadioBindings.size(); ++i) {
        if (kRadioBindings[i].firstId == firstId)
            return m_groups[i];
    }
    return nullptr;
}

void CPreferencesDlg::UpdateData(bool saveAndValidate)
{
    for (const RadioBinding& binding : kRadioBindings) {
        QButtonGroup* group = Group(binding.firstId);
        int& value = this->*binding.member;
        if (saveAndValidate) {
            if (group->checkedId() >= 0)
                value = group->checkedId();
            continue;
        }
        if (QAbstractButton* button = group->button(value)) {
            button->setChecked(true);
        } else {
            // An exclusive group refuses to clear its last checked button.
            group->setExclusive(false);
            for (QAbstractButton* each : group->buttons())
                each->setChecked(false);
            group->setExclusive(true);
        }
    }
    QAbstractButton* sounds = GetDlgItem(IDC_ENABLE_SOUNDS);
    if (saveAndValidate)
        m_enableSounds = sounds->isChecked() ? 1 : 0;
    else
        sounds->setChecked(m_enableSounds != 0);
}

void CPreferencesDlg::OnInitDialog() { UpdateData(false); }

int CPreferencesDlg::DoModal()
{
    OnInitDialog();
    return platform().DoModal(*this);
}

void CPreferencesDlg::accept()
{
    UpdateData(true);
    QDialog::accept();
}

int RunPreferencesCommand(QWidget* parent)
{
    CPreferencesDlg dlg(parent);
    // A key that was never written shows as Light, the large canvas and sounds on.
    dlg.m_colorBrush = GetProfileInt(kSettings, QStringLiteral("bca"), 0);
    dlg.m_colorCommand = GetProfileInt(kSettings, QStringLiteral("cca"), 0);
    dlg.m_densityBrush = GetProfileInt(kSettings, QStringLiteral("bda"), 0);
    dlg.m_densityCommand = GetProfileInt(kSettings, QStringLiteral("cda"), 0);
    dlg.m_canvas = GetProfileInt(kSettings, QStringLiteral("snap_div"), 0);
    dlg.m_enableSounds = GetProfileInt(kSettings, QStringLiteral("sound"), 1);

    const int result = dlg.DoModal();
    if (result != IDOK)
        return result;

    WriteProfileInt(kSettings, QStringLiteral("cda"), dlg.m_densityCommand);
    WriteProfileInt(kSettings, QStringLiteral("bda"), dlg.m_densityBrush);
    WriteProfileInt(kSettings, QStringLiteral("cca"), dlg.m_colorCommand);
    WriteProfileInt(kSettings, QStringLiteral("bca"), dlg.m_colorBrush);
    WriteProfileInt(kSettings, QStringLiteral("sound"), dlg.m_enableSounds);
    WriteProfileInt(kSettings, QStringLiteral("snap_div"), dlg.m_canvas);
    FlushProfile();
    LoadStrengths();
    return result;
}
