// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/TerminationSignals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = { -1, -1 };
bool g_terminationRequested = false;

// Only async-signal-safe work here: the byte wakes the event loop, which does the rest.
void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

// Ends every loop that is running: popups close, modal dialogs are rejected (as Escape would
// reject them), and the main loop, if it runs, is told to exit. Dialogs are rejected rather
// than their loops exited, so each returns to its caller as cancelled and the caller cleans up.
void EndRunningLoops()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
    }
    QCoreApplication::exit(0);
}

} // namespace

bool TerminationRequested() { return g_terminationRequested; }

void EndSessionOnTerminationSignals(std::function<void()> onSignal)
{
    if (g_signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [notifier, onSignal] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_signalPipe[1], &byte, 1);
        notifier->setEnabled(false);
        g_terminationRequested = true;
        onSignal();
        EndRunningLoops();
        // A dialog that its caller opens after the first one ended (a follow-up message) is
        // ended too, until the program is gone.
        auto* sweeper = new QTimer(qApp);
        QObject::connect(sweeper, &QTimer::timeout, qApp, EndRunningLoops);
        sweeper->start(20);
    });
    struct sigaction action { };
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : { SIGTERM, SIGINT, SIGHUP })
        ::sigaction(sig, &action, nullptr);
}
