// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/StoreFile.h"

#include "framework/FileDescriptor.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileIdentity IdentityFromStat(const struct stat& info)
{
    return { true, info.st_dev, info.st_ino, info.st_size,
        info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec };
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
