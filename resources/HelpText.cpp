// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/HelpText.h"

#include "resources/Accelerators.h"
#include "resources/CommandTexts.h"
#include "resources/Menus.h"

#include <QStringList>

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QString PromptOf(int id)
{
    const CommandText* text = FindCommandText(id);
    return text ? text->Prompt() : QString();
}

QString KeysOf(int id)
{
    QStringList keys;
    for (QKeyCombination key : KeysForCommand(id))
        keys.append(KeyText(key));
    return keys.join(QStringLiteral(", "));
}

QString Row(const QStringList& cells, const char* cellTag = "td")
{
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(cellTag), Escaped(cell));
    return row + QStringLiteral("</tr>\n");
}

// A bordered table of commands whose first column is headed `firstHeading`.
QString TableStart(const QString& firstHeading)
{
    return QStringLiteral(
               "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n")
        + Row({ firstHeading, QStringLiteral("What it does"), QStringLiteral("Keys") }, "th");
}

const QString kTableEnd = QStringLiteral("</table>\n");

// A command's row: its name, what it does (which carries the command's anchor) and its keys.
QString CommandRow(int id, const QString& name)
{
    const QString prompt = PromptOf(id);
    return QStringLiteral("<tr><td>%1</td><td><a name=\"%2\">%3</a></td><td>%4</td></tr>\n")
        .arg(Escaped(name), HelpAnchor(id), Escaped(prompt), Escaped(KeysOf(id)));
}

// One popup: a heading with its path and a table of its commands (nothing for a popup that only
// holds submenus), then its submenus in order. An empty path leaves the heading out.
QString PopupSection(const MenuItem& popup, const QString& path)
{
    QString rows;
    for (const MenuItem& item : popup.children)
        if (item.kind == MenuItem::Kind::Command)
            rows += CommandRow(item.id, item.Label());
    QString html;
    if (!rows.isEmpty()) {
        if (!path.isEmpty())
            html += QStringLiteral("<h3>%1</h3>\n").arg(Escaped(path));
        html += TableStart(QStringLiteral("Item")) + rows + kTableEnd;
    }
    for (const MenuItem& item : popup.children) {
        if (item.kind != MenuItem::Kind::Popup)
            continue;
        const QString label = item.Label();
        html += PopupSection(
            item, path.isEmpty() ? label : path + QStringLiteral(" \u203A ") + label);
    }
    return html;
}

QString MenuSection()
{
    QString html = QStringLiteral("<h2>Menus</h2>\n<p>These menus are shown while an icon is "
                                  "open.</p>\n");
    for (const MenuItem& popup : DocumentMenu())
        html += PopupSection(popup, popup.Label());
    return html;
}

QString ContextMenuSection()
{
    QString html = QStringLiteral("<h2>Canvas menu</h2>\n<p>Click the right mouse button in an "
                                  "icon window for a shorter menu of image commands.</p>\n");
    for (const MenuItem& popup : ContextMenu())
        html += PopupSection(popup, QString());
    return html;
}

QString PaletteSection()
{
    QString html = QStringLiteral("<h2>Palettes</h2>\n<p>Rest the pointer on a button to see its "
                                  "name; the status bar then says what it does.</p>\n");
    for (const ToolbarLayout& bar : Toolbars()) {
        html += QStringLiteral("<h3>%1</h3>\n").arg(Escaped(QString::fromUtf8(bar.name)));
        html += TableStart(QStringLiteral("Button"));
        for (int id : bar.buttons) {
            const CommandText* text = FindCommandText(id);
            if (id == ID_SEPARATOR || !text)
                continue;
            html += CommandRow(id, text->HasTooltip() ? text->Tooltip() : text->Prompt());
        }
        html += kTableEnd;
    }
    return html;
}

} // namespace

QString HelpAnchor(int commandId) { return QStringLiteral("command-%1").arg(commandId); }

QString BuildHelpHtml()
{
    return QStringLiteral(
               "<html><head><title>Pixmora Help</title></head><body>\n"
               "<h1>Pixmora Help</h1>\n"
               "<p>Pixmora edits icon files (.ico). Each icon holds a 16 x 16, a "
               "32 x 32 and a 48 x 48 image; F6, F7 and F8 choose the one to edit.</p>\n")
        + MenuSection() + ContextMenuSection() + PaletteSection()
        + QStringLiteral("</body></html>\n");
}
