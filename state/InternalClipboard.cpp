// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/InternalClipboard.h"

InternalClipboard EmptyInternalClipboard()
{
    InternalClipboard empty {};
    FillGrid(empty.cells, ICON_TRANSPARENT);
    return empty;
}

InternalClipboard internalClipboard = EmptyInternalClipboard();
