// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the editor.
#include "app/EditorApp.h"
#include "framework/MDIFrameWnd.h"
#include "framework/QtPlatform.h"
#include "framework/TerminationSignals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixmora"));
    // Ties the windows to the menu entry (org.pixmora.Pixmora.desktop): the window class is
    // "Pixmora" on X11, the application id on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pixmora.Pixmora"));
    SetPlatform(std::make_unique<QtPlatform>());

    CEditorApp theApp;
    theApp.m_arguments = QApplication::arguments().mid(1);
    if (!theApp.InitInstance())
        return theApp.m_nStartupExitCode;
    EndSessionOnTerminationSignals([&theApp] {
        if (CMDIFrameWnd* frame = theApp.GetMainWnd())
            frame->EndSession();
    });
    return theApp.Run();
}
