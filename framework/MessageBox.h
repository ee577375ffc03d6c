// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes, the one part of the platform seam that code without a GUI library needs: the
// icon codec reports through them, and the command-line tool, which links QtCore only, turns
// them into lines on its error stream. The full platform (framework/Platform.h) is one kind of
// MessageBoxes and installs itself here.
#pragma once

#include <QString>

// Message box styles and answers, with the classic values the program uses.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
constexpr unsigned MB_ICONERROR = MB_ICONSTOP;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal message box and returns the button pressed (IDOK, IDYES, ...).
    virtual int MessageBox(const QString& text, const QString& caption, unsigned style) = 0;
};

// The answer when nobody can see the box: "caption: text" on stderr; OK-only boxes are
// acknowledged, every question is declined.
int ConsoleMessageBox(const QString& text, const QString& caption, unsigned style);
// The answer nobody gave: IDOK for a box with an OK button only, IDCANCEL for any question.
int UnansweredMessageBox(unsigned style);

// Where message boxes go. Until something is installed, to ConsoleMessageBox.
MessageBoxes& messageBoxes();
// Sends message boxes to boxes, which the caller keeps alive while it is installed (nullptr:
// back to the console). Returns what was installed before.
MessageBoxes* SetMessageBoxes(MessageBoxes* boxes);

// The framework's message box helper: caption is the application title.
int AfxMessageBox(const QString& text, unsigned style = MB_OK | MB_ICONEXCLAMATION);
QString AfxGetAppTitle();
