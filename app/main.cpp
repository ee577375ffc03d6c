// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the editor.
#include "app/EditorApp.h"
#include "framework/AtomicFileWriter.h"
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
    ReportFileSizeLimitAsWriteError();

    CEditorApp theApp;
    theApp.m_arguments = QApplication::arguments().mid(1);
    // Before start-up shows anything: a signal during the tip of the day ends it and the
    // settings are still written.
    const auto endSession = [&theApp] {
        if (CMDIFrameWnd* frame = theApp.GetMainWnd())
            frame->EndSession();
    };
    EndSessionOnTerminationSignals(endSession);
    if (!theApp.InitInstance())
        return theApp.m_nStartupExitCode;
    if (TerminationRequested()) {
        // The signal came before the main frame existed, or it ended a start-up dialog:
        // finish as the main loop would have.
        endSession();
        return 0;
    }
    return theApp.Run();
}
