// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ColorTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

TEST(ColorTable, HoldsAtMost256ColoursAndKeepsThemOnceFull)
{
    CColorTable table;
    table.Reset();
    for (unsigned i = 0; i < 256; ++i)
        ASSERT_TRUE(table.Add(RGB(int(i), 7, 9)));
    EXPECT_FALSE(table.Add(RGB(1, 1, 1)));
    EXPECT_EQ(table.m_nCount, 256u);
    EXPECT_TRUE(table.Add(RGB(100, 7, 9)));
    EXPECT_EQ(table.IndexOf(RGB(100, 7, 9)), 100);
}

TEST(ColorTable, IndexOfUnknownIsZeroExceptWhiteAtFirstFreePosition)
{
    CColorTable table;
    table.Reset();
    table.Add(RGB(0, 0, 0));
    table.Add(RGB(255, 0, 0));
    table.Add(RGB(0, 0, 255));
    EXPECT_EQ(table.IndexOf(RGB(9, 9, 9)), 0);
    EXPECT_EQ(table.IndexOf(RGB(255, 255, 255)), 3);
    EXPECT_EQ(table.IndexOf(RGB(0, 0, 255)), 2);
}

// The table answers from a hash index; a plain search over its entries is the reference.
// Colours come from ranges narrow enough to repeat and collide, wide enough to overflow, and
// always include black and white, whose positions have rules of their own, and a stand-in that
// answers position 0 without becoming an entry. Colours go in through each of the three
// calls that add. One table serves every range, so a Reset that left a colour (or the stand-in) of
// the last range behind would show.
TEST(ColorTable, IndexAgreesWithASearchOfTheEntriesOnRandomColours)
{
    std::mt19937 random(20261209);
    CColorTable table;
    const COLORREF standIn = RGB(1, 2, 3);
    for (const unsigned range : { 8u, 300u, 5000u, 0x1000000u, 300u, 8u }) {
        table.Reset();
        std::vector<COLORREF> added;
        if (range != 5000)
            table.SetStandIn(standIn, 0);
        const auto reference = [&](COLORREF c) {
            const auto found = std::find(added.begin(), added.end(), c);
            if (found != added.end())
                return int(found - added.begin());
            if (c == standIn && range != 5000)
                return 0;
            return c == RGB(255, 255, 255) && added.size() < 256 ? int(added.size()) : 0;
        };
        for (int step = 0; step < 3000; ++step) {
            const unsigned pick = random() % (range + 3);
            const COLORREF c = pick == range ? RGB(0, 0, 0)
                : pick == range + 1          ? RGB(255, 255, 255)
                : pick == range + 2          ? standIn
                                             : COLORREF(pick * 2654435761u) & 0xFFFFFF;
            const bool isNew = std::find(added.begin(), added.end(), c) == added.end()
                && !(c == standIn && range != 5000);
            const bool fits = !isNew || added.size() < 256;
            if (isNew && fits)
                added.push_back(c);
            std::uint8_t bulkIndex = 0xEE;
            if (step % 3 == 0) {
                ASSERT_EQ(table.Add(c), fits) << "range " << range << " step " << step;
            } else if (step % 3 == 1) {
                ASSERT_EQ(table.AddAndIndex(c), fits ? reference(c) : 0) << "range " << range;
            } else {
                table.AddAndIndexAll(&c, 1, &bulkIndex, 1);
                ASSERT_EQ(bulkIndex, fits ? reference(c) : 0) << "range " << range;
            }
            const COLORREF probe = COLORREF(random() % (range + 1) * 2654435761u) & 0xFFFFFF;
            ASSERT_EQ(table.IndexOf(probe), reference(probe)) << "range " << range;
            ASSERT_EQ(table.IndexOf(RGB(255, 255, 255)), reference(RGB(255, 255, 255)));
        }
        ASSERT_EQ(table.m_nCount, added.size());
        for (std::size_t i = 0; i < CColorTable::kCapacity; ++i)
            ASSERT_EQ(table.Colors()[i], i < added.size() ? added[i] : RGB(255, 255, 255));
    }
}
