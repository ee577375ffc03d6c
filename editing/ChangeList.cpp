// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/ChangeList.h"

namespace {
bool InGrid(int x, int y) { return x >= 0 && x < kMaxSide && y >= 0 && y < kMaxSide; }
}

bool ChangeList::Contains(int x, int y) const
{
    return InGrid(x, y) && m_noted.test(std::size_t(x * kMaxSide + y));
}

void RecordChange(ChangeList& list, int x, int y, COLORREF colour)
{
    // Only cells of a grid can ever be written, so nothing else is worth noting.
    if (!list.recording || !InGrid(x, y) || list.Contains(x, y))
        return;
    list.m_entries.push_back({ x, y, colour });
    list.m_noted.set(std::size_t(x * kMaxSide + y));
}

void DiscardChanges(ChangeList& list)
{
    list.m_entries.clear();
    list.m_noted.reset();
}
