// SPDX-License-Identifier: GPL-3.0-or-later
// CColorTable: up to 256 distinct colours in the order they were added. Used to build an
// image's palette when it is written and to count the colours of a pasted bitmap.
#pragma once

#include "framework/Types.h"

#include <array>

class CColorTable {
public:
    static constexpr unsigned kCapacity = 256;

    // All entries white, no colours counted.
    void Reset();
    // Adds c unless present; false only when c is new and the table is full.
    bool Add(COLORREF c);
    // Lowest position among all 256 entries holding c, 0 when none does. Because unused
    // entries hold white, a white that was never added maps to the first unused position.
    int IndexOf(COLORREF c) const;

    std::array<COLORREF, kCapacity> m_colors {};
    unsigned m_nCount = 0;
};
