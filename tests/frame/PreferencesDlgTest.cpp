// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/PreferencesDlg.h"
#include "frame/Preferences.h"
#include "framework/Platform.h"
#include "framework/Profile.h"
#include "state/ToolState.h"
#include "support/FreshProfile.h"
#include "support/QtPrint.h"
#include "support/ScriptedPlatform.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

QAbstractButton* Button(const CPreferencesDlg& dlg, int id)
{
    return dlg.GetDlgItem<QAbstractButton>(id);
}

constexpr int kRadioIds[]
    = { 1017, 1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025, 1026, 1027, 1028, 1031, 1032 };

// The first button of each group that is checked, as an index; -1 for none.
int SelectedIndex(const CPreferencesDlg& dlg, int firstId, int count)
{
    for (int i = 0; i < count; ++i) {
        if (Button(dlg, firstId + i)->isChecked())
            return i;
    }
    return -1;
}

struct Shown {
    int colorBrush, densityBrush, colorCommand, densityCommand, canvas;
    bool sounds;
    friend bool operator==(const Shown&, const Shown&) = default;
};
Shown ShownBy(const CPreferencesDlg& dlg)
{
    return { SelectedIndex(dlg, 1017, 3), SelectedIndex(dlg, 1020, 3), SelectedIndex(dlg, 1023, 3),
        SelectedIndex(dlg, 1026, 3), SelectedIndex(dlg, 1031, 2), Button(dlg, 1029)->isChecked() };
}
void PrintTo(const Shown& s, std::ostream* os)
{
    *os << s.colorBrush << s.densityBrush << s.colorCommand << s.densityCommand << s.canvas
        << s.sounds;
}

// The user at the open dialog: looks at what it shows, acts on it, then a button ends it.
std::function<int(CPreferencesDlg&)> UserDoes(
    std::function<void(CPreferencesDlg&)> act, int endingButton, Shown* shown = nullptr)
{
    return [=](CPreferencesDlg& dlg) {
        if (shown)
            *shown = ShownBy(dlg);
        act(dlg);
        Button(dlg, endingButton)->click();
        return dlg.result() == QDialog::Accepted ? IDOK : IDCANCEL;
    };
}

class PreferencesDlgTest : public testing::Test {
protected:
    ~PreferencesDlgTest() override { brushStrengths = { 1, 1, 1, 1 }; }
    // The "Preferences..." command with user as the one who answers the dialog.
    int RunWith(std::function<int(CPreferencesDlg&)> user)
    {
        platform->ScriptDialog(std::move(user));
        return RunPreferencesCommand(nullptr);
    }
    FreshProfile fresh;
    ScopedScriptedPlatform platform;
};

} // namespace

TEST_F(PreferencesDlgTest, ShowsTheTemplate)
{
    CPreferencesDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Pixmora Preferences");
    EXPECT_EQ(Button(dlg, 1)->text(), "OK");
    EXPECT_TRUE(qobject_cast<QPushButton*>(Button(dlg, 1))->isDefault());
    EXPECT_EQ(Button(dlg, 2)->text(), "Cancel");
    const QStringList texts { "Light Brush", "Medium Brush", "Heavy Brush", "Light Brush",
        "Medium Brush", "Heavy Brush", "Light", "Medium", "Heavy", "Light", "Medium", "Heavy",
        "Large Canvas", "Small Canvas" };
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(Button(dlg, kRadioIds[i])->text(), texts[i]);
    EXPECT_EQ(Button(dlg, 1029)->text(), "Enable Sounds");

    // Each radio group sits inside its box, and every label fits beside its indicator.
    const QList<QGroupBox*> boxes = dlg.findChildren<QGroupBox*>();
    ASSERT_EQ(boxes.size(), 5);
    const char* titles[] = { "Color Brushes", "Density Brushes", "Color Commands",
        "Density Commands", "Application" };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(boxes[i]->title(), titles[i]);
    for (int i = 0; i < 14; ++i) {
        const QAbstractButton* radio = Button(dlg, kRadioIds[i]);
        const int box = i < 12 ? (i / 3 % 2) + 2 * (i / 6) : 4;
        EXPECT_TRUE(boxes[box]->geometry().contains(radio->geometry())) << i;
        const int labelRoom = radio->width()
            - radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
            - radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        EXPECT_LE(radio->fontMetrics().horizontalAdvance(radio->text()), labelRoom) << i;
    }
    EXPECT_GT(Button(dlg, 1)->x(), boxes[1]->geometry().right());
    EXPECT_TRUE(dlg.rect().contains(boxes[4]->geometry()));
}

TEST_F(PreferencesDlgTest, NothingIsSelectedBeforeTheValuesAreLoaded)
{
    CPreferencesDlg dlg;
    EXPECT_EQ(dlg.m_colorBrush, -1);
    EXPECT_EQ(dlg.m_canvas, -1);
    EXPECT_EQ(dlg.m_enableSounds, 0);
    dlg.OnInitDialog();
    EXPECT_EQ(ShownBy(dlg), (Shown { -1, -1, -1, -1, -1, false }));
    dlg.m_colorCommand = 2;
    dlg.OnInitDialog();
    dlg.m_colorCommand = -1;
    dlg.OnInitDialog();
    EXPECT_EQ(SelectedIndex(dlg, 1023, 3), -1) << "a shown choice must be clearable";
}

