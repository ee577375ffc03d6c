// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedPlatform.h"

#include <QDialog>

namespace {
template <typename T> T takeFront(std::deque<T>& queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
}

int ScriptedPlatform::MessageBox(const QString& text, const QString& caption, unsigned style)
{
    messages.push_back({ text, caption, style });
    if (onMessage)
        onMessage(messages.back());
    return takeFront(messageAnswers, int(IDOK));
}

std::optional<COLORREF> ScriptedPlatform::ChooseColor(QWidget*, COLORREF initial)
{
    colorRequests.push_back(initial);
    return takeFront(colorAnswers, std::optional<COLORREF>());
}

std::optional<FontChoice> ScriptedPlatform::ChooseFont(
    QWidget*, const std::optional<FontChoice>& initial)
{
    fontRequests.push_back(initial);
    return takeFront(fontAnswers, std::optional<FontChoice>());
}

QString ScriptedPlatform::GetOpenFileName(QWidget*, const QString& filter, const QString& folder)
{
    fileFilters.push_back(filter);
    openFolders.push_back(folder);
    return takeFront(openAnswers, QString());
}

QString ScriptedPlatform::GetSaveFileName(QWidget*, const QString& filter, const QString& proposed)
{
    fileFilters.push_back(filter);
    saveProposals.push_back(proposed);
    return takeFront(saveAnswers, QString());
}

int ScriptedPlatform::DoModal(QDialog& dialog)
{
    modalDialogs.push_back(dialog.windowTitle());
    const auto script = takeFront(dialogScripts, std::function<int(QDialog&)>());
    return script ? script(dialog) : int(IDCANCEL);
}

ScopedScriptedPlatform::ScopedScriptedPlatform()
{
    auto platform = std::make_unique<ScriptedPlatform>();
    m_platform = platform.get();
    m_previous = SetPlatform(std::move(platform));
}

ScopedScriptedPlatform::~ScopedScriptedPlatform() { SetPlatform(std::move(m_previous)); }
