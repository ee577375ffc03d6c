// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of our platform: a bare Qt program showing one main window with a menu bar. The
// start-up benchmark measures the editor against it, so the editor's own start-up cost is
// what remains above this.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.resize(640, 480);
    window.show();
    return app.exec();
}
