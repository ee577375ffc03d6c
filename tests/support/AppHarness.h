// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the real editor application under the offscreen platform with a scripted platform and
// an empty (or prepared) settings store, for tests that drive it like a user.
#pragma once

#include "support/ScriptedPlatform.h"

#include <QStringList>
#include <functional>
#include <memory>

class CEditorApp;
class CMainFrame;
class CIconDoc;
class CIconView;
class CMDIChildWnd;

// How a harness starts the editor, beyond its command line.
struct HarnessOptions {
    // Runs with the scripted platform before start-up, e.g. to script the tip of the day.
    std::function<void(ScriptedPlatform&)> prepare;
    // By default the splash window is closed once start-up is over, as it would be after a
    // moment, so that tests can type and click at once; true leaves it up.
    bool keepSplash = false;
};

class AppHarness {
public:
    // Removes the settings store, so the run starts as on a fresh install.
    static void ClearSettings();

    explicit AppHarness(const QStringList& arguments = {});
    AppHarness(const QStringList& arguments, const HarnessOptions& options);
    ~AppHarness();
    AppHarness(const AppHarness&) = delete;
    AppHarness& operator=(const AppHarness&) = delete;

    bool started() const { return m_started; }
    CEditorApp& app() { return *m_app; }
    CMainFrame& frame();
    ScriptedPlatform& platform() { return *m_platform; }

    // Executes a command the way a menu item or key does.
    void Command(int id);
    bool IsEnabled(int id);
    bool IsChecked(int id);

    std::vector<CMDIChildWnd*> Windows();
    CIconDoc* ActiveDocument();
    CIconView* ActiveView();
    // Closes the main window as the user would; false when the close was refused.
    bool CloseMainWindow();

private:
    ScopedScriptedPlatform m_platform;
    std::unique_ptr<CEditorApp> m_app;
    bool m_started = false;
};
