// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/ProcessState.h"

void ResetProcessState()
{
    toolState = kToolStateAtStartUp;
    brushStrengths = kBrushStrengthsAtStartUp;
    SelectCanvas(2);
    internalClipboard = EmptyInternalClipboard();
}
