// SPDX-License-Identifier: GPL-3.0-or-later
// A view that has not been painted yet has no off-screen bitmaps; the tools and commands still
// act on its document, since they work on the grid and not on a bitmap.
#include "canvas/IconView.h"
#include "document/IconDoc.h"
#include "state/ProcessState.h"

#include <gtest/gtest.h>

TEST(UnpaintedView, FiguresFillsAndTheFrameWriteTheDocumentBeforeTheFirstPaint)
{
    ResetProcessState();
    toolState.antiAlias = 0;
    CIconDoc doc;
    CIconView view;
    view.SetDocument(&doc);
    ASSERT_FALSE(view.m_bBitmapsReady);
    const IconGrid& grid = doc.m_pixels[1];

    view.DrawRectangle(2, 2, 6, 6);
    EXPECT_EQ(grid[2][5], view.m_penColor);
    EXPECT_EQ(grid[3][3], ICON_TRANSPARENT);
    view.DrawLine({ 10, 1 }, { 14, 1 });
    EXPECT_EQ(grid[14][1], view.m_penColor);
    view.FloodFillAt(3, 3, RGB(9, 9, 9));
    EXPECT_EQ(grid[4][4], RGB(9, 9, 9));
    EXPECT_EQ(grid[20][20], ICON_TRANSPARENT);
    view.OnActionsCurvedFrame();
    EXPECT_EQ(grid[0][5], RGB(0, 0, 0));
    EXPECT_EQ(grid[0][0], ICON_TRANSPARENT);
    EXPECT_TRUE(doc.IsModified());
    view.SetDocument(nullptr);
}
