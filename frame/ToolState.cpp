// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/ToolState.h"

ToolState toolState = kToolStateAtStartUp;
