// SPDX-License-Identifier: GPL-3.0-or-later
// A pixel writer for the operation tests: it keeps every write in order and, like the view,
// stores the writes that fall inside its clip into a grid, so an operation that reads the grid
// while writing sees them.
#pragma once

#include "editing/PixelWriter.h"

#include "document/IconTypes.h"

#include <ostream>
#include <vector>

namespace editing_test {

struct CellWrite {
    int x;
    int y;
    COLORREF colour;
    friend bool operator==(const CellWrite&, const CellWrite&) = default;
    friend void PrintTo(const CellWrite& w, std::ostream* os)
    {
        *os << "(" << w.x << ", " << w.y << ": " << std::hex << w.colour << std::dec << ")";
    }
};

class RecordingWriter final : public PixelWriter {
public:
    explicit RecordingWriter(IconGrid* grid = nullptr, CRect clip = ImageRect(kMaxSide))
        : m_grid(grid)
        , m_clip(clip)
    {
    }
    void Write(int x, int y, COLORREF colour) override
    {
        writes.push_back({ x, y, colour });
        if (m_grid && m_clip.PtInRect({ x, y }))
            (*m_grid)[std::size_t(x)][std::size_t(y)] = colour;
    }

    std::vector<CellWrite> writes;

private:
    IconGrid* m_grid;
    CRect m_clip;
};

inline IconGrid Transparent()
{
    IconGrid grid;
    FillGrid(grid, ICON_TRANSPARENT);
    return grid;
}

// Every cell of box, column by column, in colour: what an operation writing a whole box emits.
inline std::vector<CellWrite> BoxWrites(const CRect& box, COLORREF colour)
{
    std::vector<CellWrite> writes;
    for (int x = box.left; x < box.right; ++x)
        for (int y = box.top; y < box.bottom; ++y)
            writes.push_back({ x, y, colour });
    return writes;
}

} // namespace editing_test
