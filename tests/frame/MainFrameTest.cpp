// SPDX-License-Identifier: GPL-3.0-or-later
// The main frame driven through the running editor: where the window and its palettes appear,
// the tool, pen-size and anti-aliasing commands with their sounds and button states, the
// palette and bar toggles, and what one run leaves in the settings store for the next.
#include "frame/MainFrame.h"
#include "canvas/IconView.h"
#include "frame/PaletteToolBar.h"
#include "frame/Preferences.h"
#include "frame/PreferencesDlg.h"
#include "framework/Profile.h"
#include "resources/CommandTexts.h"
#include "resources/Resource.h"
#include "resources/Toolbars.h"
#include "state/ProcessState.h"
#include "state/ToolState.h"
#include "support/AppHarness.h"
#include "support/ViewDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int kTools[] = { ID_TOOL_BRUSH, ID_TOOL_ERASER, ID_TOOL_FLOOD_FILL, ID_TOOL_LINE,
    ID_TOOL_STRAIGHT_LINE_H, ID_TOOL_STRAIGHT_LINE_V, ID_TOOL_RECTANGLE, ID_TOOL_FILLED_RECTANGLE,
    ID_TOOL_ELLIPSE, ID_TOOL_FILLED_ELLIPSE, ID_TOOL_DARKEN, ID_TOOL_LIGHTEN, ID_TOOL_SELECTOR };
constexpr int kPens[] = { ID_PEN_1X1, ID_PEN_3X3, ID_PEN_5X5, ID_PEN_ROUND };
constexpr int kAbsent = INT_MIN;

int Stored(const char* section, const char* key) { return GetProfileInt(section, key, kAbsent); }

std::vector<int> CheckedAmong(AppHarness& h, std::span<const int> ids)
{
    std::vector<int> checked;
    for (int id : ids)
        if (h.IsChecked(id))
            checked.push_back(id);
    return checked;
}

std::vector<int> EnabledPens(AppHarness& h)
{
    std::vector<int> enabled;
    for (int id : kPens)
        if (h.IsEnabled(id))
            enabled.push_back(id);
    return enabled;
}

// A menu item as the user sees it when its menu opens.
QAction* OpenMenuItem(AppHarness& h, const QString& menuTitle, const QString& itemText)
{
    for (QAction* top : h.frame().menuBar()->actions()) {
        if (top->text() != menuTitle || !top->menu())
            continue;
        emit top->menu()->aboutToShow();
        for (QAction* item : top->menu()->actions())
            if (item->text() == itemText)
                return item;
    }
    return nullptr;
}

// The buttons of a bar in the order they appear on screen, row by row.
std::vector<QToolButton*> ButtonsOnScreen(const CPaletteToolBar& bar)
{
    std::vector<QToolButton*> buttons;
    for (int i = 0; i < bar.GetCount(); ++i)
        if (QToolButton* button = bar.GetButton(i))
            buttons.push_back(button);
    std::stable_sort(buttons.begin(), buttons.end(), [](QToolButton* a, QToolButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return buttons;
}

std::size_t PictureKey(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    return qHash(QByteArrayView(image.constBits(), image.sizeInBytes()));
}

int CommandOf(const QToolButton* button)
{
    QAction* action = button->defaultAction();
    return action ? action->property("pixmoraCommand").toInt() : 0;
}

// What the preferences dialog showed when it opened.
struct Seen {
    int colorBrush, densityBrush, colorCommand, densityCommand, canvas, sounds;
    friend bool operator==(const Seen&, const Seen&) = default;
};
void PrintTo(const Seen& s, std::ostream* os)
{
    *os << s.colorBrush << s.densityBrush << s.colorCommand << s.densityCommand << s.canvas
        << s.sounds;
}

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override { AppHarness::ClearSettings(); }
    void TearDown() override
    {
        AppHarness::ClearSettings();
        // Other suites' views read the process-wide records as a fresh start leaves them.
        ResetProcessState();
    }
};

} // namespace

