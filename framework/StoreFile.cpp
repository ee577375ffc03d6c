// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/StoreFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Closes the descriptor when the scope ends; the close of a written file is checked by hand.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    bool Close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

FileIdentity IdentityFromStat(const struct stat& info)
{
    return { true, info.st_dev, info.st_ino, info.st_size,
        info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec };
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// A symbolic link is kept as it is: the file it points to is replaced.
QString ReplacedPath(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

// Writes, syncs and closes a new file with a fresh name beside target; its name, or an empty
// string (nothing left behind) on failure.
QString WriteTemporaryBeside(const QString& target, const QByteArray& bytes)
{
    struct stat old { };
    const bool hasOld = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name
            = QStringLiteral("%1.%2.tmp")
                  .arg(target, QString::number(QRandomGenerator::global()->generate(), 36));
        const QByteArray encoded = QFile::encodeName(name);
        // 0666 less the umask, as any new file of the user's; an existing file's mode is kept.
        FileDescriptor fd(
            ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.get() < 0 && errno == EEXIST)
            continue;
        if (fd.get() < 0)
            return {};
        const bool written = WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0
            && (!hasOld || ::fchmod(fd.get(), old.st_mode & 07777) == 0);
        if (fd.Close() && written)
            return name;
        ::unlink(encoded.constData());
        return {};
    }
    return {};
}

void SyncDirectoryOf(const QString& path)
{
    FileDescriptor dir(::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
        O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

FileIdentity IdentityOf(const QString& path)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return IdentityFromStat(info);
}

StoreFileContents ReadStoreFile(const QString& path, qint64 maxSize)
{
    // Non-blocking, so opening a FIFO returns at once instead of waiting for a writer.
    FileDescriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return { errno == ENOENT || errno == ENOTDIR ? StoreFileContents::State::Absent
                                                     : StoreFileContents::State::Unreadable,
            {}, {} };
    struct stat info { };
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxSize)
        return { StoreFileContents::State::Unreadable, {}, IdentityFromStat(info) };
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() > maxSize)
                return { StoreFileContents::State::Unreadable, {}, IdentityFromStat(info) };
            // The file may have grown since fstat; read on until its end.
            bytes.resize(bytes.size() + 4096);
        }
        const ssize_t got = ::read(fd.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return { StoreFileContents::State::Unreadable, {}, IdentityFromStat(info) };
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return { StoreFileContents::State::Read, bytes, IdentityFromStat(info) };
}

bool ReplaceStoreFile(const QString& path, const QByteArray& bytes)
{
    const QString target = ReplacedPath(path);
    const QString temporary = WriteTemporaryBeside(target, bytes);
    if (temporary.isEmpty())
        return false;
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData())
        != 0) {
        ::unlink(QFile::encodeName(temporary).constData());
        return false;
    }
    // The rename itself reaches the disk only with its directory.
    SyncDirectoryOf(target);
    return true;
}
