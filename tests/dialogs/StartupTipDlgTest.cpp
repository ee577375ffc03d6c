// SPDX-License-Identifier: GPL-3.0-or-later
// The tip of the day: the walk through the tips file across showings and runs, the start-up
// flag, the messages for a missing or unreadable file, damaged and huge files, and the dialog
// as start-up and the Help menu run it.
#include "dialogs/StartupTipDlg.h"

#include "framework/Profile.h"
#include "resources/Artwork.h"
#include "resources/Resource.h"
#include "support/AppHarness.h"
#include "support/FreshProfile.h"
#include "support/QtPrint.h"
#include "support/ScriptedPlatform.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

const QString kTip = QStringLiteral("Tip");

const QByteArray kThreeTips = "; Tips for the test\n"
                              "First tip\n"
                              ";\n"
                              "\n"
                              " An indented line is a comment, whatever it says\n"
                              "\tSo is one that starts with a tab\n"
                              "Second tip\n"
                              "; the last one\n"
                              "Third tip\n";

QString LabelText(const CStartupTipDlg& dlg)
{
    return static_cast<QLabel*>(dlg.GetDlgItem(IDC_TIP_TEXT))->text();
}

QAbstractButton* Button(const CStartupTipDlg& dlg, int id)
{
    return static_cast<QAbstractButton*>(dlg.GetDlgItem(id));
}

