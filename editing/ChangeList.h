// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history of one image: the pixels a step changed, each with the value it had when
// the step first touched it.
#pragma once

#include "document/IconTypes.h"

#include <bitset>
#include <cstdint>
#include <vector>

struct PixelChange {
    std::int32_t x;
    std::int32_t y;
    COLORREF colour;
};

// Entries keep the order in which their positions were first noted; a position is noted once,
// and later writes never change its value. Membership is kept in a bit set beside the list so
// noting a pixel costs the same however long the step is.
class ChangeList {
public:
    const std::vector<PixelChange>& Entries() const { return m_entries; }
    bool IsEmpty() const { return m_entries.empty(); }
    bool Contains(int x, int y) const { return InGrid(x, y) && m_noted.test(Cell(x, y)); }

    // 1 while writes are noted in this list.
    std::int32_t recording = 0;

private:
    friend void RecordChange(ChangeList& list, int x, int y, COLORREF colour);
    friend void DiscardChanges(ChangeList& list);

    // Only cells of a grid can ever be written, so nothing else is worth noting.
    static bool InGrid(int x, int y) { return x >= 0 && x < kMaxSide && y >= 0 && y < kMaxSide; }
    static std::size_t Cell(int x, int y) { return std::size_t(x * kMaxSide + y); }

    std::vector<PixelChange> m_entries;
    std::bitset<kMaxSide * kMaxSide> m_noted;
};

// Switches recording on for its lifetime and off when it ends, whatever the switch was before:
// the writes made while it lives are noted, those after it are not.
class RecordingScope {
public:
    explicit RecordingScope(ChangeList& list)
        : m_list(list)
    {
        m_list.recording = 1;
    }
    ~RecordingScope() { m_list.recording = 0; }
    RecordingScope(const RecordingScope&) = delete;
    RecordingScope& operator=(const RecordingScope&) = delete;

private:
    ChangeList& m_list;
};

// Notes (x, y) with colour when recording is on and the position is not yet in the list.
// Inline: an operation notes thousands of cells.
inline void RecordChange(ChangeList& list, int x, int y, COLORREF colour)
{
    if (!list.recording || !ChangeList::InGrid(x, y))
        return;
    const std::size_t cell = ChangeList::Cell(x, y);
    if (list.m_noted.test(cell))
        return;
    list.m_entries.push_back({ x, y, colour });
    list.m_noted.set(cell);
}

// Empties the list; recording keeps its value.
void DiscardChanges(ChangeList& list);
