// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Profile.h"
#include "support/FreshProfile.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// What the next start of the program reads. Store objects of one process share a cache, so
// the file is copied and read on its own to see what really reached the disk.
QVariant ReadFromDisk(const QString& key)
{
    EXPECT_TRUE(FlushProfile()); // as at exit
    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.conf");
    if (!QFile::copy(ProfileFileName(), copy))
        return {};
    return QSettings(copy, QSettings::IniFormat).value(key);
}

} // namespace

TEST(Profile, LivesInTheVendorFolderUnderTheUserConfigDirectory)
{
    const QString expected
        = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("vrek/icon.conf");
    EXPECT_EQ(QDir::cleanPath(ProfileFileName()), QDir::cleanPath(expected));
}

TEST(Profile, WrittenValuesAreSeenByTheNextStart)
{
    FreshProfile fresh;
    EXPECT_TRUE(WriteProfileInt("Tools", "anti alias", 0));
    EXPECT_TRUE(WriteProfileInt("Position", "left", -32000));
    const QString path = QStringLiteral("/home/a user/ik, één\\x=1;[2].ico");
    EXPECT_TRUE(WriteProfileString("Recent File List", "File1", path));
    EXPECT_TRUE(WriteProfileString("Tip", "TimeStamp", "Wed Jan 02 02:03:55 1980"));

    EXPECT_EQ(ReadFromDisk("Tools/anti alias").toString(), "0");
    EXPECT_EQ(ReadFromDisk("Position/left").toString(), "-32000");
    EXPECT_EQ(ReadFromDisk("Recent File List/File1").toString(), path);

    EXPECT_EQ(GetProfileInt("Tools", "anti alias", 1), 0);
    EXPECT_EQ(GetProfileInt("Position", "left", 10), -32000);
    EXPECT_EQ(GetProfileString("Recent File List", "File1"), path);
    EXPECT_EQ(GetProfileString("Tip", "TimeStamp"), "Wed Jan 02 02:03:55 1980");
    // Entries are told apart by the whole name, spaces included.
    EXPECT_EQ(GetProfileInt("Tools", "anti", 7), 7);
    EXPECT_EQ(GetProfileInt("Tools", "antialias", 7), 7);
}

TEST(Profile, AbsentEntriesGiveTheDefault)
{
    FreshProfile fresh;
    EXPECT_EQ(GetProfileInt("Settings", "bca", 1), 1);
    EXPECT_EQ(GetProfileInt("Settings", "bca", -5), -5);
    EXPECT_EQ(GetProfileString("Tip", "TimeStamp", "none"), "none");
    EXPECT_TRUE(GetProfileString("Tip", "TimeStamp").isNull());
}

TEST(Profile, NullStringsRemoveEntriesAndSections)
{
    FreshProfile fresh;
    for (const char* entry : { "File1", "File2", "File3" })
        WriteProfileString("Recent File List", entry, "x.ico");
    WriteProfileInt("Settings", "sound", 0);

    WriteProfileString("Recent File List", "File2", QString());
    EXPECT_EQ(GetProfileString("Recent File List", "File2", "gone"), "gone");
    EXPECT_EQ(GetProfileString("Recent File List", "File3"), "x.ico");
    // An empty string is a value, not a removal.
    WriteProfileString("Recent File List", "File3", "");
    EXPECT_EQ(GetProfileString("Recent File List", "File3", "gone"), "");

    WriteProfileString("Recent File List", QString(), QString());
    EXPECT_EQ(GetProfileString("Recent File List", "File1", "gone"), "gone");
    EXPECT_EQ(GetProfileInt("Settings", "sound", 1), 0);
}