TEST_F(MainFrameTest, FreshStoreGivesTheDefaultWindowCanvasAndChoices)
{
    AppHarness h;
    ASSERT_TRUE(h.started());
    EXPECT_EQ(h.frame().frameGeometry(), QRect(10, 10, 590, 490));
    EXPECT_EQ(cellSize, (std::array<std::int32_t, 3> { 12, 6, 4 }));
    EXPECT_EQ(brushStrengths.colorBrushStrength, 1);
    EXPECT_EQ(brushStrengths.colorCommandStrength, 1);
    EXPECT_EQ(brushStrengths.densityBrushStrength, 1);
    EXPECT_EQ(brushStrengths.densityCommandStrength, 1);

    EXPECT_EQ(CheckedAmong(h, kTools), std::vector<int> { ID_TOOL_BRUSH });
    EXPECT_EQ(CheckedAmong(h, kPens), std::vector<int> { ID_PEN_1X1 });
    EXPECT_EQ(EnabledPens(h).size(), 4u);
    EXPECT_TRUE(h.IsChecked(ID_ANTI_ALIAS));
    EXPECT_TRUE(h.IsChecked(ID_VIEW_TOOL_PALETTE));
    EXPECT_TRUE(h.IsChecked(ID_VIEW_BRUSH_PALETTE));
    EXPECT_TRUE(h.IsChecked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(h.IsChecked(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(h.platform().sounds.empty());
}

TEST_F(MainFrameTest, PalettesFloatAtOffsetsFromTheStoredCorner)
{
    WriteProfileInt("Position", "left", 200);
    WriteProfileInt("Position", "top", 150);
    WriteProfileInt("Position", "right", 900);
    WriteProfileInt("Position", "bottom", 700);
    AppHarness h;
    ASSERT_TRUE(h.started());
    EXPECT_EQ(h.frame().frameGeometry(), QRect(200, 150, 700, 550));
    // The outer top-left corner, caption included, is what is placed.
    EXPECT_EQ(h.frame().m_wndToolsPalette->frameGeometry().topLeft(), QPoint(210, 235));
    EXPECT_EQ(h.frame().m_wndBrushPalette->frameGeometry().topLeft(), QPoint(290, 330));
    EXPECT_TRUE(h.frame().m_wndToolsPalette->isVisible());
    EXPECT_TRUE(h.frame().m_wndBrushPalette->isVisible());
}

TEST_F(MainFrameTest, ExitStoresTheChoicesAndTheNextStartRestoresThem)
{
    QRect outer;
    {
        AppHarness h;
        ASSERT_TRUE(h.started());
        h.Command(ID_TOOL_ERASER);
        h.Command(ID_PEN_5X5);
        h.Command(ID_ANTI_ALIAS);
        h.frame().move(40, 30);
        h.frame().resize(640, 420);
        QApplication::processEvents();
        outer = h.frame().frameGeometry();
        brushStrengths = { 2, 0, 2, 0 };
        ASSERT_TRUE(h.CloseMainWindow());
    }
    EXPECT_EQ(Stored("Position", "left"), outer.left());
    EXPECT_EQ(Stored("Position", "top"), outer.top());
    EXPECT_EQ(Stored("Position", "right"), outer.left() + outer.width());
    EXPECT_EQ(Stored("Position", "bottom"), outer.top() + outer.height());
    EXPECT_EQ(Stored("Tools", "last"), ID_TOOL_ERASER);
    EXPECT_EQ(Stored("Tools", "pen size"), ID_PEN_5X5);
    EXPECT_EQ(Stored("Tools", "anti alias"), 0);
    EXPECT_EQ(Stored("Settings", "bca"), 2);
    EXPECT_EQ(Stored("Settings", "cca"), 0);
    EXPECT_EQ(Stored("Settings", "bda"), 2);
    EXPECT_EQ(Stored("Settings", "cda"), 0);
    EXPECT_EQ(Stored("Settings", "sound"), 1);
    EXPECT_EQ(Stored("Settings", "snap_div"), kAbsent);

    brushStrengths = { 1, 1, 1, 1 };
    AppHarness next;
    ASSERT_TRUE(next.started());
    EXPECT_EQ(next.frame().frameGeometry(), outer);
    EXPECT_EQ(CheckedAmong(next, kTools), std::vector<int> { ID_TOOL_ERASER });
    EXPECT_EQ(CheckedAmong(next, kPens), std::vector<int> { ID_PEN_5X5 });
    EXPECT_FALSE(next.IsChecked(ID_ANTI_ALIAS));
    EXPECT_EQ(brushStrengths.colorBrushStrength, 2);
    EXPECT_EQ(brushStrengths.colorCommandStrength, 0);
    EXPECT_EQ(brushStrengths.densityBrushStrength, 2);
    EXPECT_EQ(brushStrengths.densityCommandStrength, 0);
    // The canvas choice is not the exit's to make.
    EXPECT_EQ(cellSize, (std::array<std::int32_t, 3> { 12, 6, 4 }));
    EXPECT_EQ(next.frame().m_wndToolsPalette->frameGeometry().topLeft(),
        outer.topLeft() + QPoint(10, 85));
}

TEST_F(MainFrameTest, PenSizesAreEnabledForTheBrushLikeToolsOnly)
{
    AppHarness h;
    h.Command(ID_PEN_3X3);
    for (int tool : kTools) {
        h.Command(tool);
        const bool brushLike = tool == ID_TOOL_BRUSH || tool == ID_TOOL_ERASER
            || tool == ID_TOOL_DARKEN || tool == ID_TOOL_LIGHTEN;
        EXPECT_EQ(EnabledPens(h).size(), brushLike ? 4u : 0u) << "tool " << tool;
        EXPECT_EQ(CheckedAmong(h, kPens), std::vector<int> { ID_PEN_3X3 }) << "tool " << tool;
        EXPECT_EQ(CheckedAmong(h, kTools), std::vector<int> { tool });
    }

    // The palette buttons show the same: Flood Fill greys the pens out, the chosen one stays in.
    h.Command(ID_TOOL_FLOOD_FILL);
    const CPaletteToolBar& pens = *h.frame().m_wndBrushPalette;
    for (int i = 0; i < pens.GetCount(); ++i) {
        EXPECT_FALSE(pens.GetButton(i)->isEnabled());
        EXPECT_EQ(pens.GetButton(i)->isChecked(), i == 1);
    }
    // A disabled pen size cannot be chosen.
    h.Command(ID_PEN_ROUND);
    EXPECT_EQ(toolState.penSize, ID_PEN_3X3);
    h.Command(ID_TOOL_ERASER);
    EXPECT_TRUE(pens.GetButton(1)->isEnabled());
    EXPECT_TRUE(pens.GetButton(1)->isChecked());
    EXPECT_FALSE(pens.GetButton(0)->isChecked());
}

TEST_F(MainFrameTest, CompletedSelectionReturnsToTheToolChosenBeforeTheSelector)
{
    AppHarness h;
    ASSERT_NE(h.ActiveView(), nullptr);
    ViewDriver drive(h.ActiveView());
    const auto select = [&] {
        drive.Drag({ drive.CellCentre(1, 1), drive.CellCentre(2, 2), drive.CellCentre(3, 3) });
        h.Command(ID_UNSELECT);
    };

    h.Command(ID_TOOL_SELECTOR);
    EXPECT_EQ(toolState.previousTool, ID_TOOL_BRUSH);
    select();
    EXPECT_EQ(toolState.currentTool, ID_TOOL_BRUSH);

    h.Command(ID_TOOL_ELLIPSE);
    h.Command(ID_TOOL_SELECTOR);
    select();
    EXPECT_EQ(toolState.currentTool, ID_TOOL_ELLIPSE);

    // Chosen twice, the selector becomes its own previous tool and stays after a selection.
    h.Command(ID_TOOL_SELECTOR);
    h.Command(ID_TOOL_SELECTOR);
    EXPECT_EQ(toolState.previousTool, ID_TOOL_SELECTOR);
    select();
    EXPECT_EQ(toolState.currentTool, ID_TOOL_SELECTOR);
    EXPECT_TRUE(h.IsChecked(ID_TOOL_SELECTOR));
}

TEST_F(MainFrameTest, EveryChoiceIsAcknowledgedWithItsSound)
{
    AppHarness h;
    auto& sounds = h.platform().sounds;
    const auto endsWith = [&](std::size_t i, const char* name) {
        return i < sounds.size()
            && (sounds[i] == name || sounds[i].endsWith(QStringLiteral("/") + name));
    };

    // Anti-aliasing starts on: the first press turns it off silently, the second plays.
    h.Command(ID_ANTI_ALIAS);
    EXPECT_TRUE(sounds.empty());
    EXPECT_FALSE(h.IsChecked(ID_ANTI_ALIAS));
    h.Command(ID_ANTI_ALIAS);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_TRUE(endsWith(0, "alias.wav")) << sounds[0].toStdString();
    EXPECT_TRUE(h.IsChecked(ID_ANTI_ALIAS));

    sounds.clear();
    for (int tool : kTools)
        h.Command(tool);
    h.Command(ID_TOOL_BRUSH); // already current, still acknowledged
    ASSERT_EQ(sounds.size(), std::size(kTools) + 1);
    for (std::size_t i = 0; i < sounds.size(); ++i)
        EXPECT_TRUE(endsWith(i, "tool.wav")) << sounds[i].toStdString();

    sounds.clear();
    for (int pen : kPens)
        h.Command(pen);
    ASSERT_EQ(sounds.size(), std::size(kPens));
    for (std::size_t i = 0; i < sounds.size(); ++i)
        EXPECT_TRUE(endsWith(i, "size.wav")) << sounds[i].toStdString();
    EXPECT_EQ(toolState.penSize, ID_PEN_ROUND);
    EXPECT_EQ(toolState.currentTool, ID_TOOL_BRUSH);
}

TEST_F(MainFrameTest, AntiAliasingStoredOffPlaysOnTheFirstPress)
{
    WriteProfileInt("Tools", "anti alias", 0);
    AppHarness h;
    EXPECT_FALSE(h.IsChecked(ID_ANTI_ALIAS));
    h.Command(ID_ANTI_ALIAS);
    h.Command(ID_ANTI_ALIAS);
    ASSERT_EQ(h.platform().sounds.size(), 1u);
    EXPECT_TRUE(h.platform().sounds[0].endsWith("alias.wav"));
    EXPECT_EQ(toolState.antiAlias, 0);
}

TEST_F(MainFrameTest, PaletteFlagsFollowTheFrameCommandsNotTheCloseBox)
{
    AppHarness h;
    CPaletteToolBar* tools = h.frame().m_wndToolsPalette;
    const auto menuChecked = [&] {
        QAction* item = OpenMenuItem(h, "&View", "Drawing Tool Palette");
        return item && item->isCheckable() && item->isChecked();
    };
    ASSERT_TRUE(tools->isVisible());
    EXPECT_TRUE(menuChecked());

    // The caption's close box hides the palette behind the frame's back.
    tools->close();
    QApplication::processEvents();
    EXPECT_FALSE(tools->isVisible());
    EXPECT_TRUE(menuChecked());

    // So the next choice "hides" it again and clears the flag; the one after shows it.
    OpenMenuItem(h, "&View", "Drawing Tool Palette")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(tools->isVisible());
    EXPECT_EQ(h.frame().m_bToolPalette, 0);
    EXPECT_FALSE(menuChecked());
    h.Command(ID_VIEW_TOOL_PALETTE);
    EXPECT_TRUE(tools->isVisible());
    EXPECT_TRUE(tools->isFloating());
    EXPECT_TRUE(menuChecked());

    CPaletteToolBar* pens = h.frame().m_wndBrushPalette;
    h.Command(ID_VIEW_BRUSH_PALETTE);
    EXPECT_FALSE(pens->isVisible());
    EXPECT_FALSE(h.IsChecked(ID_VIEW_BRUSH_PALETTE));
    h.Command(ID_VIEW_BRUSH_PALETTE);
    EXPECT_TRUE(pens->isVisible());
    EXPECT_TRUE(h.IsChecked(ID_VIEW_BRUSH_PALETTE));
}

TEST_F(MainFrameTest, UnlitLockKeyPanesShowNothingButKeepTheirPlace)
{
    // No lock key is lit where the platform reports none (the offscreen platform).
    AppHarness h;
    QList<QLabel*> panes = h.frame().statusBar()->findChildren<QLabel*>();
    panes.erase(std::remove_if(panes.begin(), panes.end(),
                    [](QLabel* pane) { return pane->frameShape() != QFrame::Panel; }),
        panes.end());
    ASSERT_EQ(panes.size(), 3);
    const int room = panes.front()->fontMetrics().horizontalAdvance(QStringLiteral("SCRL"));
    for (QLabel* pane : panes) {
        EXPECT_EQ(pane->text(), QString());
        EXPECT_TRUE(pane->isVisible());
        EXPECT_GT(pane->width(), room);
    }
}

TEST_F(MainFrameTest, CommandToolbarAndStatusBarToggleWithTheirCheckMarks)
{
    AppHarness h;
    QWidget* commands = h.frame().m_wndToolBar;
    QStatusBar* status = h.frame().statusBar();
    ASSERT_TRUE(commands->isVisible());
    ASSERT_TRUE(status->isVisible());

    OpenMenuItem(h, "&View", "Command Toolbar")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(commands->isVisible());
    EXPECT_FALSE(OpenMenuItem(h, "&View", "Command Toolbar")->isChecked());
    EXPECT_TRUE(status->isVisible());
    h.Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(commands->isVisible());
    EXPECT_TRUE(OpenMenuItem(h, "&View", "Command Toolbar")->isChecked());

    h.Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(status->isVisible());
    EXPECT_FALSE(OpenMenuItem(h, "&View", "Status Bar")->isChecked());
    EXPECT_TRUE(commands->isVisible());
    h.Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(OpenMenuItem(h, "&View", "Status Bar")->isChecked());

    // Unlike the palettes' flags, the standard check mark follows the bar itself.
    h.frame().m_wndToolBar->setFloating(true);
    h.frame().m_wndToolBar->close();
    QApplication::processEvents();
    EXPECT_FALSE(h.IsChecked(ID_VIEW_TOOLBAR));
    h.Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(commands->isVisible());
    EXPECT_EQ(commands->windowTitle(), "Commands");
}

TEST_F(MainFrameTest, StoredLastThatIsNoToolChecksNothingAndDisablesThePens)
{
    WriteProfileInt("Tools", "last", 0);
    AppHarness h;
    EXPECT_TRUE(CheckedAmong(h, kTools).empty());
    EXPECT_TRUE(EnabledPens(h).empty());
    EXPECT_EQ(CheckedAmong(h, kPens), std::vector<int> { ID_PEN_1X1 });
    h.Command(ID_TOOL_LIGHTEN);
    EXPECT_EQ(EnabledPens(h).size(), 4u);
    EXPECT_EQ(CheckedAmong(h, kTools), std::vector<int> { ID_TOOL_LIGHTEN });
}

TEST_F(MainFrameTest, ToolCommandsWorkWithNoDocumentOpen)
{
    AppHarness h;
    h.Command(ID_FILE_CLOSE);
    ASSERT_TRUE(h.Windows().empty());

    h.frame().m_wndToolsPalette->GetButton(10)->click(); // Darken
    h.frame().m_wndBrushPalette->GetButton(2)->click(); // 5x5
    h.Command(ID_ANTI_ALIAS);
    QApplication::processEvents();
    EXPECT_EQ(toolState.currentTool, ID_TOOL_DARKEN);
    EXPECT_EQ(toolState.penSize, ID_PEN_5X5);
    EXPECT_EQ(toolState.antiAlias, 0);
    EXPECT_TRUE(h.frame().m_wndToolsPalette->GetButton(10)->isChecked());
    EXPECT_TRUE(h.frame().m_wndBrushPalette->GetButton(2)->isChecked());
    EXPECT_EQ(h.platform().sounds.size(), 2u);
    // The choices outlast the documents: a new one draws with them.
    h.Command(ID_FILE_NEW);
    EXPECT_EQ(h.Windows().size(), 1u);
    EXPECT_TRUE(h.IsChecked(ID_TOOL_DARKEN));
}

TEST_F(MainFrameTest, BarsAreLaidOutAsIntended)
{
    AppHarness h;
    const CPaletteToolBar& tools = *h.frame().m_wndToolsPalette;
    EXPECT_EQ(tools.windowTitle(), "Tools");
    EXPECT_TRUE(tools.isFloating());
    EXPECT_EQ(tools.allowedAreas(), Qt::NoDockWidgetArea);

    const std::vector<QToolButton*> toolButtons = ButtonsOnScreen(tools);
    ASSERT_EQ(toolButtons.size(), 16u);
    std::vector<int> order;
    std::set<int> rows, columns;
    for (QToolButton* button : toolButtons) {
        order.push_back(CommandOf(button));
        rows.insert(button->y());
        columns.insert(button->x());
    }
    EXPECT_EQ(order,
        (std::vector<int> { ID_TOOL_BRUSH, ID_TOOL_ERASER, ID_TOOL_FLOOD_FILL, ID_TOOL_LINE,
            ID_TOOL_STRAIGHT_LINE_H, ID_TOOL_STRAIGHT_LINE_V, ID_TOOL_RECTANGLE,
            ID_TOOL_FILLED_RECTANGLE, ID_TOOL_ELLIPSE, ID_TOOL_FILLED_ELLIPSE, ID_TOOL_DARKEN,
            ID_TOOL_LIGHTEN, ID_TOOL_SELECTOR, ID_UNSELECT, ID_MOVE_SELECTION, ID_TEXT }));
    EXPECT_EQ(rows.size(), 8u);
    EXPECT_EQ(columns.size(), 2u);

    const CPaletteToolBar& pens = *h.frame().m_wndBrushPalette;
    EXPECT_EQ(pens.windowTitle(), "Brush Sizes");
    EXPECT_EQ(pens.allowedAreas(), Qt::NoDockWidgetArea);
    std::set<int> penRows;
    std::vector<int> penOrder;
    for (QToolButton* button : ButtonsOnScreen(pens)) {
        penRows.insert(button->y());
        penOrder.push_back(CommandOf(button));
    }
    EXPECT_EQ(penRows.size(), 1u);
    EXPECT_EQ(penOrder, (std::vector<int>(std::begin(kPens), std::end(kPens))));

    CPaletteToolBar* commands = h.frame().m_wndToolBar;
    EXPECT_EQ(commands->windowTitle(), "Commands");
    EXPECT_FALSE(commands->isFloating());
    EXPECT_EQ(h.frame().dockWidgetArea(commands), Qt::TopDockWidgetArea);
    EXPECT_EQ(commands->allowedAreas(), Qt::AllDockWidgetAreas);
}

TEST_F(MainFrameTest, PaletteThatMayNotDockFloatsBackWhereItWas)
{
    AppHarness h;
    CPaletteToolBar* tools = h.frame().m_wndToolsPalette;
    tools->move(300, 260);
    QApplication::processEvents();
    // What the caption's float button and a double-click on the caption do.
    tools->setFloating(false);
    QApplication::processEvents();
    EXPECT_TRUE(tools->isFloating());
    EXPECT_TRUE(tools->isVisible());
    EXPECT_EQ(tools->frameGeometry().topLeft(), QPoint(300, 260));
    EXPECT_EQ(ButtonsOnScreen(*tools).front()->y(), ButtonsOnScreen(*tools)[1]->y());

    // The "Commands" toolbar may go anywhere, floating included.
    h.frame().m_wndToolBar->setFloating(true);
    QApplication::processEvents();
    EXPECT_TRUE(h.frame().m_wndToolBar->isFloating());
    h.frame().m_wndToolBar->setFloating(false);
    QApplication::processEvents();
    EXPECT_FALSE(h.frame().m_wndToolBar->isFloating());
}

TEST_F(MainFrameTest, EveryButtonShowsAPictureAndItsCommandTooltip)
{
    AppHarness h;
    for (const CPaletteToolBar* bar :
        { h.frame().m_wndToolBar, h.frame().m_wndToolsPalette, h.frame().m_wndBrushPalette }) {
        const ToolbarLayout& layout = *std::find_if(Toolbars().begin(), Toolbars().end(),
            [&](const ToolbarLayout& l) { return bar->windowTitle() == l.name; });
        ASSERT_EQ(bar->GetCount(), int(layout.buttons.size()));
        std::set<std::size_t> pictures;
        int buttons = 0;
        for (int i = 0; i < bar->GetCount(); ++i) {
            QToolButton* button = bar->GetButton(i);
            ASSERT_EQ(button == nullptr, layout.buttons[std::size_t(i)] == 0)
                << layout.name << " " << i;
            if (!button)
                continue;
            ++buttons;
            const int id = layout.buttons[std::size_t(i)];
            EXPECT_EQ(CommandOf(button), id);
            const QPixmap picture = button->icon().pixmap(layout.buttonSize);
            EXPECT_FALSE(picture.isNull()) << id;
            pictures.insert(PictureKey(picture));
            const CommandText* text = FindCommandText(id);
            ASSERT_NE(text, nullptr) << id;
            EXPECT_EQ(button->toolTip(), text->Tooltip()) << id;
        }
        // Each button shows its own slice of the strip, not one shared picture.
        EXPECT_EQ(int(pictures.size()), buttons) << layout.name;
    }
    EXPECT_EQ(h.frame().m_wndBrushPalette->GetButton(1)->toolTip(), "3x3Pen");
}

TEST_F(MainFrameTest, PreferencesFromTheMenuActAtOnceAndAcrossRuns)
{
    std::vector<Seen> seen;
    // The user at the open dialog: looks, optionally changes one control, and ends the dialog
    // with a button.
    const auto user = [&seen](int endingButton, int controlToClick = 0) {
        return std::function([&seen, endingButton, controlToClick](CPreferencesDlg& dlg) {
            seen.push_back({ dlg.m_colorBrush, dlg.m_densityBrush, dlg.m_colorCommand,
                dlg.m_densityCommand, dlg.m_canvas, dlg.m_enableSounds });
            if (controlToClick)
                dlg.GetDlgItem<QAbstractButton>(controlToClick)->click();
            dlg.GetDlgItem<QAbstractButton>(endingButton)->click();
            return endingButton;
        });
    };
    const auto chooseFromMenu = [](AppHarness& h) {
        QAction* item = OpenMenuItem(h, "&File", "Preferences...");
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
        QApplication::processEvents();
    };

    // First run: Light, large canvas and sounds on are shown; Cancel stores nothing.
    {
        AppHarness h;
        h.platform().ScriptDialog(user(IDCANCEL, IDC_COLOR_BRUSH_HEAVY));
        chooseFromMenu(h);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0], (Seen { 0, 0, 0, 0, 0, 1 }));
        EXPECT_EQ(Stored("Settings", "bca"), kAbsent);
        EXPECT_EQ(Stored("Settings", "snap_div"), kAbsent);
        ASSERT_TRUE(h.CloseMainWindow());
    }
    // After one close the strengths in force are stored and shown; the canvas still shows
    // large although it is small until OK stores the choice.
    {
        AppHarness h;
        h.platform().ScriptDialog(user(IDOK, IDC_ENABLE_SOUNDS));
        chooseFromMenu(h);
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[1], (Seen { 1, 1, 1, 1, 0, 1 }));
        EXPECT_EQ(cellSize, (std::array<std::int32_t, 3> { 12, 6, 4 }));
        EXPECT_EQ(Stored("Settings", "sound"), 0);
        EXPECT_EQ(Stored("Settings", "snap_div"), 0);
        ASSERT_TRUE(h.CloseMainWindow());
    }
    // The exit put the sound option back on; the canvas is large from this run.
    EXPECT_EQ(Stored("Settings", "sound"), 1);
    AppHarness h;
    EXPECT_EQ(cellSize, (std::array<std::int32_t, 3> { 24, 12, 8 }));
    h.platform().ScriptDialog(user(IDOK, IDC_COLOR_COMMAND_HEAVY));
    h.Command(ID_PREFERENCES);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].sounds, 1);
    // OK takes effect at once.
    EXPECT_EQ(brushStrengths.colorCommandStrength, 2);
    EXPECT_EQ(brushStrengths.colorBrushStrength, 1);
}

