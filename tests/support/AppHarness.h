// Starts the real editor application under the offscreen platform with a scripted platform and
// an empty (or prepared) settings store, for tests that drive it like a user.
#pragma once

#include "support/ScriptedPlatform.h"

#include <QStringList>
#include <memory>

class CEditorApp;
class CMainFrame;
class CIconDoc;
class CIconView;
class CMDIChildWnd;

class AppHarness {
public:
    // Removes the settings store, so the run starts as on a fresh install.
    static void ClearSettings();

    explicit AppHarness(const QStringList& arguments = {});
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