class StartupTipTest : public testing::Test {
protected:
    QString WriteTips(const QByteArray& bytes, const QString& name = QStringLiteral("tips.txt"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    // The tip a fresh construction takes (and thereby moves the walk past).
    QString NextShowing(const QString& path) { return CStartupTipDlg(nullptr, path).m_strTip; }

    FreshProfile m_profile;
    ScopedScriptedPlatform m_platform;
    QTemporaryDir m_dir;
};

TEST_F(StartupTipTest, ShowingsWalkThroughTheTipsAndWrapAtTheEnd)
{
    const QString path = WriteTips(kThreeTips);
    EXPECT_EQ(NextShowing(path), "First tip\n");
    // "FilePos" holds the offset just after the tip read.
    EXPECT_EQ(GetProfileInt(kTip, "FilePos", -1), kThreeTips.indexOf("First tip\n") + 10);
    EXPECT_EQ(NextShowing(path), "Second tip\n");
    EXPECT_EQ(NextShowing(path), "Third tip\n");
    EXPECT_EQ(NextShowing(path), "First tip\n");

    // Within one showing, "Next Tip" goes on from there and shows each tip.
    CStartupTipDlg dlg(nullptr, path);
    dlg.OnInitDialog();
    EXPECT_EQ(LabelText(dlg), "Second tip\n");
    Button(dlg, IDC_TIP_NEXT)->click();
    EXPECT_EQ(dlg.m_strTip, "Third tip\n");
    EXPECT_EQ(LabelText(dlg), "Third tip\n");
    Button(dlg, IDC_TIP_NEXT)->click();
    EXPECT_EQ(LabelText(dlg), "First tip\n");
    EXPECT_TRUE(m_platform->messages.empty());
}

TEST_F(StartupTipTest, StartUpFlagFollowsTheCheckBoxOnlyWhenClosed)
{
    const QString path = WriteTips(kThreeTips);
    {
        CStartupTipDlg dlg(nullptr, path);
        EXPECT_EQ(dlg.m_bStartup, 1); // "StartUp" absent: shown at start-up
        dlg.OnInitDialog();
        EXPECT_TRUE(Button(dlg, IDC_TIP_STARTUP)->isChecked());
        // "Next Tip" puts back the flag the dialog holds.
        Button(dlg, IDC_TIP_STARTUP)->click();
        Button(dlg, IDC_TIP_NEXT)->click();
        EXPECT_TRUE(Button(dlg, IDC_TIP_STARTUP)->isChecked());
        // Escape writes nothing.
        Button(dlg, IDC_TIP_STARTUP)->click();
        dlg.reject();
        EXPECT_EQ(GetProfileInt(kTip, "StartUp", -1), -1);
        // "Close" stores the unchecked box as 1.
        EXPECT_FALSE(Button(dlg, IDC_TIP_STARTUP)->isChecked());
        Button(dlg, IDOK)->click();
        EXPECT_EQ(dlg.m_bStartup, 0);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(GetProfileInt(kTip, "StartUp", -1), 1);
    {
        CStartupTipDlg dlg(nullptr, path);
        EXPECT_EQ(dlg.m_bStartup, 0);
        dlg.OnInitDialog();
        Button(dlg, IDC_TIP_STARTUP)->click();
        dlg.accept();
    }
    EXPECT_EQ(GetProfileInt(kTip, "StartUp", -1), 0);
    // Any value other than 0 means "not at start-up".
    WriteProfileInt(kTip, "StartUp", 7);
    EXPECT_EQ(CStartupTipDlg(nullptr, path).m_bStartup, 0);
}

TEST_F(StartupTipTest, MissingFileSaysSoAndDisablesNextTip)
{
    CStartupTipDlg dlg(nullptr, m_dir.filePath("no-tips-here.txt"));
    EXPECT_FALSE(dlg.HasTipsFile());
    EXPECT_EQ(dlg.m_strTip, "Tips file does not exist in the prescribed directory");
    dlg.OnInitDialog();
    EXPECT_FALSE(dlg.GetDlgItem(IDC_TIP_NEXT)->isEnabled());
    EXPECT_EQ(LabelText(dlg), dlg.m_strTip);
    EXPECT_TRUE(m_platform->messages.empty());

    // A folder of that name is no tips file either.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.txt"));
    EXPECT_FALSE(CStartupTipDlg(nullptr, m_dir.filePath("folder.txt")).HasTipsFile());
    EXPECT_EQ(GetProfileInt(kTip, "FilePos", -1), -1);
}

TEST_F(StartupTipTest, ChangedTimeStampStartsAtTheTopAgain)
{
    const QString path = WriteTips(kThreeTips);
    EXPECT_EQ(NextShowing(path), "First tip\n");
    const QString stamp = GetProfileString(kTip, "TimeStamp");
    EXPECT_EQ(stamp.size(), 24);
    EXPECT_TRUE(QRegularExpression("^(Sun|Mon|Tue|Wed|Thu|Fri|Sat) "
                                   "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                   "\\d\\d \\d\\d:\\d\\d:\\d\\d \\d{4}$")
                    .match(stamp)
                    .hasMatch())
        << qPrintable(stamp);
    EXPECT_EQ(NextShowing(path), "Second tip\n");

    WriteProfileString(kTip, "TimeStamp", "Wed Jan 02 02:03:55 1980");
    EXPECT_EQ(NextShowing(path), "First tip\n");
    EXPECT_EQ(GetProfileString(kTip, "TimeStamp"), stamp);
}

TEST_F(StartupTipTest, StoredPositionsOffTheFile)
{
    const QString path = WriteTips(kThreeTips);
    EXPECT_EQ(NextShowing(path), "First tip\n"); // stores the time stamp

    // Beyond the end: the first read finds nothing and the walk starts at the top.
    WriteProfileInt(kTip, "FilePos", 100000);
    EXPECT_EQ(NextShowing(path), "First tip\n");
    EXPECT_TRUE(m_platform->messages.empty());

    // Before the start the seek fails: the user is told, the dialog opens with no tip, and
    // the walk goes on from the top next time.
    WriteProfileInt(kTip, "FilePos", -5);
    {
        CStartupTipDlg dlg(nullptr, path);
        ASSERT_EQ(m_platform->messages.size(), 1u);
        EXPECT_EQ(m_platform->messages[0].text, "Trouble reading the tips file");
        // An OK box; the framework gives it its exclamation mark.
        EXPECT_EQ(m_platform->messages[0].style, unsigned(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_TRUE(dlg.m_strTip.isEmpty());
        dlg.OnInitDialog();
        EXPECT_TRUE(dlg.GetDlgItem(IDC_TIP_NEXT)->isEnabled());
    }
    EXPECT_EQ(NextShowing(path), "First tip\n");
}

TEST_F(StartupTipTest, FilesWithoutTipsEndTheSearch)
{
    const QString trouble = QStringLiteral("Trouble reading the tips file");
    for (const QByteArray& bytes :
        { QByteArray(), QByteArray("; only comments\n\n   \n\t\n"), QByteArray(100000, '\0') }) {
        const QString path = WriteTips(bytes);
        CStartupTipDlg dlg(nullptr, path);
        EXPECT_EQ(dlg.m_strTip, trouble);
        dlg.OnInitDialog();
        Button(dlg, IDC_TIP_NEXT)->click();
        EXPECT_EQ(dlg.m_strTip, trouble);
    }
}

TEST_F(StartupTipTest, LinesEndedByCarriageReturnAndLineFeed)
{
    // As a file written on another system has them: the empty line is no tip.
    const QString crlf = WriteTips("One\r\n\r\nTwo\r\n");
    EXPECT_EQ(NextShowing(crlf), "One\n");
    EXPECT_EQ(NextShowing(crlf), "Two\n");
}

TEST_F(StartupTipTest, LongLinesArriveInPiecesShownOnTheirOwn)
{
    const QByteArray longLine = QByteArray(2 * CStartupTipDlg::kMaxPiece, 'a')
        + QByteArray(" ;rest\n") + QByteArray("Short\n");
    CStartupTipDlg dlg(nullptr, WriteTips(longLine));
    EXPECT_EQ(dlg.m_strTip, QString(CStartupTipDlg::kMaxPiece, 'a'));
    dlg.GetNextTip();
    EXPECT_EQ(dlg.m_strTip, QString(CStartupTipDlg::kMaxPiece, 'a'));
    dlg.GetNextTip(); // " ;rest\n" starts with a space
    EXPECT_EQ(dlg.m_strTip, "Short\n");
}

TEST_F(StartupTipTest, HugeFileNeitherHangsNorStoresAWrappedOffset)
{
    // A sparse file of more than 2 GiB: NUL bytes, with one tip just past the 2 GiB mark.
    const QString path = m_dir.filePath("huge.txt");
    const qint64 tipAt = qint64(INT_MAX) - 2;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (!file.resize(tipAt + 64) || !file.seek(tipAt))
            GTEST_SKIP() << "no sparse files here";
        file.write("Far tip\n");
    }
    // From the top, the search gives up after a bounded stretch of NUL bytes.
    EXPECT_EQ(NextShowing(path), "Trouble reading the tips file");
    const int stopped = GetProfileInt(kTip, "FilePos", -1);
    EXPECT_GT(stopped, 0);
    EXPECT_LT(stopped, 64 << 20);

    // The tip past 2 GiB is found, but an offset beyond 32 bits is not stored wrapped.
    WriteProfileInt(kTip, "FilePos", int(tipAt));
    EXPECT_EQ(NextShowing(path), "Far tip\n");
    EXPECT_EQ(GetProfileInt(kTip, "FilePos", -1), 0);
}

TEST_F(StartupTipTest, PaintedPanel)
{
    CStartupTipDlg dlg(nullptr, WriteTips(kThreeTips));
    dlg.OnInitDialog();
    const QRect panel = dlg.GetDlgItem(IDC_TIP_PANEL)->geometry();
    const QRect text = dlg.GetDlgItem(IDC_TIP_TEXT)->geometry();
    EXPECT_TRUE(panel.contains(text));
    const QImage shot = dlg.grab().toImage();
    const QImage bulb = Artwork::TipBulbBitmap();
    ASSERT_FALSE(bulb.isNull());
    // The bulb sits in the panel's corner, pixel for pixel.
    for (QPoint p : { QPoint(0, 0), QPoint(20, 20), QPoint(39, 52), QPoint(20, 45) })
        EXPECT_EQ(shot.pixel(panel.topLeft() + p), bulb.pixel(p));
    // The panel is white below the bulb and under the tip's text.
    EXPECT_EQ(shot.pixel(panel.left() + 2, panel.bottom() - 2), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(text.right() - 2, text.bottom() - 2), qRgb(255, 255, 255));
    // "Did you know..." is written beside the bulb.
    bool heading = false;
    for (int x = panel.left() + bulb.width(); x < panel.right() && !heading; ++x)
        for (int y = panel.top(); y < panel.top() + bulb.height() && !heading; ++y)
            heading = qGray(shot.pixel(x, y)) < 128;
    EXPECT_TRUE(heading);
}

// ---------------------------------------------------------------------------------------
// As the editor runs it: at start-up and from the Help menu.

// Makes a folder the current directory for its lifetime: the tips file is looked for there.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const QString& path)
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~ScopedCurrentDir() { QDir::setCurrent(m_previous); }
    ScopedCurrentDir(const ScopedCurrentDir&) = delete;
    ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

private:
    QString m_previous;
};

class TipOfTheDayAppTest : public StartupTipTest {
protected:
    void SetUp() override
    {
        AppHarness::ClearSettings();
        WriteTips(kThreeTips);
    }
    int Showings(AppHarness& h)
    {
        return int(std::count(h.platform().modalDialogs.begin(), h.platform().modalDialogs.end(),
            QStringLiteral("Pixmora tip of the day")));
    }
    ScopedCurrentDir m_cwd { m_dir.path() };
};

TEST_F(TipOfTheDayAppTest, ShownAtStartUpUntilSwitchedOff)
{
    QString shownFirst;
    {
        // The user reads the tip, unticks the box and closes the dialog.
        HarnessOptions options;
        options.prepare = [&shownFirst](ScriptedPlatform& p) {
            p.dialogScripts.push_back([&shownFirst](QDialog& dialog) {
                auto& tip = static_cast<CStartupTipDlg&>(dialog);
                shownFirst = static_cast<QLabel*>(tip.GetDlgItem(IDC_TIP_TEXT))->text();
                EXPECT_TRUE(Button(tip, IDC_TIP_NEXT)->isEnabled());
                Button(tip, IDC_TIP_STARTUP)->click();
                Button(tip, IDOK)->click();
                return int(IDOK);
            });
        };
        AppHarness h({}, options);
        ASSERT_TRUE(h.started());
        EXPECT_EQ(Showings(h), 1);
    }
    EXPECT_EQ(shownFirst, "First tip\n");
    EXPECT_EQ(GetProfileInt(kTip, "StartUp", -1), 1);

    {
        // Not shown now, but the walk still moves on by one tip.
        AppHarness h;
        EXPECT_EQ(Showings(h), 0);
        QString shownOnDemand;
        h.platform().dialogScripts.push_back([&shownOnDemand](QDialog& dialog) {
            shownOnDemand = static_cast<CStartupTipDlg&>(dialog).m_strTip;
            return int(IDCANCEL);
        });
        // The Help menu shows it whatever the flag says.
        EXPECT_TRUE(h.IsEnabled(ID_TIP_OF_THE_DAY));
        h.Command(ID_TIP_OF_THE_DAY);
        EXPECT_EQ(Showings(h), 1);
        EXPECT_EQ(shownOnDemand, "Third tip\n");
    }
    EXPECT_EQ(GetProfileInt(kTip, "StartUp", -1), 1); // Escape changed nothing
}

TEST_F(TipOfTheDayAppTest, NoTipWhenEmbeddedOrOpeningAFile)
{
    {
        AppHarness h({ "-Embedding" });
        ASSERT_TRUE(h.started());
        EXPECT_EQ(Showings(h), 0);
    }
    // Nothing was even read: no position is stored.
    EXPECT_EQ(GetProfileInt(kTip, "FilePos", -1), -1);

    {
        AppHarness h;
        EXPECT_EQ(Showings(h), 1);
    }
    const QString icon = QStringLiteral(PIXMORA_TEST_DATA "/ours-16-32-48.ico");
    const int position = GetProfileInt(kTip, "FilePos", -1);
    AppHarness h({ icon });
    ASSERT_TRUE(h.started());
    EXPECT_EQ(Showings(h), 0);
    EXPECT_EQ(GetProfileInt(kTip, "FilePos", -1), position);
}

} // namespace
