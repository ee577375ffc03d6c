// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as its own process, ended by a real SIGTERM while a start-up dialog waits for
// the user: it must leave through its normal exit and write the settings.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// The main thread sleeps in poll(2) only when an event loop has nothing left to do: start-up
// is over and a dialog (or the main window) waits for input. False when the kernel does not
// tell (no /proc, or not allowed to look).
bool WaitUntilIdle(qint64 pid, int idleMs, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QElapsedTimer idleFor;
    while (elapsed.elapsed() < timeoutMs) {
        QFile syscall(QStringLiteral("/proc/%1/syscall").arg(pid));
        if (!syscall.open(QIODevice::ReadOnly))
            return false;
        const QByteArray number = syscall.readAll().split(' ').value(0);
        const bool polling = number == "7" || number == "271"; // poll, ppoll on x86-64
        if (!polling)
            idleFor.invalidate();
        else if (!idleFor.isValid())
            idleFor.start();
        if (idleFor.isValid() && idleFor.elapsed() >= idleMs)
            return true;
        QThread::msleep(20);
    }
    return false;
}

struct Ending {
    const char* name;
    QStringList arguments;
    int exitCode;
    bool showsTip;
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class TerminationTest : public testing::TestWithParam<Ending> { };

} // namespace

TEST_P(TerminationTest, SigtermDuringAStartUpDialogWritesTheSettings)
{
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess editor;
    editor.setProcessEnvironment(env);
    editor.setWorkingDirectory(config.path());
    editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    editor.start(QStringLiteral(PIXMORA_EDITOR_PATH), GetParam().arguments);
    ASSERT_TRUE(editor.waitForStarted());
    if (!WaitUntilIdle(editor.processId(), 1000, 60000)) {
        editor.kill();
        editor.waitForFinished();
        GTEST_SKIP() << "cannot see whether the editor waits for input (/proc/PID/syscall)";
    }

    ::kill(pid_t(editor.processId()), SIGTERM);
    ASSERT_TRUE(editor.waitForFinished(30000)) << "still running after SIGTERM";
    EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(editor.exitCode(), GetParam().exitCode);

    QSettings written(QDir(config.path()).filePath("vrek/icon.conf"), QSettings::IniFormat);
    EXPECT_TRUE(written.contains("Position/left"));
    EXPECT_EQ(written.value("Tools/last").toString(), "32772");
    // The tip dialog moved on by one tip when it was made; it writes that when it goes.
    if (GetParam().showsTip) {
        EXPECT_GT(written.value("Tip/FilePos").toInt(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Editor, TerminationTest,
    testing::Values(Ending { "TipOfTheDay", {}, 0, true },
        Ending { "FailedToOpenMessage", { QStringLiteral("missing.ico") }, 1, false }),
    [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });
