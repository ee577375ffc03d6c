// SPDX-License-Identifier: GPL-3.0-or-later
// CellRuns: a set of cells of one image, one bit row per image row, handed out again as blocks
// of whole runs. The view collects in it the cells whose screen pixels it still has to copy
// from its bitmaps, so that an operation over thousands of cells costs a few block copies.
#pragma once

#include "document/IconTypes.h"
#include "framework/Types.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

class CellRuns {
public:
    static_assert(kMaxSide < 64, "a row of cells must fit one 64-bit word");

    bool IsEmpty() const { return m_top >= m_bottom; }
    bool Contains(int x, int y) const
    {
        return y >= m_top && y < m_bottom && (m_rows[std::size_t(y)] >> x & 1) != 0;
    }
    // x and y must lie in [0, kMaxSide).
    void Add(int x, int y)
    {
        m_rows[std::size_t(y)] |= std::uint64_t(1) << x;
        m_top = std::min(m_top, y);
        m_bottom = std::max(m_bottom, y + 1);
    }

    // Empties the set, handing each cell to take exactly once inside a rectangle of cells:
    // each run of a row, stretched over the rows below it that hold exactly the same cells.
    template <typename Take> void TakeBlocks(Take take)
    {
        const int top = m_top;
        const int bottom = m_bottom;
        m_top = kMaxSide;
        m_bottom = 0;
        for (int y = top; y < bottom;) {
            const std::uint64_t row = m_rows[std::size_t(y)];
            int end = y + 1;
            while (end < bottom && m_rows[std::size_t(end)] == row)
                ++end;
            for (std::uint64_t rest = row; rest != 0;) {
                const int left = std::countr_zero(rest);
                const int right = left + std::countr_one(rest >> left);
                take(CRect(left, y, right, end));
                rest &= ~((std::uint64_t(1) << right) - 1);
            }
            std::fill(m_rows.begin() + y, m_rows.begin() + end, 0);
            y = end;
        }
    }

private:
    std::array<std::uint64_t, kMaxSide> m_rows {};
    // Rows top <= y < bottom may hold cells.
    int m_top = kMaxSide;
    int m_bottom = 0;
};
