// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-monkey SECONDS SEED: the editor, started as pixmora starts it, used at random for
// SECONDS. The run ends with SIGTERM, as a logout would end it. Exits 0 when the editor
// neither crashed nor hung; sanitizer reports end the process on their own.
#include "app/EditorApp.h"
#include "framework/MDIFrameWnd.h"
#include "framework/QtPlatform.h"
#include "framework/TerminationSignals.h"
#include "monkey/Monkey.h"

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixmora"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: pixmora-monkey SECONDS SEED\n", stderr);
        return 2;
    }
    const int seconds = arguments[1].toInt();
    const unsigned seed = arguments[2].toUInt();
    SetPlatform(std::make_unique<QtPlatform>());

    Monkey monkey(seed, std::chrono::seconds(10));
    CEditorApp* current = nullptr;
    EndSessionOnTerminationSignals([&current] {
        if (CMDIFrameWnd* frame = current ? current->GetMainWnd() : nullptr)
            frame->EndSession();
    });
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, [&monkey] {
        monkey.Stop();
        ::kill(::getpid(), SIGTERM);
    });
    end.start(seconds * 1000);
    monkey.Start();

    // Closing the main window (File Exit, or a close box) ends a run; the next one starts
    // like a new process would, until the time is up.
    int runs = 0;
    while (!TerminationRequested()) {
        CEditorApp app;
        current = &app;
        ++runs;
        if (app.InitInstance() && !TerminationRequested())
            app.Run();
        current = nullptr;
    }
    std::printf(
        "monkey: seed %u, %lld actions in %d runs of the editor\n", seed, monkey.Actions(), runs);
    return 0;
}
