// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop user does besides the menus: drops files from a file manager onto the
// window, names several files on the command line, and expects the file dialogs to start
// in the folder used last.
#include "app/EditorApp.h"
#include "document/IconDoc.h"
#include "frame/MainFrame.h"
#include "framework/CommandLineInfo.h"
#include "framework/MDIChildWnd.h"
#include "framework/Profile.h"
#include "resources/Resource.h"
#include "support/AppHarness.h"
#include "support/QtPrint.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString MakeIcon(const QTemporaryDir& dir, const QString& name, COLORREF colour)
{
    CIconDoc doc;
    doc.m_pixels[0][1][2] = colour;
    const QString path = dir.filePath(name);
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

QString MakeDamaged(const QTemporaryDir& dir)
{
    const QString path = dir.filePath("damaged.ico");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\0\0\1\0\5\0", 6));
    return path;
}

// Drags urls over the window and drops them, as a file manager does; returns whether the
// window accepted the drag.
bool DropUrls(QWidget& window, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QApplication::processEvents();
    return drop.isAccepted();
}

bool DropFiles(QWidget& window, const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    return DropUrls(window, urls);
}

QStringList Titles(AppHarness& h)
{
    QStringList titles;
    for (CMDIChildWnd* w : h.Windows())
        titles << w->GetActiveDocument()->GetTitle();
    return titles;
}

class DesktopTest : public testing::Test {
protected:
    void SetUp() override { AppHarness::ClearSettings(); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(DesktopTest, DroppedIconsOpenEachAndAnOpenOneIsActivatedNotOpenedTwice)
{
    const QString red = MakeIcon(m_dir, "red.ico", RGB(255, 0, 0));
    const QString blue = MakeIcon(m_dir, "blue.ico", RGB(0, 0, 255));
    AppHarness h;
    ASSERT_TRUE(DropFiles(h.frame(), { red, blue }));
    EXPECT_EQ(Titles(h), QStringList({ "Icon1", "red.ico", "blue.ico" }));
    EXPECT_EQ(h.ActiveDocument()->m_pixels[0][1][2], RGB(0, 0, 255));
    EXPECT_TRUE(h.platform().messages.empty());

    ASSERT_TRUE(DropFiles(h.frame(), { red }));
    EXPECT_EQ(h.Windows().size(), 3u);
    EXPECT_EQ(h.ActiveDocument()->GetPathName(), red);
}

TEST_F(DesktopTest, ADroppedDamagedFileIsReportedAsOpenReportsItAndOpensNothing)
{
    const QString damaged = MakeDamaged(m_dir);
    AppHarness h;
    ASSERT_TRUE(DropFiles(h.frame(), { damaged, m_dir.filePath("gone.ico") }));
    EXPECT_EQ(Titles(h), QStringList({ "Icon1" }));
    ASSERT_EQ(h.platform().messages.size(), 2u);
    EXPECT_EQ(h.platform().messages[0].text, "Unexpected file format.");
    EXPECT_EQ(h.platform().messages[1].text, "Failed to open document.");
}

TEST_F(DesktopTest, DragsWithoutALocalFileAreRefused)
{
    AppHarness h;
    EXPECT_FALSE(DropUrls(h.frame(), { QUrl("https://example.org/a.ico") }));
    EXPECT_FALSE(DropUrls(h.frame(), { QUrl::fromLocalFile(m_dir.path()) }));
    EXPECT_FALSE(DropUrls(h.frame(), {}));
    EXPECT_EQ(h.Windows().size(), 1u);
    EXPECT_TRUE(h.platform().messages.empty());
}

TEST_F(DesktopTest, CommandLineTakesEveryFileVersionSwitchAndEndOfSwitches)
{
    CCommandLineInfo info;
    info.Parse({ "a.ico", "-v", "/Embedding", "b.ico", "--", "-dash.ico", "--help" });
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.m_strFileName, "a.ico");
    EXPECT_EQ(info.m_fileNames, QStringList({ "a.ico", "b.ico", "-dash.ico", "--help" }));
    EXPECT_TRUE(info.m_bVersion);
    EXPECT_FALSE(info.m_bHelp);
    EXPECT_FALSE(info.m_bShowSplash);
    EXPECT_TRUE(info.m_unknownSwitches.isEmpty());

    CCommandLineInfo unknown;
    unknown.Parse({ "--frobnicate", "-x" });
    EXPECT_EQ(unknown.m_unknownSwitches, QStringList({ "--frobnicate", "-x" }));
}

TEST_F(DesktopTest, EveryNamedFileOpensAndOneThatFailsDoesNotStopTheOthers)
{
    const QString red = MakeIcon(m_dir, "red.ico", RGB(255, 0, 0));
    const QString blue = MakeIcon(m_dir, "blue.ico", RGB(0, 0, 255));
    {
        AppHarness h({ red, MakeDamaged(m_dir), blue });
        ASSERT_TRUE(h.started());
        EXPECT_EQ(Titles(h), QStringList({ "red.ico", "blue.ico" }));
        ASSERT_EQ(h.platform().messages.size(), 1u);
        EXPECT_EQ(h.platform().messages[0].text, "Unexpected file format.");
    }
    AppHarness none({ m_dir.filePath("gone.ico"), MakeDamaged(m_dir) });
    EXPECT_FALSE(none.started());
    EXPECT_EQ(none.app().m_nStartupExitCode, 1);
}

TEST_F(DesktopTest, AnUnknownOptionEndsStartUpWithStatusTwoBeforeAnyWindow)
{
    AppHarness h({ "--frobnicate" });
    EXPECT_FALSE(h.started());
    EXPECT_EQ(h.app().m_nStartupExitCode, 2);
    EXPECT_EQ(h.app().GetMainWnd(), nullptr);
    AppHarness version({ "-v" });
    EXPECT_FALSE(version.started());
    EXPECT_EQ(version.app().m_nStartupExitCode, 0);
}

TEST_F(DesktopTest, FileDialogsStartInTheFolderUsedLastAlsoInTheNextRun)
{
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    const QString icon = MakeIcon(other, "picked.ico", RGB(0, 255, 0));
    {
        AppHarness h;
        h.platform().openAnswers = { icon };
        h.Command(ID_FILE_OPEN);
        EXPECT_EQ(h.platform().openFolders.front(), QDir::currentPath());
        EXPECT_EQ(GetProfileString("Settings", "last folder"), other.path());

        // An untitled icon is offered in that folder; Save As moves the folder on.
        h.Command(ID_FILE_NEW);
        h.ActiveDocument()->m_pixels[0][0][0] = RGB(1, 2, 4);
        h.platform().saveAnswers = { m_dir.filePath("saved.ico") };
        h.Command(ID_FILE_SAVE_AS);
        EXPECT_EQ(h.platform().saveProposals.front(), other.filePath("Icon2.ico"));
    }
    {
        AppHarness next;
        next.Command(ID_FILE_OPEN);
        EXPECT_EQ(next.platform().openFolders.front(), m_dir.path());
    }
    // A folder that has gone since falls back to the current directory.
    WriteProfileString("Settings", "last folder", m_dir.filePath("removed"));
    AppHarness h;
    h.Command(ID_FILE_OPEN);
    EXPECT_EQ(h.platform().openFolders.front(), QDir::currentPath());
}
