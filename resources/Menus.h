// SPDX-License-Identifier: GPL-3.0-or-later
// The program's three menu resources as data: the frame menu (no document open), the document
// menu (an icon document is active) and the canvas's context menu. The window layer turns these
// into QMenus whose actions come from the shared per-command QActions.
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

const Menu& FrameMenu(); // IDR_MAINFRAME
const Menu& DocumentMenu(); // IDR_ICONTYPE
const Menu& ContextMenu(); // IDR_CONTEXT_MENU; the canvas shows its first popup

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
