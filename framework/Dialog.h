// SPDX-License-Identifier: GPL-3.0-or-later
// CDialog: a modal dialog whose controls are made from a template, a table with one row per
// control, laid out in dialog units (see DialogUnits.h). Controls are found by their id with
// GetDlgItem; the dialog's members travel to and from them through DoDataExchange, which
// UpdateData runs in either direction. DoModal goes through the platform seam, so tests answer
// the dialog instead of a user and nothing ever blocks.
//
// The buttons with ids IDOK and IDCANCEL end the dialog: IDOK through OnOK (which takes the
// controls' values into the members first), IDCANCEL, Escape and the close box through
// OnCancel. Other controls are connected by the dialog that owns them.
#pragma once

#include "framework/Platform.h"

#include <QAbstractButton>
#include <QDialog>
#include <QString>

#include <span>
#include <utility>
#include <vector>

class CDialog;
class QButtonGroup;

enum class ControlKind {
    DefPushButton, // the push button that Enter presses
    PushButton,
    GroupBox,
    RadioButton, // see kGroup
    CheckBox,
    Edit, // one line of text
    StaticText, // plain text, wrapped, from the top left
    BlackFrame, // a black outline
    Picture, // an empty area, used only for its rectangle; it takes no mouse input
    Icon, // the program's icon
};

// Style bits of a template row.
enum ControlStyle : unsigned {
    // A radio button that starts a new group; the radio buttons after it join that group, and
    // their 0-based place in it is the index the group exchanges.
    kGroup = 1U << 0,
    // A radio button or check box with a plain outline instead of the shaded indicator.
    kFlat = 1U << 1,
};

// One control of a template. Geometry is in dialog units.
struct DialogControl {
    int id; // 0 for a control that nobody looks up
    ControlKind kind;
    const char* text; // Latin-1
    int left, top, width, height;
    unsigned style = 0;
};

struct DialogTemplate {
    const char* title;
    int width, height; // of the client area, in dialog units
    std::span<const DialogControl> controls; // in tab order
};

// Moves dialog members into controls (m_bSaveAndValidate false) or controls into members.
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate)
        , m_dialog(dialog)
    {
    }

    // A check box and 0 or 1 (any value but 0 shows checked).
    void Check(int id, int& value);
    // The radio group that firstId starts and the index of its checked button. A value no
    // button has shows none checked, and saving a group with none checked leaves the value as
    // it was, so a stored index that no button shows survives OK unchanged.
    void Radio(int firstId, int& value);
    // The text of an edit box, a static text or a button.
    void Text(int id, QString& value);

    const bool m_bSaveAndValidate;

private:
    CDialog& m_dialog;
};

class CDialog : public QDialog {
    Q_OBJECT
public:
    // Makes the window and every control of dialogTemplate, which must outlive the dialog.
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr,
        Qt::WindowFlags flags = {});

    // OnInitDialog, then the dialog modally through the platform: IDOK or IDCANCEL.
    int DoModal();
    // What the dialog does each time it opens; shows the members in the controls.
    virtual void OnInitDialog();
    // Runs DoDataExchange: true takes the controls' values into the members, false shows the
    // members in the controls.
    void UpdateData(bool saveAndValidate);

    // The control with the given id as a Control, or null when there is none of that kind.
    template <typename Control = QWidget> Control* GetDlgItem(int id) const
    {
        return qobject_cast<Control*>(FindControl(id));
    }

    // The IDOK button and Enter run OnOK; the IDCANCEL button, Escape and the close box
    // OnCancel. A dialog changes what they do there, not here.
    void accept() final { OnOK(); }
    void reject() final { OnCancel(); }

protected:
    // Exchanges the dialog's members with its controls; the base exchanges nothing.
    virtual void DoDataExchange(CDataExchange& dx);
    // Takes the controls' values and ends the dialog with IDOK.
    virtual void OnOK();
    // Ends the dialog with IDCANCEL; the members keep their values.
    virtual void OnCancel();
    // Ends the dialog; DoModal returns result (IDOK or IDCANCEL).
    void EndDialog(int result);

    // Runs handler when the button with the given id is clicked.
    template <typename Dialog> void ConnectClicked(int id, void (Dialog::*handler)())
    {
        connect(GetDlgItem<QAbstractButton>(id), &QAbstractButton::clicked,
            static_cast<Dialog*>(this), handler);
    }

private:
    friend class CDataExchange;

    QWidget* FindControl(int id) const;
    QWidget* CreateControl(const DialogControl& control);
    QButtonGroup* RadioGroup(int firstId) const;

    std::vector<std::pair<int, QWidget*>> m_controls;
    // Each radio group by the id of its first button.
    std::vector<std::pair<int, QButtonGroup*>> m_radioGroups;
};
