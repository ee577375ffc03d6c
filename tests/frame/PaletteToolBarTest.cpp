// SPDX-License-Identifier: GPL-3.0-or-later
// How a bar's buttons wrap into rows: the plain wrapping rule, and the floating "Commands"
// toolbar re-wrapping as it is resized.
#include "frame/PaletteToolBar.h"
#include "frame/MainFrame.h"
#include "support/AppHarness.h"

#include <QApplication>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int kButton = 10;
constexpr int kLine = 3;

TEST(WrapToWidth, RowsBreakBeforeTheItemThatDoesNotFitAndNeverAtASeparator)
{
    //                             0        1        2      3        4        5      6
    const std::vector<int> widths { kButton, kButton, kLine, kButton, kButton, kLine, kButton };
    const std::vector<bool> lines { false, false, true, false, false, true, false };

    // Everything fits: one row, every separator shown.
    RowBreaks wide = WrapToWidth(widths, lines, 1000);
    EXPECT_EQ(wide.wrap, std::vector<bool>(7, false));
    EXPECT_EQ(wide.hidden, std::vector<bool>(7, false));

    // 23 holds two buttons and a separator, but the separator would end the row: it is hidden
    // and the row breaks after button 1. The second row breaks the same way at separator 5.
    RowBreaks narrow = WrapToWidth(widths, lines, 2 * kButton + kLine);
    EXPECT_EQ(narrow.wrap, (std::vector<bool> { false, true, false, false, true, false, false }));
    EXPECT_EQ(narrow.hidden, (std::vector<bool> { false, false, true, false, false, true, false }));

    // Narrower than one button: a button a row, no separator anywhere.
    RowBreaks tiny = WrapToWidth(widths, lines, kButton - 1);
    EXPECT_EQ(tiny.wrap, (std::vector<bool> { true, true, false, true, true, false, false }));
    EXPECT_EQ(tiny.hidden, (std::vector<bool> { false, false, true, false, false, true, false }));

    // A separator that begins a row is hidden too (the row broke just before it).
    RowBreaks atLine = WrapToWidth(widths, lines, 2 * kButton);
    EXPECT_EQ(atLine.wrap, (std::vector<bool> { false, true, false, false, true, false, false }));
    EXPECT_TRUE(atLine.hidden[2]);
    EXPECT_TRUE(atLine.hidden[5]);
}

// The rows a bar's visible buttons sit in, and whether every one lies whole inside the bar.
struct Rows {
    std::size_t count = 0;
    bool allInside = true;
};

Rows RowsOf(const CPaletteToolBar& bar)
{
    Rows rows;
    std::set<int> tops;
    const QRect inside = bar.rect();
    for (int i = 0; i < bar.GetCount(); ++i) {
        QToolButton* button = bar.GetButton(i);
        if (!button)
            continue;
        const QRect placed(button->mapTo(&bar, QPoint(0, 0)), button->size());
        rows.allInside = rows.allInside && button->isVisible() && inside.contains(placed);
        tops.insert(placed.top());
    }
    rows.count = tops.size();
    return rows;
}

TEST(PaletteToolBar, FloatingCommandsBarReWrapsToItsWidthAndFitsItsHeight)
{
    AppHarness::ClearSettings();
    AppHarness h;
    CPaletteToolBar* bar = h.frame().m_wndToolBar;
    const QSize docked = bar->size();
    bar->setFloating(true);
    QApplication::processEvents();
    const Rows wide = RowsOf(*bar);
    EXPECT_EQ(wide.count, 1u);
    EXPECT_TRUE(wide.allInside);
    const int oneRow = bar->height();

    bar->resize(152, bar->height());
    QApplication::processEvents();

    const Rows narrow = RowsOf(*bar);
    EXPECT_EQ(bar->width(), 152);
    EXPECT_GT(narrow.count, 1u);
    EXPECT_TRUE(narrow.allInside);
    EXPECT_GT(bar->height(), oneRow);

    // Wide again: back to one row and one row's height.
    bar->resize(1000, bar->height());
    QApplication::processEvents();
    EXPECT_EQ(RowsOf(*bar).count, 1u);
    EXPECT_EQ(bar->height(), oneRow);

    // Docked, it is the single row along the top it was before it floated.
    bar->resize(152, bar->height());
    h.frame().addDockWidget(Qt::TopDockWidgetArea, bar);
    bar->setFloating(false);
    QApplication::processEvents();
    EXPECT_EQ(RowsOf(*bar).count, 1u);
    EXPECT_EQ(bar->height(), docked.height());
    AppHarness::ClearSettings();
}

} // namespace
