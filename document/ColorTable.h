// SPDX-License-Identifier: GPL-3.0-or-later
// CColorTable: up to 256 distinct colours in the order they were added. Used to build an
// image's palette when it is written and to count the colours of a pasted bitmap.
//
// Every cell of an image is looked up when it is written, so Add and IndexOf answer from a
// small hash index kept beside the entries instead of searching them. Entries change only
// through Reset and Add, which keep the two in step.
#pragma once

#include "framework/Types.h"

#include <array>
#include <cstddef>
#include <cstdint>

class CColorTable {
public:
    static constexpr unsigned kCapacity = 256;

    // All entries white, no colours counted.
    CColorTable();
    // Back to the state above. A table that holds a few colours clears only their slots, a
    // few stores rather than a sweep of the whole index.
    void Reset();
    // Adds c unless present; false only when c is new and the table is full.
    bool Add(COLORREF c) { return Insert(c) >= 0; }
    // Lowest position among all 256 entries holding c, 0 when none does. Because unused
    // entries hold white, a white that was never added maps to the first unused position.
    int IndexOf(COLORREF c) const;
    // Add(c) followed by IndexOf(c), in one look-up: the position of c, or 0 when it did not
    // fit.
    int AddAndIndex(COLORREF c)
    {
        const int index = Insert(c);
        return index < 0 ? 0 : index;
    }

    // AddAndIndex for each of count colours in turn, each position written to *indices and
    // indices moved on by stride (negative to walk backwards).
    void AddAndIndexAll(
        const COLORREF* colours, int count, std::uint8_t* indices, std::ptrdiff_t stride);
    // From now until Reset, c is found at position as if it were the colour there, without
    // becoming an entry: it is not counted and Colors() does not show it. One at a time: has no
    // effect when c is held already or another stand-in is set. An icon stores its transparent
    // cells as black this way, with no test of its own per cell.
    void SetStandIn(COLORREF c, int position);

    const std::array<COLORREF, kCapacity>& Colors() const { return m_colors; }

    unsigned m_nCount = 0;

private:
    // Four times the capacity: at most a quarter full, nearly every look-up is answered by
    // its first slot. A power of two makes the wrap a mask.
    static constexpr unsigned kSlotBits = 10;
    static constexpr unsigned kSlots = 1u << kSlotBits;
    // Colours have no bits in the top byte, so this marks a free slot. Held should a stray
    // value carry those bits all the same: it is then simply never found.
    static constexpr COLORREF kEmptySlot = 0xFFFFFFFF;
    bool Holds(unsigned slot, COLORREF c) const
    {
        return m_slotColors[slot] == c && c != kEmptySlot;
    }

    static unsigned HomeSlot(COLORREF c) { return (c * 0x9E3779B1u) >> (32 - kSlotBits); }
    // The slot holding c, or the empty slot where it would go. Fibonacci hashing spreads
    // neighbouring colours (a gradient, one channel stepping) over the whole index; the index
    // is never full, so an empty slot always ends the probe.
    unsigned SlotOf(COLORREF c) const
    {
        unsigned slot = HomeSlot(c);
        while (m_slotColors[slot] != c && m_slotColors[slot] != kEmptySlot)
            slot = (slot + 1) & (kSlots - 1);
        return slot;
    }
    // Adds c unless present; its position, or -1 when it is new and the table is full. Every
    // cell of an image comes through here, so the probe is written for the usual case: c in
    // its home slot, one load and one comparison.
    int Insert(COLORREF c)
    {
        if (c == kEmptySlot) [[unlikely]]
            return -1;
        for (unsigned slot = HomeSlot(c);; slot = (slot + 1) & (kSlots - 1)) {
            const COLORREF held = m_slotColors[slot];
            if (held == c) [[likely]]
                return m_slotPositions[slot];
            if (held == kEmptySlot)
                return m_nCount < kCapacity ? InsertNew(c, slot) : -1;
        }
    }
    int InsertNew(COLORREF c, unsigned slot);
    // Enters c at position, in the free slot given: the entry, the index and the way back.
    void Place(COLORREF c, unsigned slot, unsigned position)
    {
        m_slotColors[slot] = c;
        m_slotPositions[slot] = std::uint8_t(position);
        m_slotOfPosition[position] = std::uint16_t(slot);
        m_colors[position] = c;
    }

    std::array<COLORREF, kCapacity> m_colors {};
    // The colour in each slot of the index, or kEmptySlot, and its position in m_colors.
    std::array<COLORREF, kSlots> m_slotColors {};
    std::array<std::uint8_t, kSlots> m_slotPositions {};
    // The slot of each position's colour, for Reset.
    std::array<std::uint16_t, kCapacity> m_slotOfPosition {};
    // The stand-in's slot, or kSlots when there is none.
    unsigned m_standInSlot = kSlots;
};
