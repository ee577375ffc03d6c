// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ColorTable.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
}

CColorTable::CColorTable()
{
    m_colors.fill(kWhite);
    std::memset(m_slotColors.data(), 0xFF, sizeof m_slotColors);
}

void CColorTable::Reset()
{
    const unsigned counted = std::min(m_nCount, kCapacity);
    // Clearing a slot at a time beats sweeping the index only while few slots are used.
    if (counted < kSlots / 16) {
        for (unsigned position = 0; position < counted; ++position)
            m_slotColors[m_slotOfPosition[position]] = kEmptySlot;
    } else {
        std::memset(m_slotColors.data(), 0xFF, sizeof m_slotColors);
    }
    if (m_standInSlot < kSlots)
        m_slotColors[m_standInSlot] = kEmptySlot;
    m_standInSlot = kSlots;
    std::fill_n(m_colors.begin(), counted, kWhite);
    m_nCount = 0;
}

int CColorTable::InsertNew(COLORREF c, unsigned slot)
{
    if (m_nCount >= kCapacity || c == kEmptySlot)
        return -1;
    Place(c, slot, m_nCount);
    return int(m_nCount++);
}

int CColorTable::IndexOf(COLORREF c) const
{
    const unsigned slot = SlotOf(c);
    if (Holds(slot, c))
        return m_slotPositions[slot];
    if (c == kWhite && m_nCount < kCapacity)
        return int(m_nCount);
    return 0;
}

void CColorTable::SetStandIn(COLORREF c, int position)
{
    const unsigned slot = SlotOf(c);
    if (c == kEmptySlot || m_slotColors[slot] != kEmptySlot || m_standInSlot < kSlots)
        return;
    m_slotColors[slot] = c;
    m_slotPositions[slot] = std::uint8_t(position);
    m_standInSlot = slot;
}

void CColorTable::AddAndIndexAll(
    const COLORREF* colours, int count, std::uint8_t* indices, std::ptrdiff_t stride)
{
    // The count is kept in a register: the byte stores below may alias any member, so the
    // member would be reloaded after each of them.
    unsigned used = m_nCount;
    for (int i = 0; i < count; ++i, indices += stride) {
        const COLORREF c = colours[i];
        const unsigned slot = HomeSlot(c);
        const COLORREF held = m_slotColors[slot];
        if (held == c && c != kEmptySlot) [[likely]] {
            *indices = m_slotPositions[slot];
        } else if (held == kEmptySlot && c != kEmptySlot) {
            // New, and its home slot free: it goes there, or gets 0 when the table is full.
            if (used < kCapacity) {
                Place(c, slot, used);
                *indices = std::uint8_t(used++);
            } else {
                *indices = 0;
            }
        } else {
            // Past its home slot, or a stray value.
            m_nCount = used;
            *indices = std::uint8_t(AddAndIndex(c));
            used = m_nCount;
        }
    }
    m_nCount = used;
}
