// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the framework's own commands, strings, bars and status indicators: the
// documents, frames and application handle these themselves, so they belong to the framework
// rather than to the program's resources, which add the editor's own commands.
#pragma once

// Framework strings and bars.
constexpr int AFX_IDS_APP_TITLE = 57344; // "icon"
constexpr int AFX_IDS_IDLEMESSAGE = 57345; // the status bar's idle prompt
constexpr int AFX_IDW_TOOLBAR = 59392; // every toolbar is created with this control id
constexpr int AFX_IDW_STATUS_BAR = 59393;
constexpr int ID_SEPARATOR = 0; // a separator in toolbar and status bar tables

// Framework commands: File.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_FILE_MRU_FILE2 = 57617;
constexpr int ID_FILE_MRU_FILE3 = 57618;
constexpr int ID_FILE_MRU_FILE4 = 57619;
constexpr int kRecentFileCount = 4;
constexpr int ID_APP_EXIT = 57665;

// Framework commands: Edit.
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637; // pastes the system clipboard's bitmap
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;

// Framework commands: Window, View, Help.
constexpr int ID_WINDOW_ARRANGE = 57649;
constexpr int ID_WINDOW_CASCADE = 57650;
constexpr int ID_WINDOW_TILE_HORZ = 57651;
constexpr int ID_VIEW_TOOLBAR = 59392; // same number as the toolbar's control id
constexpr int ID_VIEW_STATUS_BAR = 59393; // same number as the status bar's control id
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_HELP_FINDER = 57667;
constexpr int ID_CONTEXT_HELP = 57669;
constexpr int ID_HELP = 57670;
constexpr int ID_DEFAULT_HELP = 57671;

// Status bar indicators.
constexpr int ID_INDICATOR_CAPS = 59137;
constexpr int ID_INDICATOR_NUM = 59138;
constexpr int ID_INDICATOR_SCRL = 59139;
