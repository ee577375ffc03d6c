#include "framework/Platform.h"

#include <cstdio>

namespace {

// Used when no desktop is present (the command-line tool, early start-up).
class ConsolePlatform final : public Platform {
public:
    int MessageBox(const QString& text, const QString& caption, unsigned style) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
        return (style & 0xF) == MB_OK ? IDOK : IDCANCEL;
    }
    std::optional<COLORREF> ChooseColor(QWidget*, COLORREF) override { return std::nullopt; }
    QString GetOpenFileName(QWidget*, const QString&) override { return {}; }
    QString GetSaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    void PlaySound(const QString&) override { }
    void SetWaitCursor(bool) override { }
    bool ClipboardHasImage() override { return false; }
    QImage ClipboardImage() override { return {}; }
};

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
    return platform().MessageBox(text, appTitle(), style);
}

QString AfxGetAppTitle() { return appTitle(); }
void AfxSetAppTitle(const QString& title) { appTitle() = title; }
