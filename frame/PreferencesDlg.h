// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences dialog: the four strengths, the canvas size and the sound option.
#pragma once

#include <QDialog>

#include <array>

class QAbstractButton;
class QButtonGroup;

class CPreferencesDlg : public QDialog {
    Q_OBJECT
public:
    // Control ids; each radio group is named by its first button.
    enum : int {
        IDC_COLOR_BRUSH = 1017, // 1017..1019
        IDC_DENSITY_BRUSH = 1020, // 1020..1022
        IDC_COLOR_COMMAND = 1023, // 1023..1025
        IDC_DENSITY_COMMAND = 1026, // 1026..1028
        IDC_ENABLE_SOUNDS = 1029,
        IDC_LARGE_CANVAS = 1031, // 1031 large, 1032 small
    };

    explicit CPreferencesDlg(QWidget* parent = nullptr);

    // Dialog data. A radio member is the 0-based index of the selected button of its group,
    // -1 for none; the check box member is 0 or 1.
    int m_colorBrush = -1; // "bca"
    int m_densityBrush = -1; // "bda"
    int m_colorCommand = -1; // "cca"
    int m_densityCommand = -1; // "cda"
    int m_canvas = -1; // "snap_div": 0 large, 1 small
    int m_enableSounds = 0; // "sound"

    // Moves the members into the controls (false) or the controls into the members (true).
    // A group with no button selected leaves its member as it was, so a stored index that no
    // button shows survives OK unchanged.
    void UpdateData(bool saveAndValidate);
    // Shows the members; what the dialog does when it opens.
    void OnInitDialog();
    // Shows the members, then runs the dialog modally through the platform; IDOK or IDCANCEL.
    int DoModal();

    // The control with the given id (OK is 1, Cancel 2), or none.
    QAbstractButton* GetDlgItem(int id) const;

    // OK takes the controls' values into the members; Cancel and Escape leave them alone.
    void accept() override;

private:
    struct RadioBinding {
        int firstId;
        int CPreferencesDlg::*member;
    };
    static const std::array<RadioBinding, 5> kRadioBindings;

    void CreateControls();
    QButtonGroup* Group(int firstId) const;

    std::array<QButtonGroup*, 5> m_groups {};
};

// Runs the dialog: the "Preferences..." command. The dialog shows what is stored in section
// "Settings"; on OK the choices are written there and the strengths take effect at once (the
// canvas size from the next start); Cancel changes nothing. Returns IDOK or IDCANCEL.
int RunPreferencesCommand(QWidget* parent);
