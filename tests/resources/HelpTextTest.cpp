// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/HelpText.h"
#include "resources/Accelerators.h"
#include "resources/CommandTexts.h"
#include "resources/Menus.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTextDocument>

namespace {

// The table row (one line of the page) whose first cell is `label`.
QString RowOf(const QString& html, const QString& label)
{
    const QString cell
        = QStringLiteral("<tr><td>") + label.toHtmlEscaped() + QStringLiteral("</td>");
    for (const QString& line : html.split(u'\n'))
        if (line.startsWith(cell))
            return line;
    return {};
}

} // namespace

TEST(HelpText, DescribesEveryDocumentMenuCommandWithItsPromptAndKeys)
{
    const QString html = BuildHelpHtml();
    int commands = 0;
    ForEachCommand(DocumentMenu(), [&](const MenuItem& item) {
        ++commands;
        const QString row = RowOf(html, item.Label());
        ASSERT_FALSE(row.isEmpty()) << item.text.toStdString();
        EXPECT_TRUE(row.contains(FindCommandText(item.id)->Prompt().toHtmlEscaped()))
            << row.toStdString();
        for (QKeyCombination key : KeysForCommand(item.id))
            EXPECT_TRUE(row.contains(KeyText(key))) << row.toStdString();
    });
    EXPECT_EQ(commands, 52);
    EXPECT_TRUE(
        RowOf(html, QStringLiteral("Undo")).contains(QStringLiteral("Ctrl+Z, Alt+Backspace")));
}

TEST(HelpText, ReadsAsPlainTextWithoutMnemonicsOrMarkupLeaks)
{
    QTextDocument document;
    document.setHtml(BuildHelpHtml());
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Image \u203A Rotate & Flip")));
    EXPECT_TRUE(text.contains(QStringLiteral("Rotate 90\u00B0 CCW")));
    EXPECT_TRUE(text.contains(QStringLiteral("Set Pixmora's preferences")));
    EXPECT_FALSE(text.contains(QStringLiteral("&&")));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("&[A-Za-z]"))));
    EXPECT_FALSE(text.contains(u'\t'));
    EXPECT_FALSE(text.contains(u'<'));
}

TEST(HelpText, ListsEveryPaletteButtonByTooltipAndPrompt)
{
    const QString html = BuildHelpHtml();
    for (const ToolbarLayout& bar : Toolbars()) {
        const qsizetype section
            = html.indexOf(QStringLiteral("<h3>%1</h3>").arg(QString::fromUtf8(bar.name)));
        ASSERT_GE(section, 0) << bar.name;
        for (int id : bar.buttons) {
            if (id == 0)
                continue;
            const CommandText* text = FindCommandText(id);
            const QString row = QStringLiteral("<tr><td>%1</td><td><a name=\"%2\">%3</a></td>")
                                    .arg(text->Tooltip().toHtmlEscaped(), HelpAnchor(id),
                                        text->Prompt().toHtmlEscaped());
            EXPECT_GT(html.indexOf(row, section), section) << id;
        }
    }
}