TEST_F(MainFrameTest, KeysStillWorkWhileAFloatingPaletteIsActive)
{
    AppHarness h;
    CMainFrame& frame = h.frame();
    QApplication::setActiveWindow(frame.m_wndToolsPalette);
    QTest::keyClick(frame.m_wndToolsPalette, Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(h.Windows().size(), 2u);
    // And as ever from the main window itself.
    QApplication::setActiveWindow(&frame);
    QTest::keyClick(&frame, Qt::Key_F8);
    EXPECT_TRUE(h.IsChecked(ID_VIEW_48));
}

TEST_F(MainFrameTest, CommandsToolbarHasAGripDockedAndItsNameFloating)
{
    AppHarness h;
    CPaletteToolBar* bar = h.frame().m_wndToolBar;
    ASSERT_NE(bar->titleBarWidget(), nullptr);
    EXPECT_GT(bar->titleBarWidget()->sizeHint().width(), 0);
    EXPECT_TRUE(bar->features() & QDockWidget::DockWidgetVerticalTitleBar);
    bar->setFloating(true);
    EXPECT_EQ(bar->titleBarWidget(), nullptr);
    EXPECT_EQ(bar->windowTitle(), "Commands");
    h.frame().addDockWidget(Qt::LeftDockWidgetArea, bar);
    bar->setFloating(false);
    ASSERT_NE(bar->titleBarWidget(), nullptr);
    EXPECT_FALSE(bar->features() & QDockWidget::DockWidgetVerticalTitleBar);
}

// The palettes get their buttons when the frame first appears: a palette hidden before that
// stays hidden, and the buttons show the commands' states from their first appearance on.
TEST_F(MainFrameTest, PalettesMadeAsTheFrameAppearsFollowWhatWasChosenBefore)
{
    CMainFrame frame;
    ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME));
    toolState.currentTool = ID_TOOL_ERASER;
    frame.OnViewBrushPalette();
    EXPECT_FALSE(frame.m_wndBrushPalette->isVisible());
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QApplication::processEvents();

    CPaletteToolBar& tools = *frame.m_wndToolsPalette;
    ASSERT_TRUE(tools.isVisible());
    EXPECT_TRUE(tools.isFloating());
    std::vector<int> checked;
    for (QToolButton* button : ButtonsOnScreen(tools))
        if (button->isChecked())
            checked.push_back(CommandOf(button));
    EXPECT_EQ(checked, std::vector<int> { ID_TOOL_ERASER });

    EXPECT_FALSE(frame.m_wndBrushPalette->isVisible());
    frame.OnViewBrushPalette();
    EXPECT_TRUE(frame.m_wndBrushPalette->isVisible());
    EXPECT_TRUE(frame.m_wndBrushPalette->isFloating());
    EXPECT_EQ(frame.m_wndBrushPalette->GetCount(), 4);
}

