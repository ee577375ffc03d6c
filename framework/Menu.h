// SPDX-License-Identifier: GPL-3.0-or-later
// A menu resource as data: items with their texts and command ids, nested popups. Frames turn
// these into QMenus whose actions are the shared per-command QActions.
#pragma once

#include <QString>

#include <vector>

struct MenuItem {
    enum class Kind { Command, Separator, Popup };

    Kind kind = Kind::Separator;
    // The text as the resource holds it: '&' marks the mnemonic ("&&" is a literal ampersand)
    // and a tab separates the shortcut text shown at the right.
    QString text;
    int id = 0; // the command id of a Command item; 0 otherwise
    std::vector<MenuItem> children; // the items of a Popup

    // The text before the tab, mnemonic markers removed ("&Rotate && Flip" -> "Rotate & Flip").
    QString Label() const;
    // The text after the tab ("&Undo\tCtrl+Z" -> "Ctrl+Z"); empty when there is none.
    QString ShortcutText() const;
};

// A menu bar, or for the context menu a resource holding one popup.
using Menu = std::vector<MenuItem>;

// `text` without its mnemonic markers; "&&" stays as one '&'.
QString StripMnemonic(const QString& text);

// Calls `visit` for every Command item of `menu`, submenus included, in menu order.
template <typename Visit> void ForEachCommand(const Menu& menu, Visit&& visit)
{
    for (const MenuItem& item : menu) {
        if (item.kind == MenuItem::Kind::Command)
            visit(item);
        else if (item.kind == MenuItem::Kind::Popup)
            ForEachCommand(item.children, visit);
    }
}
