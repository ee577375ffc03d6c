// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ColorTable.h"

#include <gtest/gtest.h>

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