TEST_F(MainFrameTest, PalettesAppearWithTheMainWindow)
{
    CMainFrame frame;
    ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME));
    EXPECT_FALSE(frame.m_wndToolsPalette->isVisible());
    EXPECT_FALSE(frame.m_wndBrushPalette->isVisible());
    frame.show();
    // They map once the frame is on screen, so a window manager stacks them above it.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QApplication::processEvents();
    EXPECT_TRUE(frame.m_wndToolsPalette->isVisible());
    EXPECT_TRUE(frame.m_wndBrushPalette->isVisible());
}

// In context-help mode the frame watches every event of the application, its own window's
// exposures included: shown in that mode, and exposed again in it, the frame must neither
// take a later exposure for its first nor hand the first one back to itself without end.
TEST_F(MainFrameTest, ExposuresInContextHelpModeShowThePalettesOnce)
{
    CMainFrame frame;
    ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME));
    frame.OnContextHelp();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QApplication::processEvents();
    EXPECT_TRUE(frame.m_wndToolsPalette->isVisible());

    frame.OnViewToolPalette();
    QExposeEvent again(QRegion(0, 0, 10, 10));
    QCoreApplication::sendEvent(frame.windowHandle(), &again);
    EXPECT_FALSE(frame.m_wndToolsPalette->isVisible());
    EXPECT_TRUE(frame.InContextHelpMode());
    QTest::keyClick(&frame, Qt::Key_Escape);
    EXPECT_FALSE(frame.InContextHelpMode());
}
