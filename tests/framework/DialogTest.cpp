// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog base on a template of its own: radio groups split where a row says so, and the
// members' way to the controls and back through DoModal, OK and Escape.
#include "framework/Dialog.h"
#include "support/QtPrint.h"
#include "support/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using enum ControlKind;

// Two radio groups back to back: only the style bit tells where the second one starts.
constexpr DialogControl kControls[] = {
    { IDOK, DefPushButton, "OK", 100, 5, 40, 14 },
    { IDCANCEL, PushButton, "Cancel", 100, 22, 40, 14 },
    { 10, RadioButton, "A0", 5, 10, 40, 10, kGroup },
    { 11, RadioButton, "A1", 5, 20, 40, 10 },
    { 12, RadioButton, "B0", 50, 10, 40, 10, kGroup | kFlat },
    { 13, RadioButton, "B1", 50, 20, 40, 10, kFlat },
    { 14, RadioButton, "B2", 50, 30, 40, 10, kFlat },
    { 20, CheckBox, "Check", 5, 40, 40, 10 },
    { 30, Edit, "", 5, 65, 80, 12 },
};
constexpr DialogTemplate kTemplate { "Test Dialog", 150, 95, kControls };

class TestDlg : public CDialog {
public:
    TestDlg()
        : CDialog(kTemplate)
    {
    }
    int m_a = -1, m_b = -1, m_check = 0;
    QString m_edit;

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        dx.Radio(10, m_a);
        dx.Radio(12, m_b);
        dx.Check(20, m_check);
        dx.Text(30, m_edit);
    }
};

bool Checked(const TestDlg& dlg, int id)
{
    return dlg.GetDlgItem<QAbstractButton>(id)->isChecked();
}

} // namespace

TEST(DialogTest, MembersReachTheControlsOnOpeningAndComeBackOnlyOnOk)
{
    ScopedScriptedPlatform platform;
    TestDlg dlg;
    dlg.m_a = 1;
    dlg.m_b = 0;
    dlg.m_check = 1;
    dlg.m_edit = "typed";
    platform->ScriptDialog(std::function([](TestDlg& open) {
        // DoModal showed the members before the user saw the dialog.
        EXPECT_TRUE(Checked(open, 11));
        EXPECT_TRUE(Checked(open, 12));
        EXPECT_TRUE(Checked(open, 20));
        EXPECT_EQ(open.GetDlgItem<QLineEdit>(30)->text(), "typed");
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
    EXPECT_EQ(dlg.GetDlgItem<QLineEdit>(20), nullptr) << "a control of another kind";
}
