// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP end the program the way a session logout does: what is kept
// between runs is written, open documents are not asked about, and the event loop ends.
//
// Install the handlers before anything is shown: a signal that arrives while a dialog runs
// its own loop (the start-up tip, a message box) ends that dialog as Escape would, so the code
// around it finishes and the program leaves through its normal exit, which writes the settings.
#pragma once

#include <functional>

// Installs the handlers; onSignal runs on the user-interface thread, from the event loop,
// before the dialogs are ended.
void EndSessionOnTerminationSignals(std::function<void()> onSignal);

// True once a termination signal has been handled: the program must not start its main loop
// or open anything new, only finish.
bool TerminationRequested();
