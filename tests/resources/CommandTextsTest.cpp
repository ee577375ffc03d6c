// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/CommandTexts.h"
#include "resources/Accelerators.h"
#include "resources/Menus.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

// Every command the user can reach: menus, palettes, keys.
QSet<int> ReachableCommands()
{
    QSet<int> ids;
    auto add = [&](const MenuItem& item) { ids.insert(item.id); };
    ForEachCommand(FrameMenu(), add);
    ForEachCommand(DocumentMenu(), add);
    ForEachCommand(ContextMenu(), add);
    for (const ToolbarLayout& bar : Toolbars())
        for (int id : bar.buttons)
            if (id != 0)
                ids.insert(id);
    for (const Accelerator& accelerator : Accelerators())
        ids.insert(accelerator.id);
    return ids;
}

} // namespace

TEST(CommandTexts, EveryReachableCommandHasAPromptAndOnlyTheRecentFileLacksATooltip)
{
    const QSet<int> reachable = ReachableCommands();
    for (int id : reachable) {
        const CommandText* text = FindCommandText(id);
        ASSERT_NE(text, nullptr) << id;
        EXPECT_EQ(text->id, id);
        EXPECT_FALSE(text->Prompt().isEmpty()) << id;
        EXPECT_EQ(text->HasTooltip(), id != 57616) << id;
        if (text->HasTooltip()) {
            EXPECT_FALSE(text->Tooltip().isEmpty()) << id;
        }
    }
    // Nothing in the table is unreachable, and no id is listed twice.
    QSet<int> listed;
    for (const CommandText& text : AllCommandTexts()) {
        EXPECT_FALSE(listed.contains(text.id)) << text.id;
        listed.insert(text.id);
    }
    EXPECT_EQ(listed, reachable);
}

TEST(CommandTexts, TextsKeepTheirWrittenSpellings)
{
    struct Expected {
        int id;
        const char* prompt;
        const char* tooltip;
    };
    const Expected expected[] = {
        { 32820, "3x3 Pen Tool", "3x3Pen" },
        { 32819, "1x1 Pen Tool", "1x1 Pen" },
        { 32822, "5x5 Round Pen Tool", "Round Pen" },
        { 32801, "Eraser tool", "Erase" },
        { 32829, "Anti Aliasing", "Anti Aliasing" },
        { 32843, "Unselect the current selection", "Unselect" },
        { 32845, "Moves the currently selected area", "Move Selection" },
        { 32836, "Text Tool", "Text" },
        { 57665, "Quit Pixmora and prompts to save icon", "Quit Pixmora and prompts to save icon" },
        { 32837, "Set Pixmora's preferences", "Set Pixmora's preferences" },
        { 57643, "Undo the last action", "Undo" },
        { 106, "Displays the tip of the day", "Displays the tip of the day" },
        { 32846, "Insert previously copied data from the internal clipboard",
            "Insert previously copied data from the internal clipboard" },
    };
    for (const Expected& entry : expected) {
        const CommandText* text = FindCommandText(entry.id);
        ASSERT_NE(text, nullptr) << entry.id;
        EXPECT_EQ(text->Prompt(), QString::fromUtf8(entry.prompt)) << entry.id;
        EXPECT_EQ(text->Tooltip(), QString::fromUtf8(entry.tooltip)) << entry.id;
    }
}

TEST(CommandTexts, ResourceStringsAsStored)
{
    EXPECT_EQ(LoadResourceString(57643), QStringLiteral("Undo the last action\nUndo"));
    EXPECT_EQ(LoadResourceString(57616), QStringLiteral("Open this icon"));
    // The later recent-file entries show the first one's prompt.
    EXPECT_EQ(FindCommandText(57619), FindCommandText(57616));
    EXPECT_EQ(FindCommandText(57620), nullptr);
    EXPECT_EQ(FindCommandText(57671), nullptr);

    EXPECT_EQ(LoadResourceString(57344), QStringLiteral("icon"));
    EXPECT_EQ(LoadResourceString(128), QStringLiteral("icon"));
    EXPECT_EQ(LoadResourceString(57345), QStringLiteral("For Help, press F1"));
    EXPECT_EQ(LoadResourceString(108), QStringLiteral("Did you know..."));
    EXPECT_TRUE(LoadResourceString(4242).isEmpty());

    EXPECT_EQ(LoadResourceString(129),
        QStringLiteral("\nIcon\nIcon\nIcon Files\n.ico\nIcon.Document\nIcon Document"));
    EXPECT_TRUE(DocumentString(DocStringField::WindowTitle).isEmpty());
    EXPECT_EQ(DocumentString(DocStringField::DocName), QStringLiteral("Icon"));
    EXPECT_EQ(DocumentString(DocStringField::FilterName), QStringLiteral("Icon Files"));
    EXPECT_EQ(DocumentString(DocStringField::FilterExt), QStringLiteral(".ico"));
    EXPECT_EQ(DocumentString(DocStringField::RegFileTypeName), QStringLiteral("Icon Document"));
}