TEST_F(PreferencesDlgTest, FirstRunShowsLightLargeAndSoundsAndOkStoresThat)
{
    Shown shown {};
    EXPECT_EQ(RunWith(UserDoes([](CPreferencesDlg&) {}, IDOK, &shown)), IDOK);
    EXPECT_EQ(platform->modalDialogs, std::vector<QString> { "Pixmora Preferences" });
    EXPECT_EQ(shown, (Shown { 0, 0, 0, 0, 0, true }));
    for (const char* key : { "bca", "bda", "cca", "cda", "snap_div" })
        EXPECT_EQ(GetProfileInt("Settings", key, -1), 0) << key;
    EXPECT_EQ(GetProfileInt("Settings", "sound", -1), 1);
    // The strengths act as Light at once.
    EXPECT_EQ(brushStrengths.colorBrushStrength, 0);
    EXPECT_EQ(brushStrengths.colorCommandStrength, 0);
    EXPECT_EQ(brushStrengths.densityBrushStrength, 0);
    EXPECT_EQ(brushStrengths.densityCommandStrength, 0);
}

TEST_F(PreferencesDlgTest, OkStoresTheChoicesMade)
{
    WriteProfileInt("Settings", "bda", 2);
    Shown shown {};
    const auto choose = [](CPreferencesDlg& dlg) {
        Button(dlg, 1025)->click(); // Color Commands: Heavy
        Button(dlg, 1018)->click(); // Color Brushes: Medium Brush
        Button(dlg, 1032)->click(); // Small Canvas
        Button(dlg, 1029)->click(); // Enable Sounds off
    };
    RunWith(UserDoes(choose, IDOK, &shown));
    EXPECT_EQ(shown, (Shown { 0, 2, 0, 0, 0, true }));
    EXPECT_EQ(GetProfileInt("Settings", "cca", -1), 2);
    EXPECT_EQ(GetProfileInt("Settings", "bca", -1), 1);
    EXPECT_EQ(GetProfileInt("Settings", "bda", -1), 2);
    EXPECT_EQ(GetProfileInt("Settings", "snap_div", -1), 1);
    EXPECT_EQ(GetProfileInt("Settings", "sound", -1), 0);
    EXPECT_EQ(CommandAmount(brushStrengths.colorCommandStrength), 27);
    EXPECT_EQ(DensityBrushAmount(brushStrengths.densityBrushStrength), 3);

    // The dialog shows what is stored the next time.
    RunWith(UserDoes([](CPreferencesDlg&) {}, IDCANCEL, &shown));
    EXPECT_EQ(shown, (Shown { 1, 2, 2, 0, 1, false }));
}

TEST_F(PreferencesDlgTest, CancelAndEscapeWriteNothing)
{
    brushStrengths = { 1, 1, 1, 1 };
    const auto change = [](CPreferencesDlg& dlg) {
        Button(dlg, 1019)->click();
        Button(dlg, 1032)->click();
        Button(dlg, 1029)->click();
    };
    EXPECT_EQ(RunWith(UserDoes(change, IDCANCEL)), IDCANCEL);

    const auto changeThenEscape = [&](CPreferencesDlg& dlg) {
        change(dlg);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dlg, &escape);
        return dlg.result() == QDialog::Accepted ? IDOK : IDCANCEL;
    };
    EXPECT_EQ(RunWith(changeThenEscape), IDCANCEL);

    EXPECT_FALSE(QFile::exists(ProfileFileName()));
    EXPECT_EQ(brushStrengths.colorBrushStrength, 1);
}

TEST_F(PreferencesDlgTest, AStoredIndexNoButtonShowsSurvivesOk)
{
    WriteProfileInt("Settings", "bca", 5);
    WriteProfileInt("Settings", "snap_div", 3);
    Shown shown {};
    RunWith(UserDoes([](CPreferencesDlg&) {}, IDOK, &shown));
    EXPECT_EQ(shown.colorBrush, -1);
    EXPECT_EQ(shown.canvas, -1);
    EXPECT_EQ(GetProfileInt("Settings", "bca", -1), 5);
    EXPECT_EQ(GetProfileInt("Settings", "snap_div", -1), 3);
    EXPECT_EQ(brushStrengths.colorBrushStrength, 5);
}

TEST_F(PreferencesDlgTest, TheStoreKeepsEachKeyWhereItWasFirstWritten)
{
    // An exit, then OK in the dialog: every persisted integer once, in a fixed order.
    toolState = { 32838, 32772, 32822, 0 };
    brushStrengths = { 0, 1, 2, 5 };
    SaveSettings(CRect(-4, 20, 300, 260));
    toolState = kToolStateAtStartUp;
    RunWith([](CPreferencesDlg& dlg) {
        dlg.accept();
        return IDOK;
    });
    QFile file(ProfileFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
        "[Position]\nleft=-4\nright=300\ntop=20\nbottom=260\n\n"
        "[Tools]\nlast=32838\nanti alias=0\npen size=32822\n\n"
        "[Settings]\ncda=5\nbda=2\ncca=1\nbca=0\nsound=1\nsnap_div=0\n");
}
