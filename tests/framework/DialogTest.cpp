// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog base on a template of its own: controls made from the rows and found by id and
// kind, radio groups split where a row says so, and the members' way to the controls and back
// through DoModal, OK and Cancel.
#include "framework/Dialog.h"
#include "framework/DialogUnits.h"
#include "support/QtPrint.h"
#include "support/ScriptedPlatform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using enum ControlKind;

// Two radio groups back to back: only the style bit tells where the second one starts.
constexpr DialogControl kControls[] = {
    { IDOK, DefPushButton, "OK", 100, 5, 40, 14 },
    { IDCANCEL, PushButton, "Cancel", 100, 22, 40, 14 },
    { 0, GroupBox, "Box", 2, 2, 90, 60 },
    { 10, RadioButton, "A0", 5, 10, 40, 10, kGroup },
    { 11, RadioButton, "A1", 5, 20, 40, 10 },
    { 12, RadioButton, "B0", 50, 10, 40, 10, kGroup | kFlat },
    { 13, RadioButton, "B1", 50, 20, 40, 10, kFlat },
    { 14, RadioButton, "B2", 50, 30, 40, 10, kFlat },
    { 20, CheckBox, "Check", 5, 40, 40, 10 },
    { 30, Edit, "", 5, 65, 80, 12 },
    { 31, StaticText, "", 5, 80, 80, 10 },
};
constexpr DialogTemplate kTemplate { "Test Dialog", 150, 95, kControls };

class TestDlg : public CDialog {
public:
    TestDlg()
        : CDialog(kTemplate)
    {
    }
    int m_a = -1, m_b = -1, m_check = 0;
    QString m_edit, m_label;

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        dx.Radio(10, m_a);
        dx.Radio(12, m_b);
        dx.Check(20, m_check);
        dx.Text(30, m_edit);
        dx.Text(31, m_label);
    }
};

bool Checked(const TestDlg& dlg, int id)
{
    return dlg.GetDlgItem<QAbstractButton>(id)->isChecked();
}

} // namespace

TEST(DialogTest, MakesEveryRowFindableByIdAndKind)
{
    TestDlg dlg;
    const DialogUnits units(dlg.font());
    EXPECT_EQ(dlg.windowTitle(), "Test Dialog");
    EXPECT_EQ(dlg.size(), units.Size(150, 95));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    for (const DialogControl& row : kControls) {
        if (row.id == 0)
            continue;
        QWidget* control = dlg.GetDlgItem(row.id);
        ASSERT_NE(control, nullptr) << row.id;
        EXPECT_EQ(control->geometry(), units.Rect(row)) << row.id;
    }
    EXPECT_TRUE(dlg.GetDlgItem<QPushButton>(IDOK)->isDefault());
    EXPECT_FALSE(dlg.GetDlgItem<QPushButton>(IDCANCEL)->isDefault());
    EXPECT_NE(dlg.GetDlgItem<QRadioButton>(13), nullptr);
    EXPECT_NE(dlg.GetDlgItem<QCheckBox>(20), nullptr);
    EXPECT_NE(dlg.GetDlgItem<QLineEdit>(30), nullptr);
    EXPECT_NE(dlg.GetDlgItem<QLabel>(31), nullptr);
    EXPECT_EQ(dlg.GetDlgItem<QLineEdit>(20), nullptr) << "a control of another kind";
    EXPECT_EQ(dlg.GetDlgItem(0), nullptr) << "rows without an id are not looked up";
    EXPECT_EQ(dlg.GetDlgItem(99), nullptr);
    EXPECT_EQ(dlg.findChildren<QGroupBox*>().size(), 1);
}

TEST(DialogTest, MembersReachTheControlsOnOpeningAndComeBackOnlyOnOk)
{
    ScopedScriptedPlatform platform;
    TestDlg dlg;
    dlg.m_a = 1;
    dlg.m_b = 0;
    dlg.m_check = 1;
    dlg.m_edit = "typed";
    dlg.m_label = "shown";
    platform->ScriptDialog(std::function([](TestDlg& open) {
        // DoModal showed the members before the user saw the dialog.
        EXPECT_TRUE(Checked(open, 11));
        EXPECT_TRUE(Checked(open, 12));
        EXPECT_TRUE(Checked(open, 20));
        EXPECT_EQ(open.GetDlgItem<QLineEdit>(30)->text(), "typed");
        EXPECT_EQ(open.GetDlgItem<QLabel>(31)->text(), "shown");
        open.GetDlgItem<QAbstractButton>(14)->click();
        open.GetDlgItem<QAbstractButton>(20)->click();
        open.GetDlgItem<QLineEdit>(30)->setText("changed");
        // Clicking in one group leaves the other alone.
        EXPECT_TRUE(Checked(open, 11));
        open.GetDlgItem<QAbstractButton>(IDOK)->click();
        return int(open.result() == QDialog::Accepted ? IDOK : IDCANCEL);
    }));
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_a, 1);
    EXPECT_EQ(dlg.m_b, 2);
    EXPECT_EQ(dlg.m_check, 0);
    EXPECT_EQ(dlg.m_edit, "changed");
    EXPECT_EQ(dlg.m_label, "shown");

    // Escape (or Cancel) keeps the members; an index no button has shows none and survives.
    dlg.m_a = 7;
    platform->ScriptDialog(std::function([](TestDlg& open) {
        EXPECT_FALSE(Checked(open, 10) || Checked(open, 11));
        open.GetDlgItem<QAbstractButton>(10)->click();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&open, &escape);
        return int(open.result() == QDialog::Accepted ? IDOK : IDCANCEL);
    }));
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_a, 7);
    dlg.UpdateData(false);
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.m_a, 7);
}
