// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Platform.h"

#include <cstdio>

namespace {

std::unique_ptr<Platform>& current()
{
    static std::unique_ptr<Platform> instance = std::make_unique<ConsolePlatform>();
    return instance;
}

QString& appTitle()
{
    static QString title = QStringLiteral("icon");
    return title;
}

} // namespace

int ConsolePlatform::MessageBox(const QString& text, const QString& caption, unsigned style)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    // Nobody can answer: OK-only boxes are acknowledged, every question is declined.
    return (style & 0xF) == MB_OK ? IDOK : IDCANCEL;
}

std::optional<FontChoice> Platform::ChooseFont(QWidget*, const std::optional<FontChoice>&)
{
    return std::nullopt;
}

Platform& platform() { return *current(); }

std::unique_ptr<Platform> SetPlatform(std::unique_ptr<Platform> p)
{
    auto previous = std::move(current());
    current() = p ? std::move(p) : std::make_unique<ConsolePlatform>();
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
    return platform().MessageBox(text, appTitle(), style);
}

QString AfxGetAppTitle() { return appTitle(); }
