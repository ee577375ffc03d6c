// SPDX-License-Identifier: GPL-3.0-or-later
// CEditorApp: the application object. Its start-up opens the settings store, registers the
// icon document type, creates the main frame and opens an empty or the named icon.
#pragma once

#include "framework/WinApp.h"

#include <QObject>

class CEditorApp : public CWinApp {
public:
    CEditorApp();
    ~CEditorApp() override;

    bool InitInstance() override;
    // Offers an event to the splash window before it is dispatched; true when consumed.
    bool PreTranslateMessage(QObject* watched, QEvent* event);

    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;
    void OnHelpAbout();
    // Shows the tip of the day, whether or not it is shown at start-up.
    void OnHelpTipOfTheDay();
    // Start-up: the tip of the day, unless switched off or started embedded.
    void ShowStartupTip();

    // The program's exit code when InitInstance returned false: 0 after --help, --version or
    // --data-files printed their text (1 when a data file is missing), 2 for an unknown
    // option, 1 when start-up failed.
    int m_nStartupExitCode = 1;

private:
    class EventFilter;
    std::unique_ptr<EventFilter> m_pEventFilter;
};
