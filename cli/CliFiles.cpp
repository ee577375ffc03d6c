// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliFiles.h"

#include "framework/AtomicFileWriter.h"
#include "framework/FileDescriptor.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

std::optional<QByteArray> ReadAll(int fd, qint64 maxBytes, QString& why)
{
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            why = SystemError(errno);
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        if (bytes.size() + got > maxBytes) {
            why = QStringLiteral("larger than %1 bytes").arg(maxBytes);
            return std::nullopt;
        }
        bytes.append(buffer, qsizetype(got));
    }
}

bool WriteAll(int fd, const QByteArray& bytes, QString& why)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t put = ::write(fd, data, std::size_t(left));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            why = SystemError(put < 0 ? errno : EIO);
            return false;
        }
        data += put;
        left -= put;
    }
    return true;
}

} // namespace

std::optional<QByteArray> ReadInput(const QString& path, qint64 maxBytes, QString& why)
{
    if (IsStdStream(path))
        return ReadAll(STDIN_FILENO, maxBytes, why);
    // Non-blocking, so that opening a FIFO with no writer returns at once; the type is then
    // checked on the open descriptor itself, not on a name that could change in between.
    const FileDescriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        why = SystemError(errno);
        return std::nullopt;
    }
    struct stat info { };
    if (::fstat(fd.get(), &info) != 0) {
        why = SystemError(errno);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        why = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    if (info.st_size > maxBytes) {
        why = QStringLiteral("larger than %1 bytes").arg(maxBytes);
        return std::nullopt;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    return ReadAll(fd.get(), maxBytes, why);
}

QString RefusedOutputReason(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return info.isDir() ? QStringLiteral("is a directory")
                            : QStringLiteral("not a regular file");
    return {};
}

bool WriteOutput(const QString& path, const QByteArray& bytes, QString& why)
{
    if (IsStdStream(path))
        return WriteAll(STDOUT_FILENO, bytes, why);
    why = RefusedOutputReason(path);
    if (!why.isEmpty())
        return false;
    // The same replace-or-change-nothing write the editor saves with.
    return WriteFileAtomically(path, bytes, &why);
}
