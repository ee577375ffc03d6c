// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/LockKeys.h"

#include <QGuiApplication>

#ifdef PIXMORA_HAVE_X11
#include <X11/XKBlib.h>
#endif

LockKeyState QueryLockKeys()
{
    LockKeyState state;
#ifdef PIXMORA_HAVE_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return state;
    unsigned int indicators = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &indicators) != Success)
        return state;
    // The core keyboard's first three indicators are Caps, Num and Scroll Lock.
    state.caps = indicators & 0x1;
    state.num = indicators & 0x2;
    state.scroll = indicators & 0x4;
#endif
    return state;
}
