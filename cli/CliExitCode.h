// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli's exit statuses, the same from each of its programs.
#pragma once

enum CliExitCode : int {
    kCliOk = 0,
    kCliFailed = 1, // an input unreadable or damaged, an output not writable, or nothing drawn
    kCliUsage = 2, // bad command line
    kCliRefused = 3, // writing would have lost colours
};
