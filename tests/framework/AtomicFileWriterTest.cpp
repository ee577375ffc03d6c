// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file atomically: the new file looks like the old one to its owner and its links,
// and what must not be replaced is refused with the reason, leaving everything as it was.
#include "framework/AtomicFileWriter.h"
#include "support/FaultyDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct stat StatOf(const QString& path)
{
    struct stat st { };
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st;
}

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

TEST(AtomicFileWriter, TheReplacementKeepsModeOwnerAndLinks)
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.ico"));
    ASSERT_TRUE(WriteFileAtomically(fresh, "new"));
    EXPECT_EQ(Read(fresh), "new");
    EXPECT_EQ(StatOf(fresh).st_mode & 0777, 0666 & ~CurrentUmask());

    const QString shared = dir.filePath(QStringLiteral("shared.ico"));
    ASSERT_TRUE(WriteFileAtomically(shared, "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 4242, 4343), 0);
    }
    ASSERT_TRUE(WriteFileAtomically(shared, "replaced"));
    EXPECT_EQ(Read(shared), "replaced");
    EXPECT_EQ(StatOf(shared).st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(StatOf(shared).st_uid, 4242u);
        EXPECT_EQ(StatOf(shared).st_gid, 4343u);
    }

    // Saving through a link writes its target and leaves the link in place.
    const QString link = dir.filePath(QStringLiteral("link.ico"));
    ASSERT_TRUE(QFile::link(shared, link));
    ASSERT_TRUE(WriteFileAtomically(link, "through the link"));
    EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode));
    EXPECT_EQ(Read(shared), "through the link");

    EXPECT_EQ(EntriesIn(dir.path()), QStringList({ "fresh.ico", "link.ico", "shared.ico" }));
}

TEST(AtomicFileWriter, WhatCannotBeReplacedIsRefusedWithTheReason)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("folder.ico"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
    QString reason;
    EXPECT_FALSE(WriteFileAtomically(folder, "x", &reason));
    EXPECT_EQ(reason, QStringLiteral("Is a directory"));
    EXPECT_EQ(EntriesIn(folder), QStringList({ "inside" }));

    EXPECT_FALSE(WriteFileAtomically(dir.filePath(QStringLiteral("gone/x.ico")), "x", &reason));
    EXPECT_EQ(reason, QStringLiteral("No such file or directory"));
    {
        // A relative name where the current folder is gone names nothing; the new file must
        // not be made somewhere else (it once went to the root folder).
        const QString gone = dir.filePath(QStringLiteral("cwd"));
        ASSERT_TRUE(QDir().mkdir(gone));
        const QString previous = QDir::currentPath();
        ASSERT_EQ(::chdir(QFile::encodeName(gone).constData()), 0);
        ASSERT_EQ(::rmdir(QFile::encodeName(gone).constData()), 0);
        // Where each write goes, as the kernel names the file.
        struct WriteRecorder : FileOutputCalls {
            QStringList* files;
            ssize_t Write(int fd, const void* data, std::size_t count) override
            {
                *files << QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
                return FileOutputCalls::Write(fd, data, count);
            }
        };
        QStringList written;
        auto recorder = std::make_unique<WriteRecorder>();
        recorder->files = &written;
        auto previousCalls = SetFileOutputCalls(std::move(recorder));
        EXPECT_FALSE(WriteFileAtomically(QStringLiteral("x.ico"), "x", &reason));
        SetFileOutputCalls(std::move(previousCalls));
        EXPECT_EQ(reason, QStringLiteral("No such file or directory"));
        EXPECT_EQ(written, QStringList()) << written.join(u' ').toStdString();
        ASSERT_EQ(::chdir(QFile::encodeName(previous).constData()), 0);
    }

    const QString path = dir.filePath(QStringLiteral("x.ico"));
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    {
        const FailingOutput full({ 2, ENOSPC, 0 });
        EXPECT_FALSE(WriteFileAtomically(path, "new bytes", &reason));
    }
    EXPECT_EQ(reason, QStringLiteral("No space left on device"));
    EXPECT_EQ(Read(path), "old");

    // The directory would allow the rename, but a file its owner made read-only is not
    // replaced behind their back. Root may write any file, so there is nothing to refuse.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    if (::geteuid() != 0) {
        EXPECT_FALSE(WriteFileAtomically(path, "new", &reason));
        EXPECT_EQ(reason, QStringLiteral("Permission denied"));
        EXPECT_EQ(Read(path), "old");
    }
    EXPECT_EQ(EntriesIn(dir.path()), QStringList({ "folder.ico", "x.ico" }));
}

TEST(AtomicFileWriter, ASaveKilledHalfWayLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.ico"));
    ASSERT_TRUE(WriteFileAtomically(path, "old"));

    // Dies for real after sending part of the bytes, as under kill -9 or a crash.
    class DyingCalls final : public FileOutputCalls {
        ssize_t Write(int fd, const void* data, std::size_t count) override
        {
            FileOutputCalls::Write(fd, data, count / 2);
            ::raise(SIGKILL);
            return -1;
        }
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SetFileOutputCalls(std::make_unique<DyingCalls>());
        WriteFileAtomically(path, QByteArray(10000, 'n'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(EntriesIn(dir.path()), QStringList({ "x.ico" }));
}

// A shared file's access list and its tags are kept by a save, as its mode is.
TEST(AtomicFileWriter, TheReplacementKeepsAccessListsAndExtendedAttributes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.ico"));
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    const QByteArray native = QFile::encodeName(path);
    // An access list in the kernel's own form: owner rw, user 4242 r, group r, mask r, others
    // nothing.
    const auto entry = [](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
        QByteArray e(8, '\0');
        std::memcpy(e.data(), &tag, 2);
        std::memcpy(e.data() + 2, &perm, 2);
        std::memcpy(e.data() + 4, &id, 4);
        return e;
    };
    const std::uint32_t version = 2;
    const QByteArray acl = QByteArray(reinterpret_cast<const char*>(&version), 4)
        + entry(0x01, 6, ~0u) + entry(0x02, 4, 4242) + entry(0x04, 4, ~0u) + entry(0x10, 4, ~0u)
        + entry(0x20, 0, ~0u);
    const QByteArray tag = "kept";
    if (::setxattr(native.constData(), "user.pixmora.test", tag.constData(), tag.size(), 0) != 0
        || ::setxattr(native.constData(), "system.posix_acl_access", acl.constData(), acl.size(), 0)
            != 0)
        GTEST_SKIP() << "this file system keeps no extended attributes or access lists: "
                     << std::strerror(errno);

    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(Read(path), "new");
    const auto attribute = [&native](const char* name) {
        QByteArray value(256, '\0');
        const ssize_t n = ::getxattr(native.constData(), name, value.data(), value.size());
        return n < 0 ? QByteArray() : value.left(n);
    };
    EXPECT_EQ(attribute("user.pixmora.test"), tag);
    EXPECT_EQ(attribute("system.posix_acl_access"), acl);
}
