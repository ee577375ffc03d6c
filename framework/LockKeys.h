// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the keyboard's lock keys, for the status bar's indicators.
#pragma once

struct LockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Reads the lock keys from the X server's keyboard indicators; all off where the platform
// does not report them (the offscreen platform, Wayland).
LockKeyState QueryLockKeys();
