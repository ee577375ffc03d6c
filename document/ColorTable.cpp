// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ColorTable.h"

void CColorTable::Reset()
{
    m_colors.fill(RGB(255, 255, 255));
    m_nCount = 0;
}

bool CColorTable::Add(COLORREF c)
{
    for (unsigned i = 0; i < m_nCount && i < kCapacity; ++i)
        if (m_colors[i] == c)
            return true;
    if (m_nCount >= kCapacity)
        return false;
    m_colors[m_nCount++] = c;
    return true;
}

int CColorTable::IndexOf(COLORREF c) const
{
    for (unsigned i = 0; i < kCapacity; ++i)
        if (m_colors[i] == c)
            return int(i);
    return 0;
}
