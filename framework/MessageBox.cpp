// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/MessageBox.h"

#include <cstdio>

namespace {

class ConsoleMessageBoxes final : public MessageBoxes {
public:
    int MessageBox(const QString& text, const QString& caption, unsigned style) override
    {
        return ConsoleMessageBox(text, caption, style);
    }
};

MessageBoxes& console()
{
    static ConsoleMessageBoxes boxes;
    return boxes;
}

MessageBoxes*& installed()
{
    static MessageBoxes* current = &console();
    return current;
}

} // namespace

int UnansweredMessageBox(unsigned style) { return (style & 0xF) == MB_OK ? IDOK : IDCANCEL; }

int ConsoleMessageBox(const QString& text, const QString& caption, unsigned style)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    return UnansweredMessageBox(style);
}

MessageBoxes& messageBoxes() { return *installed(); }

MessageBoxes* SetMessageBoxes(MessageBoxes* boxes)
{
    MessageBoxes* previous = installed();
    installed() = boxes ? boxes : &console();
    return previous;
}

int AfxMessageBox(const QString& text, unsigned style)
{
    // The framework's boxes always carry an icon: a question mark for questions, otherwise the
    // exclamation mark, when none is asked for.
    if ((style & 0xF0) == 0) {
        const unsigned buttons = style & 0xF;
        style |= buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? MB_ICONQUESTION
                                                                  : MB_ICONEXCLAMATION;
    }
    return messageBoxes().MessageBox(text, AfxGetAppTitle(), style);
}

QString AfxGetAppTitle() { return QStringLiteral("icon"); }
