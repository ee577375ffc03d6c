// SPDX-License-Identifier: GPL-3.0-or-later
// Every number the program's resources are known by: command ids, menu, toolbar, dialog,
// bitmap and string resources, and the dialog control ids.
//
// A command id is the command's identity everywhere (menus, palettes, accelerators, the tool
// state), so these are plain ints rather than an enum: tables and the settings store hold them
// as numbers. The framework's standard commands (framework/CommandIds.h) keep their
// conventional names and values (57344 upward); the editor's own commands live in 32772..32846,
// plus 106 for the tip of the day.
#pragma once

#include "framework/CommandIds.h"

// The editor's drawing tools. `ToolState::currentTool` holds one of these (or
// ID_MOVE_SELECTION while a selection is being moved).
constexpr int ID_TOOL_BRUSH = 32772;
constexpr int ID_TOOL_LINE = 32773;
constexpr int ID_TOOL_RECTANGLE = 32774;
constexpr int ID_TOOL_ELLIPSE = 32775;
constexpr int ID_TOOL_FILLED_RECTANGLE = 32776;
constexpr int ID_TOOL_FILLED_ELLIPSE = 32777;
constexpr int ID_TOOL_FLOOD_FILL = 32778;
constexpr int ID_TOOL_ERASER = 32801;
constexpr int ID_TOOL_DARKEN = 32827;
constexpr int ID_TOOL_LIGHTEN = 32828;
constexpr int ID_TOOL_STRAIGHT_LINE_H = 32830; // left to right
constexpr int ID_TOOL_STRAIGHT_LINE_V = 32831; // top to bottom
constexpr int ID_TOOL_SELECTOR = 32838;

// Pen sizes (`ToolState::penSize`) and anti-aliasing.
constexpr int ID_PEN_1X1 = 32819;
constexpr int ID_PEN_3X3 = 32820;
constexpr int ID_PEN_5X5 = 32821;
constexpr int ID_PEN_ROUND = 32822; // 5 by 5 round
constexpr int ID_ANTI_ALIAS = 32829;

// Image commands.
constexpr int ID_ROTATE_CCW = 32779;
constexpr int ID_ROTATE_CW = 32781;
constexpr int ID_FLIP_HORIZONTAL = 32783;
constexpr int ID_FLIP_VERTICAL = 32785;
constexpr int ID_IMAGE_CLEAR = 32787;
constexpr int ID_ROTATE_180 = 32791;
constexpr int ID_MAKE_LIGHTER = 32793;
constexpr int ID_MAKE_DARKER = 32794;
constexpr int ID_ADD_GREEN = 32795;
constexpr int ID_ADD_RED = 32796;
constexpr int ID_ADD_BLUE = 32797;
constexpr int ID_REMOVE_GREEN = 32798;
constexpr int ID_REMOVE_RED = 32799;
constexpr int ID_REMOVE_BLUE = 32800;
constexpr int ID_CURVED_EDGE_FRAME = 32844;

// View commands: the active image size, background colour, palettes.
constexpr int ID_VIEW_16 = 32788;
constexpr int ID_VIEW_32 = 32789;
constexpr int ID_VIEW_48 = 32790;
constexpr int ID_BACKGROUND_COLOR = 32802;
constexpr int ID_VIEW_TOOL_PALETTE = 32834;
constexpr int ID_VIEW_BRUSH_PALETTE = 32841;

// Selection, clipboard, text and the rest.
constexpr int ID_TEXT = 32836;
constexpr int ID_PREFERENCES = 32837;
constexpr int ID_UNSELECT = 32843;
constexpr int ID_MOVE_SELECTION = 32845;
constexpr int ID_EDIT_PASTE_INTERNAL = 32846;
constexpr int ID_TIP_OF_THE_DAY = 106;

// Menus, toolbars, icons and the document template.
constexpr int IDR_MAINFRAME = 128; // frame menu, "Commands" toolbar, app icon, title string
constexpr int IDR_ICONTYPE = 129; // document menu, document icon, document string
constexpr int IDR_CONTEXT_MENU = 114; // the canvas's context menu (one popup)
constexpr int IDR_BRUSH_SIZES = 199; // "Brush Sizes" palette
constexpr int IDR_TOOLS = 200; // "Tools" palette

// Dialogs.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_STARTUP_TIP = 105;
constexpr int IDD_ADD_TEXT = 131;
constexpr int IDD_PREFERENCES = 133;

// Bitmaps.
constexpr int IDB_SPLASH = 103; // 520 by 317
constexpr int IDB_TIP_BULB = 104; // 40 by 53, the tip panel's corner picture
constexpr int IDB_SWAP = 135; // 19 by 19, the colour swap button

// Strings of the tip of the day.
constexpr int IDS_DID_YOU_KNOW = 108;
constexpr int IDS_TIPS_FILE_MISSING = 109;
constexpr int IDS_TIPS_FILE_ERROR = 110;

// Dialog controls, the one place their ids are kept: each dialog's template, its data exchange
// and the tests all reach a control by these names. A dialog looks up only its own controls, so
// the same number may serve two dialogs.

// Tip of the day dialog controls.
constexpr int IDC_TIP_PANEL = 1000;
constexpr int IDC_TIP_STARTUP = 1001;
constexpr int IDC_TIP_NEXT = 1002;
constexpr int IDC_TIP_TEXT = 1004;

// Add Text dialog controls.
constexpr int IDC_TEXT_EDIT = 1002;
constexpr int IDC_TEXT_FONT = 1003;
constexpr int IDC_TEXT_LEFT = 1010;
constexpr int IDC_TEXT_RIGHT = 1011;
constexpr int IDC_TEXT_DOWN = 1012;
constexpr int IDC_TEXT_UP = 1013;

// Preferences dialog controls. Each radio group's first id is the one its index is exchanged
// through (0 = first button).
constexpr int IDC_COLOR_BRUSH_LIGHT = 1017;
constexpr int IDC_COLOR_BRUSH_MEDIUM = 1018;
constexpr int IDC_COLOR_BRUSH_HEAVY = 1019;
constexpr int IDC_DENSITY_BRUSH_LIGHT = 1020;
constexpr int IDC_DENSITY_BRUSH_MEDIUM = 1021;
constexpr int IDC_DENSITY_BRUSH_HEAVY = 1022;
constexpr int IDC_COLOR_COMMAND_LIGHT = 1023;
constexpr int IDC_COLOR_COMMAND_MEDIUM = 1024;
constexpr int IDC_COLOR_COMMAND_HEAVY = 1025;
constexpr int IDC_DENSITY_COMMAND_LIGHT = 1026;
constexpr int IDC_DENSITY_COMMAND_MEDIUM = 1027;
constexpr int IDC_DENSITY_COMMAND_HEAVY = 1028;
constexpr int IDC_ENABLE_SOUNDS = 1029;
constexpr int IDC_LARGE_CANVAS = 1031;
constexpr int IDC_SMALL_CANVAS = 1032;
