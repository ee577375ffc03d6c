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
    SetPlatform(std::make_unique<QtPlatform>());

    CEditorApp theApp;
    theApp.m_arguments = QApplication::arguments().mid(1);
    if (!theApp.InitInstance())
        return theApp.m_bPrintedInfo ? 0 : 1;
    EndSessionOnTerminationSignals([&theApp] {
        if (CMDIFrameWnd* frame = theApp.GetMainWnd())
            frame->EndSession();
    });
    return theApp.Run();
}
