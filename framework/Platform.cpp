// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Platform.h"

namespace {

std::unique_ptr<Platform>& current()
{
    static std::unique_ptr<Platform> instance = std::make_unique<ConsolePlatform>();
    return instance;
}

} // namespace

int ConsolePlatform::MessageBox(const QString& text, const QString& caption, unsigned style)
{
    return ConsoleMessageBox(text, caption, style);
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
    SetMessageBoxes(current().get());
    return previous;
}
