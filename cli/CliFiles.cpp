// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliFiles.h"

#include "framework/AtomicFileWriter.h"
#include "framework/FileDescriptor.h"
#include "framework/Strings.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemError(int code) { return std::strerror(code); }

std::string TooLarge(std::int64_t maxBytes)
{
    return "larger than " + std::to_string(maxBytes) + " bytes";
}

std::optional<Bytes> ReadAll(int fd, std::int64_t maxBytes, std::string& why)
{
    Bytes bytes;
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
        if (std::int64_t(bytes.size()) + got > maxBytes) {
            why = TooLarge(maxBytes);
            return std::nullopt;
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
}

bool WriteAll(int fd, ByteView bytes, std::string& why)
{
    const std::uint8_t* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t put = ::write(fd, data, std::size_t(left));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            why = SystemError(put < 0 ? errno : EIO);
            return false;
        }
        data += put;
        left -= std::size_t(put);
    }
    return true;
}

} // namespace

std::optional<Bytes> ReadInput(const std::string& path, std::int64_t maxBytes, std::string& why)
{
    if (IsStdStream(path))
        return ReadAll(STDIN_FILENO, maxBytes, why);
    // Non-blocking, so that opening a FIFO with no writer returns at once; the type is then
    // checked on the open descriptor itself, not on a name that could change in between.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
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
        why = "not a regular file";
        return std::nullopt;
    }
    if (info.st_size > maxBytes) {
        why = TooLarge(maxBytes);
        return std::nullopt;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    return ReadAll(fd.get(), maxBytes, why);
}

std::string RefusedOutputReason(const std::string& path)
{
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return S_ISDIR(info.st_mode) ? "is a directory" : "not a regular file";
}

bool WriteOutput(const std::string& path, ByteView bytes, std::string& why)
{
    if (IsStdStream(path))
        return WriteAll(STDOUT_FILENO, bytes, why);
    why = RefusedOutputReason(path);
    if (!why.empty())
        return false;
    // The same replace-or-change-nothing write the editor saves with.
    return WriteFileAtomically(path, bytes, &why);
}

std::string Complaint(std::string_view subject, std::string_view text)
{
    return std::string("pixmora-cli: ").append(subject).append(": ").append(text).append("\n");
}

std::optional<Bytes> ReadInputOrComplain(const std::string& path, std::string& complaints)
{
    std::string why;
    std::optional<Bytes> bytes = ReadInput(path, kMaxInputBytes, why);
    if (!bytes)
        complaints += Complaint(path, why) + Complaint(path, FrameworkText::FailedToOpen);
    return bytes;
}
