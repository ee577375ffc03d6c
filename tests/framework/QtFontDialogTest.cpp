// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop font dialog: Qt's font dialog embedded with a colour choice. A user acts on it
// from a timer while it runs modally; a later timer closes whatever is still open, so a dialog
// that fails to close makes the test fail instead of hanging it.
#include "framework/QtPlatform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    std::optional<FontChoice> choice;
    bool forcedClosed = false;
};

Outcome RunFontDialog(
    const std::optional<FontChoice>& initial, std::function<void(QDialog&)> userActs)
{
    Outcome outcome;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            userActs(*dialog);
    });
    QTimer::singleShot(3000, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            outcome.forcedClosed = true;
            static_cast<QDialog*>(dialog)->reject();
        }
    });
    QtPlatform platform;
    outcome.choice = platform.ChooseFont(nullptr, initial);
    return outcome;
}

} // namespace

TEST(QtFontDialog, EscapeInTheFontListsCancelsTheWholeDialog)
{
    const Outcome outcome = RunFontDialog(std::nullopt, [](QDialog& dialog) {
        auto* fonts = dialog.findChild<QFontDialog*>();
        ASSERT_NE(fonts, nullptr);
        QTest::keyClick(fonts, Qt::Key_Escape);
    });
    EXPECT_FALSE(outcome.forcedClosed);
    EXPECT_FALSE(outcome.choice.has_value());
}

TEST(QtFontDialog, OpensOnTheGivenFontAndColourAndReturnsThem)
{
    FontChoice initial { QApplication::font(), RGB(255, 0, 0) };
    initial.font.setPointSize(17);
    initial.font.setUnderline(true);
    const Outcome outcome = RunFontDialog(initial, [](QDialog& dialog) {
        auto* box = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        box->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_FALSE(outcome.forcedClosed);
    ASSERT_TRUE(outcome.choice.has_value());
    EXPECT_EQ(outcome.choice->font.pointSize(), 17);
    EXPECT_TRUE(outcome.choice->font.underline());
    EXPECT_EQ(outcome.choice->color, RGB(255, 0, 0));
}
