// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppHarness.h"

#include "app/EditorApp.h"
#include "canvas/IconView.h"
#include "dialogs/SplashBitmapWnd.h"
#include "document/IconDoc.h"
#include "frame/MainFrame.h"
#include "framework/MDIChildWnd.h"
#include "framework/Profile.h"

#include <QApplication>
#include <QFile>

void AppHarness::ClearSettings()
{
    SetRegistryKey(QStringLiteral("vrek"));
    QFile::remove(ProfileFileName());
    ReloadProfile();
}

AppHarness::AppHarness(const QStringList& arguments)
    : AppHarness(arguments, HarnessOptions {})
{
}

AppHarness::AppHarness(const QStringList& arguments, const HarnessOptions& options)
    : m_app(std::make_unique<CEditorApp>())
{
    if (options.prepare)
        options.prepare(*m_platform);
    m_app->m_arguments = arguments;
    m_started = m_app->InitInstance();
    if (!options.keepSplash)
        if (CSplashBitmapWnd* splash = CSplashBitmapWnd::Instance())
            splash->HideSplash();
    QApplication::processEvents();
}

AppHarness::~AppHarness()
{
    if (m_started && m_app->GetMainWnd() && m_app->GetMainWnd()->isVisible())
        m_app->GetMainWnd()->close();
    m_app.reset();
    QApplication::processEvents();
    // The splash permission is process-wide: one run's must not carry over into the next test.
    CSplashBitmapWnd::EnableSplash(false);
}

CMainFrame& AppHarness::frame() { return static_cast<CMainFrame&>(*m_app->GetMainWnd()); }

void AppHarness::Command(int id)
{
    frame().ExecuteCommand(id);
    QApplication::processEvents();
}

bool AppHarness::IsEnabled(int id) { return frame().QueryCommand(id).m_bEnabled; }

bool AppHarness::IsChecked(int id) { return frame().QueryCommand(id).m_nCheck != 0; }

std::vector<CMDIChildWnd*> AppHarness::Windows()
{
    QApplication::processEvents();
    std::vector<CMDIChildWnd*> open;
    for (CMDIChildWnd* w : frame().ChildFrames())
        if (w->GetActiveDocument())
            open.push_back(w);
    return open;
}

CIconDoc* AppHarness::ActiveDocument()
{
    return dynamic_cast<CIconDoc*>(frame().GetActiveDocument());
}

CIconView* AppHarness::ActiveView() { return dynamic_cast<CIconView*>(frame().GetActiveView()); }

bool AppHarness::CloseMainWindow()
{
    const bool closed = frame().close();
    QApplication::processEvents();
    return closed;
}
