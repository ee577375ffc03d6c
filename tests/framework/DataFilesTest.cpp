// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

// Makes a directory the current one for the lifetime of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& path)
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~CurrentDirectory() { QDir::setCurrent(m_previous); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    QString m_previous;
};

// A file that exists for the lifetime of the object.
class ScratchFile {
public:
    explicit ScratchFile(const QString& path)
        : m_path(path)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("x");
    }
    ~ScratchFile() { QFile::remove(m_path); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    bool Exists() const { return QFile::exists(m_path); }

private:
    QString m_path;
};

QString UniqueName() { return QUuid::createUuid().toString(QUuid::WithoutBraces) + ".wav"; }

} // namespace

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { m_had ? qputenv(m_name, m_previous) : qunsetenv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_previous;
};

TEST(DataFiles, SearchesCurrentThenExecutableThenItsShareFolderThenTheDesktopsDataFolders)
{
    QTemporaryDir xdg;
    ASSERT_TRUE(xdg.isValid());
    ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(xdg.path()));
    ScopedEnv dataDirs("XDG_DATA_DIRS", "/opt/one:/opt/two");
    const QString exeDir = QCoreApplication::applicationDirPath();
    EXPECT_EQ(DataFileSearchPath(),
        QStringList({ QDir::currentPath(), exeDir, QDir::cleanPath(exeDir + "/../share/pixmora"),
            xdg.filePath("pixmora"), "/opt/one/pixmora", "/opt/two/pixmora" }));
}

TEST(DataFiles, TheTreeBesideTheExecutableWinsOverTheDesktopsDataFolders)
{
    QTemporaryDir cwd, xdg;
    ASSERT_TRUE(cwd.isValid() && xdg.isValid());
    CurrentDirectory cd(cwd.path());
    ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(xdg.path()));
    const QString name = UniqueName();
    const QString shareDir
        = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/pixmora");
    const bool madeShare = !QDir(shareDir).exists();
    ASSERT_TRUE(QDir().mkpath(shareDir));
    ASSERT_TRUE(QDir().mkpath(xdg.filePath("pixmora")));
    const QString inXdg = xdg.filePath("pixmora/" + name);
    ScratchFile desktopCopy(inXdg);
    {
        ScratchFile installedCopy(QDir(shareDir).filePath(name));
        EXPECT_EQ(LocateDataFile(name), QDir(shareDir).filePath(name));
    }
    EXPECT_EQ(LocateDataFile(name), inXdg);
    if (madeShare)
        QDir().rmpath(shareDir);
}

TEST(DataFiles, CurrentDirectoryWinsAndKeepsTheNameAsGiven)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CurrentDirectory cd(dir.path());
    const QString name = UniqueName();
    ScratchFile besideExe(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    ScratchFile here(dir.filePath(name));
    ASSERT_TRUE(besideExe.Exists() && here.Exists());
    EXPECT_EQ(LocateDataFile(name), name);
}

TEST(DataFiles, FallsBackToTheExecutablesFolderThenToTheBareName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CurrentDirectory cd(dir.path());
    const QString name = UniqueName();
    // A folder of that name in the current directory is no data file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(name));
    {
        const QString besidePath = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        ScratchFile besideExe(besidePath);
        ASSERT_TRUE(besideExe.Exists());
        EXPECT_EQ(LocateDataFile(name), besidePath);
    }
    EXPECT_EQ(LocateDataFile(name), name);
    EXPECT_EQ(LocateDataFile(QString()), QString());
}
