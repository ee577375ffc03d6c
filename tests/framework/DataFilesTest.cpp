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

TEST(DataFiles, SearchesCurrentThenExecutableThenInstalledFolder)
{
    const QStringList path = DataFileSearchPath();
    ASSERT_EQ(path.size(), 3);
    EXPECT_EQ(path[0], QDir::currentPath());
    EXPECT_EQ(path[1], QCoreApplication::applicationDirPath());
    EXPECT_EQ(path[2], QStringLiteral(PIXMORA_DATA_DIR));
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
