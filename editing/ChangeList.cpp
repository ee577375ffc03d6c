// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/ChangeList.h"

void DiscardChanges(ChangeList& list)
{
    list.m_entries.clear();
    list.m_noted.reset();
}
