// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's shell driven like a user would: documents are created, opened, saved and
// closed through commands, with a scripted platform answering the dialogs.
#include "app/ChildFrame.h"
#include "app/EditorApp.h"
#include "canvas/IconView.h"
#include "dialogs/SplashBitmapWnd.h"
#include "document/IconDoc.h"
#include "frame/MainFrame.h"
#include "frame/PaletteToolBar.h"
#include "framework/MDIChildWnd.h"
#include "framework/Profile.h"
#include "resources/Resource.h"
#include "support/AppHarness.h"
#include "support/QtPrint.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QStringList MenuTitles(CMainFrame& frame)
{
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles << action->text();
    return titles;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// An icon with one red pixel in the 32 x 32 image.
QString MakeIcon(const QTemporaryDir& dir, const QString& name)
{
    CIconDoc doc;
    doc.m_pixels[1][3][4] = RGB(255, 0, 0);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

class ShellTest : public testing::Test {
protected:
    void SetUp() override { AppHarness::ClearSettings(); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ShellTest, StartsWithIcon1AndSwapsMenusWithTheDocuments)
{
    AppHarness h;
    ASSERT_TRUE(h.started());
    ASSERT_EQ(h.Windows().size(), 1u);
    EXPECT_EQ(h.ActiveDocument()->GetTitle(), "Icon1");
    EXPECT_EQ(MenuTitles(h.frame()),
        QStringList(
            { "&File", "&Edit", "&View", "&Image", "&Tools", "&Actions", "&Window", "&Help" }));

    h.Command(ID_FILE_NEW);
    ASSERT_EQ(h.Windows().size(), 2u);
    EXPECT_EQ(h.ActiveDocument()->GetTitle(), "Icon2");
    EXPECT_EQ(h.frame().windowTitle(), "icon - Icon2");

    h.Command(ID_FILE_CLOSE);
    h.Command(ID_FILE_CLOSE);
    EXPECT_TRUE(h.Windows().empty());
    EXPECT_EQ(MenuTitles(h.frame()), QStringList({ "&File", "&View", "&Help" }));
    // Without a document the image commands have no handler and are disabled.
    EXPECT_FALSE(h.IsEnabled(ID_IMAGE_CLEAR));
    EXPECT_FALSE(h.IsEnabled(ID_FILE_SAVE));
    EXPECT_TRUE(h.IsEnabled(ID_FILE_NEW));
    EXPECT_TRUE(h.IsEnabled(ID_TOOL_FLOOD_FILL));
}

TEST_F(ShellTest, SavePromptYesSavesNoDiscardsCancelKeepsTheWindow)
{
    AppHarness h;
    const QString target = m_dir.filePath("saved.ico");
    const auto modify = [&] {
        h.ActiveDocument()->m_pixels[0][0][0] = RGB(0, 0, 255);
        h.ActiveDocument()->SetModifiedFlag(true);
    };

    modify();
    h.platform().messageAnswers = { IDCANCEL };
    h.Command(ID_FILE_CLOSE);
    EXPECT_EQ(h.Windows().size(), 1u);
    EXPECT_EQ(h.platform().messages.back().text, "Save changes to Icon1?");
    EXPECT_EQ(h.platform().messages.back().caption, "icon");
    EXPECT_EQ(h.platform().messages.back().style, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));

    h.platform().messageAnswers = { IDNO };
    h.Command(ID_FILE_CLOSE);
    EXPECT_TRUE(h.Windows().empty());
    EXPECT_FALSE(QFile::exists(target));

    h.Command(ID_FILE_NEW);
    modify();
    h.platform().messageAnswers = { IDYES };
    h.platform().saveAnswers = { m_dir.filePath("saved") };
    h.Command(ID_FILE_CLOSE);
    EXPECT_TRUE(h.Windows().empty());
    EXPECT_EQ(h.frame().windowTitle(), "icon");
    // Save As added the extension.
    EXPECT_EQ(ReadFile(target).size(), 1384 + 22);
}

TEST_F(ShellTest, NothingDrawnIsRefusedAndTheOldFileAndWindowStay)
{
    AppHarness h;
    const QString target = m_dir.filePath("keep.ico");
    WriteFile(target, "precious");
    h.ActiveDocument()->SetModifiedFlag(true);
    h.platform().messageAnswers = { IDYES };
    h.platform().saveAnswers = { target };
    h.Command(ID_FILE_CLOSE);

    ASSERT_EQ(h.Windows().size(), 1u);
    const RecordedMessage& refusal = h.platform().messages.back();
    EXPECT_EQ(refusal.caption, "Error");
    EXPECT_EQ(refusal.text, "You have not drawn any icons\nThe icon file will not be written.");
    EXPECT_EQ(refusal.style & 0xF0, unsigned(MB_ICONSTOP));
    EXPECT_EQ(ReadFile(target), "precious");
    EXPECT_TRUE(h.ActiveDocument()->IsModified());
    EXPECT_EQ(h.ActiveDocument()->GetTitle(), "Icon1");
}

TEST_F(ShellTest, FailedOpenLeavesNoWindowAndOpenFileIsActivated)
{
    AppHarness h;
    const QString damaged = m_dir.filePath("damaged.ico");
    WriteFile(damaged, QByteArray("\0\0\1\0\5\0", 6));
    h.platform().openAnswers = { damaged, m_dir.filePath("missing.ico") };
    h.Command(ID_FILE_OPEN);
    h.Command(ID_FILE_OPEN);
    EXPECT_EQ(h.Windows().size(), 1u);
    ASSERT_GE(h.platform().messages.size(), 2u);
    EXPECT_EQ(h.platform().messages[0].text, "Unexpected file format.");
    EXPECT_EQ(h.platform().messages[1].text, "Failed to open document.");
    EXPECT_EQ(h.platform().fileFilters.front(), "Icon Files (*.ico)");

    const QString icon = MakeIcon(m_dir, "red.ico");
    h.platform().openAnswers = { icon };
    h.Command(ID_FILE_OPEN);
    ASSERT_EQ(h.Windows().size(), 2u);
    EXPECT_EQ(h.ActiveDocument()->m_pixels[1][3][4], RGB(255, 0, 0));
    EXPECT_FALSE(h.ActiveDocument()->IsModified());

    h.Command(ID_FILE_NEW);
    h.platform().openAnswers = { icon };
    h.Command(ID_FILE_OPEN);
    EXPECT_EQ(h.Windows().size(), 3u);
    EXPECT_EQ(h.ActiveDocument()->GetTitle(), "red.ico");
}

TEST_F(ShellTest, RecentFilesSurviveARestartAndReopen)
{
    const QString first = MakeIcon(m_dir, "first.ico");
    const QString second = MakeIcon(m_dir, "second.ico");
    {
        AppHarness h({ first });
        h.platform().openAnswers = { second };
        h.Command(ID_FILE_OPEN);
    }
    EXPECT_EQ(GetProfileString("Recent File List", "File1"), second);
    EXPECT_EQ(GetProfileString("Recent File List", "File2"), first);

    AppHarness h;
    ASSERT_EQ(h.Windows().size(), 1u);
    EXPECT_TRUE(h.IsEnabled(ID_FILE_MRU_FILE1 + 1));
    EXPECT_FALSE(h.IsEnabled(ID_FILE_MRU_FILE1 + 2));
    h.Command(ID_FILE_MRU_FILE1 + 1);
    ASSERT_EQ(h.Windows().size(), 2u);
    EXPECT_EQ(h.ActiveDocument()->GetPathName(), first);
}

TEST_F(ShellTest, ChildFramesOpenAtFiveFiveSizedForTheCanvas)
{
    EXPECT_EQ(
        CChildFrame::FrameRect(192, 2, 18), CRect(5, 5, 5 + 192 + 4 + 72, 5 + 192 + 18 + 2 + 17));
    EXPECT_EQ(CChildFrame::FrameRect(384, 2, 18).Width(), 384 + 4 + 72);

    for (const int snapDiv : { 1, 0 }) {
        AppHarness::ClearSettings();
        if (snapDiv == 0)
            WriteProfileInt("Settings", "snap_div", 0);
        AppHarness h;
        h.Command(ID_FILE_NEW);
        const auto windows = h.Windows();
        ASSERT_EQ(windows.size(), 2u);
        const int canvas = snapDiv == 0 ? 384 : 192;
        for (CMDIChildWnd* w : windows) {
            EXPECT_EQ(w->pos(), QPoint(5, 5));
            // The view's client area holds exactly the panel.
            EXPECT_EQ(w->widget()->size(), QSize(canvas + 72, canvas + 17));
            // Minimize only: no maximize box, and the user cannot resize it.
            EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
            EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
            EXPECT_EQ(w->minimumSize(), w->maximumSize());
        }
    }
}

TEST_F(ShellTest, CommandLineNamesAFileOrTurnsTheSplashOff)
{
    CCommandLineInfo plain;
    plain.Parse({});
    EXPECT_EQ(plain.m_nShellCommand, CCommandLineInfo::FileNew);
    EXPECT_TRUE(plain.m_bShowSplash);
    for (const char* embedded : { "-Embedding", "/Embedding", "/Automation", "-automation" }) {
        CCommandLineInfo info;
        info.Parse({ embedded });
        EXPECT_FALSE(info.m_bShowSplash) << embedded;
        EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
    }
    CCommandLineInfo withFile;
    withFile.Parse({ "/tmp/some file.ico" });
    EXPECT_EQ(withFile.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(withFile.m_strFileName, "/tmp/some file.ico");

    {
        CSplashBitmapWnd::EnableSplash(false);
        AppHarness h({ MakeIcon(m_dir, "named.ico") });
        ASSERT_TRUE(h.started());
        EXPECT_FALSE(CSplashBitmapWnd::IsSplashEnabled());
        EXPECT_EQ(h.ActiveDocument()->GetTitle(), "named.ico");
    }
    AppHarness missing({ m_dir.filePath("nothing-here.ico") });
    EXPECT_FALSE(missing.started());
    ASSERT_FALSE(missing.platform().messages.empty());
    EXPECT_EQ(missing.platform().messages.back().text, "Failed to open document.");
}

TEST_F(ShellTest, MenusAndKeysDeliverTheirCommands)
{
    AppHarness h;
    CMainFrame& frame = h.frame();
    frame.activateWindow();
    QApplication::setActiveWindow(&frame);
    // The document menu's items read exactly as the resource gives them.
    QMenu* file = frame.menuBar()->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    QStringList texts;
    for (QAction* action : file->actions())
        if (!action->isSeparator() && action->isVisible())
            texts << action->text();
    EXPECT_EQ(texts,
        QStringList({ "&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "&Save\tCtrl+S", "Save &As...",
            "Preferences...", "Recent File", "E&xit" }));

    // An accelerator reaches the same command as the menu.
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(h.Windows().size(), 2u);
    QTest::keyClick(&frame, Qt::Key_F6);
    EXPECT_TRUE(h.IsChecked(ID_VIEW_16));
}

TEST_F(ShellTest, WindowMenuListsTheOpenWindowsAndArrangesMinimizedOnes)
{
    AppHarness h;
    h.Command(ID_FILE_NEW);
    QMenu* window = nullptr;
    for (QAction* action : h.frame().menuBar()->actions())
        if (action->text() == "&Window")
            window = action->menu();
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    QStringList entries;
    for (QAction* action : window->actions())
        if (action->text().size() > 1 && action->text()[0] == '&' && action->text()[1].isDigit())
            entries << action->text();
    EXPECT_EQ(entries, QStringList({ "&1 Icon1", "&2 Icon2" }));
    emit window->aboutToShow(); // refilled, not appended
    EXPECT_EQ(window->actions().size(), 3 + 1 + 2);

    for (CMDIChildWnd* w : h.Windows())
        w->showMinimized();
    h.Command(ID_WINDOW_ARRANGE);
    const auto windows = h.Windows();
    const int bottom = h.frame().MdiArea()->viewport()->height();
    EXPECT_EQ(windows[0]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(windows[1]->geometry().bottom() + 1, bottom);
    EXPECT_NE(windows[0]->x(), windows[1]->x());
}

TEST_F(ShellTest, ContextHelpKeysOpenHelpInsteadOfRunningTheCommand)
{
    AppHarness h;
    h.Command(ID_CONTEXT_HELP);
    EXPECT_TRUE(h.frame().InContextHelpMode());
    h.Command(ID_FILE_NEW);
    EXPECT_FALSE(h.frame().InContextHelpMode());
    EXPECT_EQ(h.Windows().size(), 1u);
    h.Command(ID_FILE_NEW);
    EXPECT_EQ(h.Windows().size(), 2u);

    // Escape leaves the mode without showing anything.
    h.Command(ID_CONTEXT_HELP);
    QTest::keyClick(h.ActiveView(), Qt::Key_Escape);
    EXPECT_FALSE(h.frame().InContextHelpMode());
    h.Command(ID_FILE_NEW);
    EXPECT_EQ(h.Windows().size(), 3u);
}

// The help page that context help opened, and the first cell on its top visible line.
struct OpenedHelp {
    QTextBrowser* browser = nullptr;
    QString topText;
};

OpenedHelp FindOpenedHelp()
{
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* browser = window->findChild<QTextBrowser*>(QString(), Qt::FindDirectChildrenOnly);
        if (!browser || !window->isVisible())
            continue;
        const QTextBlock top = browser->cursorForPosition(QPoint(8, 8)).block();
        OpenedHelp help { browser, top.text() };
        window->close();
        return help;
    }
    return {};
}

TEST_F(ShellTest, ContextHelpOpensTheHelpOfTheClickedItemWithoutRunningIt)
{
    AppHarness h;
    CMDIChildWnd* only = h.Windows().front();
    const QRect placed = only->geometry();

    // A toolbar button, even a disabled one (nothing copied yet): the page opens at the
    // command's first entry, in the Edit menu.
    QToolButton* paste = nullptr;
    for (QToolButton* button : h.frame().m_wndToolBar->findChildren<QToolButton*>())
        if (button->defaultAction()
            && button->defaultAction()->property("pixmoraCommand") == ID_EDIT_PASTE_INTERNAL)
            paste = button;
    ASSERT_NE(paste, nullptr);
    h.frame().UpdateCommandActions();
    ASSERT_FALSE(paste->isEnabled());
    h.Command(ID_CONTEXT_HELP);
    QTest::mouseClick(paste, Qt::LeftButton);
    EXPECT_FALSE(h.frame().InContextHelpMode());
    OpenedHelp help = FindOpenedHelp();
    ASSERT_NE(help.browser, nullptr);
    EXPECT_EQ(help.topText, "Paste Internal Cliboard");

    // A menu item: the menu closes, the command does not run.
    h.Command(ID_CONTEXT_HELP);
    QMenu* window = nullptr;
    for (QAction* top : h.frame().menuBar()->actions())
        if (top->text() == "&Window")
            window = top->menu();
    ASSERT_NE(window, nullptr);
    window->popup(h.frame().mapToGlobal(QPoint(100, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QAction* tile = window->actions().at(1);
    ASSERT_EQ(tile->text(), "&Tile");
    QTest::mouseClick(window, Qt::LeftButton, {}, window->actionGeometry(tile).center());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(h.frame().InContextHelpMode());
    help = FindOpenedHelp();
    ASSERT_NE(help.browser, nullptr);
    EXPECT_EQ(help.topText, "Tile");
    EXPECT_EQ(only->geometry(), placed);
    EXPECT_EQ(h.Windows().size(), 1u);
}

TEST_F(ShellTest, SaveAsRenamesTheWindowAndRemembersTheFile)
{
    AppHarness h;
    h.ActiveDocument()->m_pixels[2][47][47] = RGB(1, 1, 1);
    h.ActiveDocument()->SetModifiedFlag(true);
    h.platform().saveAnswers = { m_dir.filePath("renamed.ICO") };
    h.Command(ID_FILE_SAVE);
    EXPECT_EQ(h.ActiveDocument()->GetTitle(), "renamed.ICO");
    EXPECT_EQ(h.Windows().front()->windowTitle(), "renamed.ICO");
    EXPECT_EQ(h.frame().windowTitle(), "icon - renamed.ICO");
    EXPECT_FALSE(h.ActiveDocument()->IsModified());
    EXPECT_EQ(GetProfileString("Recent File List", "File1"), m_dir.filePath("renamed.ICO"));
    // A second save goes to the same file without asking.
    h.ActiveDocument()->SetModifiedFlag(true);
    h.Command(ID_FILE_SAVE);
    EXPECT_EQ(h.platform().fileFilters.size(), 1u);
    EXPECT_FALSE(h.ActiveDocument()->IsModified());
}
