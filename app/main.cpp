// Entry point of the editor.
#include "app/EditorApp.h"
#include "framework/QtPlatform.h"

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
    return theApp.Run();
}
