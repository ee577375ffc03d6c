// SPDX-License-Identifier: GPL-3.0-or-later
// The help page, generated from the menu, accelerator, toolbar and string tables so it always
// describes the commands the program actually has.
#pragma once

#include <QString>

// Plain HTML (headings and tables only) for a QTextBrowser: every item of the document menu with
// what it does and its keys, the canvas's context menu, and every palette button with its
// tooltip and prompt.
QString BuildHelpHtml();
// The name of the anchor on each of a command's entries on the help page; context help opens
// the page at the first.
QString HelpAnchor(int commandId);
