// SPDX-License-Identifier: GPL-3.0-or-later
// The program's three menu resources as data: the frame menu (no document open), the document
// menu (an icon document is active) and the canvas's context menu. The window layer turns these
// into QMenus whose actions come from the shared per-command QActions.
#pragma once

#include "framework/Menu.h"

const Menu& FrameMenu(); // IDR_MAINFRAME
const Menu& DocumentMenu(); // IDR_ICONTYPE
const Menu& ContextMenu(); // IDR_CONTEXT_MENU; the canvas shows its first popup
