// SPDX-License-Identifier: GPL-3.0-or-later
// A platform for tests: answers come from queues, and every message box, dialog and sound is
// recorded so tests can assert on them without a display or sound device.
#pragma once

#include "framework/Platform.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

struct RecordedMessage {
    QString text;
    QString caption;
    unsigned style = 0;
};

class ScriptedPlatform final : public Platform {
public:
    int MessageBox(const QString& text, const QString& caption, unsigned style) override;
    std::optional<COLORREF> ChooseColor(QWidget* parent, COLORREF initial) override;
    std::optional<FontChoice> ChooseFont(
        QWidget* parent, const std::optional<FontChoice>& initial) override;
    QString GetOpenFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    QString GetSaveFileName(
        QWidget* parent, const QString& filter, const QString& proposed) override;
    void PlaySound(const QString& fileName) override { sounds.push_back(fileName); }
    void SetWaitCursor(bool on) override { waitCursorDepth += on ? 1 : -1; }
    bool ClipboardHasImage() override { return !clipboardImage.isNull(); }
    QImage ClipboardImage() override { return clipboardImage; }
    // Records the dialog's title and lets the next queued script act as the user; with no
    // script the dialog ends as if Escape was pressed, without ever being shown.
    int DoModal(QDialog& dialog) override;

    // Queued answers; an empty queue answers IDOK / cancel.
    std::deque<int> messageAnswers;
    std::deque<std::optional<COLORREF>> colorAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    // What the system clipboard holds; a null image when it holds no picture.
    QImage clipboardImage;
    // A script receives the dialog (not shown) and returns what the run answers.
    std::deque<std::function<int(QDialog&)>> dialogScripts;
    // Queues a script for the next dialog, which must be a D; any other dialog fails the test
    // and is cancelled.
    template <typename D> void ScriptDialog(std::function<int(D&)> script);

    std::vector<RecordedMessage> messages;
    // Runs as each message box is recorded, to look at the program at that moment.
    std::function<void(const RecordedMessage&)> onMessage;
    std::vector<COLORREF> colorRequests;
    // What each font dialog opened on.
    std::vector<std::optional<FontChoice>> fontRequests;
    std::vector<QString> fileFilters;
    std::vector<QString> openFolders; // where each Open dialog started
    std::vector<QString> saveProposals; // what each Save As dialog proposed
    std::vector<QString> modalDialogs; // window titles, in the order the dialogs ran
    std::vector<QString> sounds;
    int waitCursorDepth = 0;
};

template <typename D> void ScriptedPlatform::ScriptDialog(std::function<int(D&)> script)
{
    dialogScripts.push_back([script = std::move(script)](QDialog& dialog) {
        auto* expected = dynamic_cast<D*>(&dialog);
        if (!expected) {
            ADD_FAILURE() << "a script for another dialog met "
                          << dialog.windowTitle().toStdString();
            return int(IDCANCEL);
        }
        return script(*expected);
    });
}

// Installs a fresh ScriptedPlatform for the lifetime of the object.
class ScopedScriptedPlatform {
public:
    ScopedScriptedPlatform();
    ~ScopedScriptedPlatform();
    ScopedScriptedPlatform(const ScopedScriptedPlatform&) = delete;
    ScopedScriptedPlatform& operator=(const ScopedScriptedPlatform&) = delete;
    ScriptedPlatform* operator->() { return m_platform; }
    ScriptedPlatform& operator*() { return *m_platform; }

private:
    ScriptedPlatform* m_platform;
    std::unique_ptr<Platform> m_previous;
};
