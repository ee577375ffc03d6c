// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/CmdTarget.h"

bool CCmdTarget::OnCmdMsg(int, CCmdUI*) { return false; }
