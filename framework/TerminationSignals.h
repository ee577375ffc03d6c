// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP end the program the way a session logout does: what is kept
// between runs is written, open documents are not asked about, and the event loop ends.
#pragma once

#include <functional>

// Installs the handlers; onSignal runs on the user-interface thread, from the event loop.
void EndSessionOnTerminationSignals(std::function<void()> onSignal);
