// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences dialog: the four strengths, the canvas size and the sound option.
#pragma once

#include "framework/Dialog.h"

class CPreferencesDlg : public CDialog {
    Q_OBJECT
public:
    explicit CPreferencesDlg(QWidget* parent = nullptr);

    // Dialog data. A radio member is the 0-based index of the selected button of its group,
    // -1 for none; the check box member is 0 or 1.
    int m_colorBrush = -1; // "bca"
    int m_densityBrush = -1; // "bda"
    int m_colorCommand = -1; // "cca"
    int m_densityCommand = -1; // "cda"
    int m_canvas = -1; // "snap_div": 0 large, 1 small
    int m_enableSounds = 0; // "sound"

protected:
    // Each radio group with its member, and the check box with m_enableSounds. OK takes the
    // controls' values into the members; Cancel and Escape leave them alone.
    void DoDataExchange(CDataExchange& dx) override;
};

// Runs the dialog: the "Preferences..." command. The dialog shows what is stored in section
// "Settings"; on OK the choices are written there and the strengths take effect at once (the
// canvas size from the next start); Cancel changes nothing. Returns IDOK or IDCANCEL.
int RunPreferencesCommand(QWidget* parent);
