// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Accelerators.h"
#include "resources/Menus.h"

#include <gtest/gtest.h>

#include <QKeySequence>
#include <QSet>

#include <vector>

TEST(Accelerators, TwentyFiveDistinctKeysEachDeliveringItsCommand)
{
    struct Expected {
        const char* key;
        int id;
    };
    const Expected expected[] = {
        { "Ctrl+B", 32802 },
        { "Ctrl+C", 57634 },
        { "Ctrl+Ins", 57634 },
        { "Ctrl+D", 32794 },
        { "Ctrl+L", 32793 },
        { "Ctrl+N", 57600 },
        { "Ctrl+O", 57601 },
        { "Ctrl+S", 57603 },
        { "Ctrl+V", 57637 },
        { "Shift+Ins", 57637 },
        { "Ctrl+Shift+V", 32846 },
        { "Ctrl+Z", 57643 },
        { "Alt+Backspace", 57643 },
        { "Ctrl+X", 57635 },
        { "Shift+Del", 57635 },
        { "Down", 32791 },
        { "Left", 32779 },
        { "Right", 32781 },
        { "Ctrl+Right", 32783 },
        { "Ctrl+Up", 32785 },
        { "F1", 57670 },
        { "Shift+F1", 57669 },
        { "F6", 32788 },
        { "F7", 32789 },
        { "F8", 32790 },
    };
    ASSERT_EQ(Accelerators().size(), std::size(expected));

    QSet<int> keys;
    for (const Accelerator& accelerator : Accelerators())
        keys.insert(accelerator.key.toCombined());
    EXPECT_EQ(keys.size(), qsizetype(std::size(expected))) << "a key is bound twice";

    for (const Expected& entry : expected) {
        const QKeySequence sequence = QKeySequence::fromString(QString::fromLatin1(entry.key));
        ASSERT_EQ(sequence.count(), 1) << entry.key;
        EXPECT_EQ(CommandForKey(sequence[0]), entry.id) << entry.key;
    }
    EXPECT_EQ(CommandForKey(QKeyCombination(Qt::ControlModifier, Qt::Key_Q)), 0);
}

TEST(Accelerators, KeysOfACommandAndTheirMenuSpelling)
{
    const QList<QKeyCombination> undo = KeysForCommand(57643);
    ASSERT_EQ(undo.size(), 2);
    EXPECT_EQ(KeyText(undo[0]), QStringLiteral("Ctrl+Z"));
    EXPECT_EQ(KeyText(undo[1]), QStringLiteral("Alt+Backspace"));
    EXPECT_EQ(KeyText(KeysForCommand(57635).at(1)), QStringLiteral("Shift+Delete"));
    EXPECT_EQ(KeyText(KeysForCommand(57634).at(1)), QStringLiteral("Ctrl+Insert"));
    EXPECT_TRUE(KeysForCommand(32772).isEmpty());
}

// A shortcut written in a menu item must be a key that really delivers that item's command.
TEST(Accelerators, EveryShortcutShownInAMenuIsBoundToThatCommand)
{
    int shown = 0;
    auto check = [&](const MenuItem& item) {
        const QString shortcut = item.ShortcutText();
        if (shortcut.isEmpty())
            return;
        ++shown;
        QStringList texts;
        for (QKeyCombination key : KeysForCommand(item.id))
            texts << KeyText(key);
        EXPECT_TRUE(texts.contains(shortcut)) << item.text.toStdString();
    };
    ForEachCommand(FrameMenu(), check);
    ForEachCommand(DocumentMenu(), check);
    EXPECT_EQ(shown, 2 + 19);
}

TEST(Toolbars, ButtonTablesAreExact)
{
    auto ids = [](const ToolbarLayout& bar) {
        return std::vector<int>(bar.buttons.begin(), bar.buttons.end());
    };
    const ToolbarLayout& commands = CommandsToolbar();
    EXPECT_STREQ(commands.name, "Commands");
    EXPECT_EQ(commands.resourceId, 128);
    EXPECT_EQ(commands.buttonSize, QSize(16, 15));
    EXPECT_EQ(ids(commands),
        (std::vector<int> { 57600, 57601, 57603, 0, 57635, 57634, 57637, 32846, 0, 32787, 0, 57643,
            57644, 0, 32802, 0, 32829, 0, 32788, 32789, 32790, 0, 32834, 0, 57664, 57669 }));
    EXPECT_EQ(commands.ImageCount(), 18);

    const ToolbarLayout& tools = ToolsPalette();
    EXPECT_STREQ(tools.name, "Tools");
    EXPECT_EQ(tools.resourceId, 200);
    EXPECT_EQ(tools.buttonSize, QSize(21, 21));
    EXPECT_EQ(ids(tools),
        (std::vector<int> { 32772, 32801, 32778, 32773, 32830, 32831, 32774, 32776, 32775, 32777,
            32827, 32828, 32838, 32843, 32845, 32836 }));
    EXPECT_EQ(tools.ImageCount(), 16);

    const ToolbarLayout& sizes = BrushSizesPalette();
    EXPECT_STREQ(sizes.name, "Brush Sizes");
    EXPECT_EQ(sizes.resourceId, 199);
    EXPECT_EQ(sizes.buttonSize, QSize(13, 13));
    EXPECT_EQ(ids(sizes), (std::vector<int> { 32819, 32820, 32821, 32822 }));

    ASSERT_EQ(Toolbars().size(), 3u);
    EXPECT_EQ(&Toolbars()[0], &commands);
    EXPECT_EQ(&Toolbars()[1], &tools);
    EXPECT_EQ(&Toolbars()[2], &sizes);
}