TEST(Profile, DamagedFileGivesDefaultsAndCanBeWrittenAgain)
{
    FreshProfile fresh;
    ASSERT_TRUE(FreshProfile::WriteRawFile("\xff\xfe\x01 garbage [[[\n=\n==x\n"
                                           "[Tools]\n"
                                           "last=abc\n"
                                           "pen size=1,2\n"
                                           "anti alias=99999999999\n"
                                           "[Position]\n"
                                           "left=@Rect(1 2 3 4)\n"
                                           "right=@Variant(\\0\\0\\x7f)\n"
                                           "top=12abc\n"
                                           "bottom= 42 \n"
                                           "[Settings\n"
                                           "bca=2\n"));
    EXPECT_EQ(GetProfileInt("Tools", "last", 32772), 32772);
    EXPECT_EQ(GetProfileInt("Tools", "pen size", 32819), 32819);
    EXPECT_EQ(GetProfileInt("Tools", "anti alias", 1), 1);
    EXPECT_EQ(GetProfileInt("Position", "left", 10), 10);
    EXPECT_EQ(GetProfileInt("Position", "right", 600), 600);
    EXPECT_EQ(GetProfileInt("Position", "top", 10), 10);
    EXPECT_EQ(GetProfileInt("Position", "bottom", 500), 42);
    EXPECT_EQ(GetProfileString("Position", "left", "d"), "d");

    EXPECT_TRUE(WriteProfileInt("Tools", "last", 32801));
    EXPECT_EQ(ReadFromDisk("Tools/last").toString(), "32801");
    EXPECT_EQ(GetProfileInt("Tools", "last", 32772), 32801);
}

TEST(Profile, HandEditedEntriesWithPlainSpacesAreFound)
{
    FreshProfile fresh;
    ASSERT_TRUE(FreshProfile::WriteRawFile("[Tools]\nanti alias = 0\npen size=32821\n"
                                           "[Recent File List]\nFile1=/tmp/a, b.ico\n"));
    EXPECT_EQ(GetProfileInt("Tools", "anti alias", 1), 0);
    EXPECT_EQ(GetProfileInt("Tools", "pen size", 32819), 32821);
    EXPECT_EQ(GetProfileString("Recent File List", "File1"), "/tmp/a, b.ico");
}

TEST(Profile, SerializedValuesAreDroppedBeforeTheyCanExhaustMemory)
{
    // A list that claims four billion elements, spelled the ways the file format allows: plain,
    // with the "@" escaped, continued over two lines, and on lines ended by CR alone. Decoding
    // any of them would try to reserve tens of gigabytes.
    FreshProfile fresh;
    ASSERT_TRUE(FreshProfile::WriteRawFile(
        "[Position]\n"
        "left=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xf0)\n"
        "top=33\n"
        "[Tools]\n"
        "last=\\x40Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xf0)\n"
        "pen size=32821\n"
        "anti alias=\"@Var\\\n"
        "iant(\\0\\0\\0\\t\\xff\\xff\\xff\\xf0)\"\n"
        "[Settings]\rcca=2\rbca=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xf0)\r"
        "[Recent File List]\n"
        "File1=/tmp/@Variant(1).ico\n"
        "File2=@@Variant(2).ico\n"));
    EXPECT_EQ(GetProfileInt("Position", "left", 10), 10);
    EXPECT_EQ(GetProfileInt("Position", "top", 10), 33);
    EXPECT_EQ(GetProfileInt("Tools", "last", 32772), 32772);
    EXPECT_EQ(GetProfileInt("Tools", "pen size", 32819), 32821);
    EXPECT_EQ(GetProfileInt("Tools", "anti alias", 1), 1);
    EXPECT_EQ(GetProfileInt("Settings", "bca", 1), 1);
    EXPECT_EQ(GetProfileInt("Settings", "cca", 1), 2);
    // Text that merely contains the marker, or starts with it escaped, is text.
    EXPECT_EQ(GetProfileString("Recent File List", "File1"), "/tmp/@Variant(1).ico");
    EXPECT_EQ(GetProfileString("Recent File List", "File2"), "@Variant(2).ico");

    EXPECT_TRUE(WriteProfileInt("Position", "left", 50));
    EXPECT_EQ(ReadFromDisk("Position/left").toString(), "50");
    EXPECT_EQ(ReadFromDisk("Position/top").toString(), "33");
}

