// SPDX-License-Identifier: GPL-3.0-or-later
// The accelerator table: keys that deliver a command without opening a menu. Several commands
// have two keys (Copy, Cut, Paste, Undo). The toolbar layouts, the other route from a button to a
// command, come along through Toolbars.h.
#pragma once

#include "resources/Toolbars.h"

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <span>

struct Accelerator {
    QKeyCombination key;
    int id;
};

// All 25 entries in table order.
std::span<const Accelerator> Accelerators();

// The command bound to `key`, or 0 when no accelerator has that key.
int CommandForKey(QKeyCombination key);

// Every key of command `id`, in table order (Undo: Ctrl+Z, Alt+Backspace).
QList<QKeyCombination> KeysForCommand(int id);

// A key as the menus write it: modifiers Ctrl, Shift, Alt in that order, then the key name
// ("Ctrl+Shift+V", "Shift+Delete", "Ctrl+Insert", "Alt+Backspace", "F6", "Left").
QString KeyText(QKeyCombination key);
