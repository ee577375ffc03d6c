#include "framework/CmdTarget.h"

bool CCmdTarget::OnCmdMsg(int, CCmdUI*) { return false; }