TEST(ProfilePlainNames, SectionsAndEntriesWithSpacesAreWrittenAsTheyAreNamed)
{
    SetRegistryKey(QStringLiteral("vrek"));
    FreshProfile::Clear();
    WriteProfileInt("Tools", "anti alias", 0);
    WriteProfileInt("Tools", "pen size", 32821);
    WriteProfileString("Recent File List", "File1", "/tmp/a b.ico");
    ASSERT_TRUE(FlushProfile());
    QFile file(ProfileFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Recent File List]")) << text.toStdString();
    EXPECT_TRUE(text.contains("anti alias=0")) << text.toStdString();
    EXPECT_FALSE(text.contains("%20")) << text.toStdString();
    // And they read back, also after further writes.
    WriteProfileInt("Tools", "last", 32773);
    EXPECT_EQ(GetProfileInt("Tools", "anti alias", 1), 0);
    EXPECT_EQ(GetProfileInt("Tools", "pen size", 0), 32821);
    EXPECT_EQ(GetProfileString("Recent File List", "File1"), "/tmp/a b.ico");
    FreshProfile::Clear();
}

TEST(ProfileStoreFile, AFifoInTheFilesPlaceGivesDefaultsAndIsLeftAlone)
{
    // Opening a FIFO for reading waits for a writer that never comes: start-up would hang.
    FreshProfile fresh;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ProfileFileName()).absolutePath()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ProfileFileName()).constData(), 0600), 0);
    ReloadProfile();
    EXPECT_EQ(GetProfileInt("Tools", "last", 32772), 32772);
    EXPECT_FALSE(WriteProfileInt("Tools", "last", 32801));
    EXPECT_FALSE(FlushProfile());
    struct stat info { };
    ASSERT_EQ(::lstat(QFile::encodeName(ProfileFileName()).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(ProfileStoreFile, AFailedWriteKeepsTheOldFileAndTheChanges)
{
    // The file-size limit makes every write past 4 KiB fail with EFBIG, as a full disk would.
    FreshProfile fresh;
    ASSERT_TRUE(FreshProfile::WriteRawFile("[Tools]\nlast=32773\n"));
    EXPECT_EQ(GetProfileInt("Tools", "last", 0), 32773);
    WriteProfileString("Recent File List", "File1", QString(8192, u'x'));
    {
        struct rlimit saved { };
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 4096;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool flushed = FlushProfile();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_FALSE(flushed);
    }
    QFile file(ProfileFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Tools]\nlast=32773\n");
    const QDir dir = QFileInfo(ProfileFileName()).absoluteDir();
    EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), QStringList { "icon.conf" });

    EXPECT_TRUE(FlushProfile());
    EXPECT_EQ(ReadFromDisk("Recent File List/File1").toString().size(), 8192);
    EXPECT_EQ(ReadFromDisk("Tools/last").toString(), "32773");
}

TEST(ProfileStoreFile, ReplacingTheFileKeepsItsPermissionsAndTheLinkToIt)
{
    FreshProfile fresh;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("icon.conf");
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Tools]\nlast=32773\n");
    }
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ProfileFileName()).absolutePath()));
    ASSERT_TRUE(QFile::link(target, ProfileFileName()));
    ReloadProfile();
    WriteProfileInt("Tools", "pen size", 32821);
    ASSERT_TRUE(FlushProfile());
    EXPECT_TRUE(QFileInfo(ProfileFileName()).isSymLink());
    struct stat info { };
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(QSettings(target, QSettings::IniFormat).value("Tools/pen size").toString(), "32821");
    EXPECT_EQ(QSettings(target, QSettings::IniFormat).value("Tools/last").toString(), "32773");
}
