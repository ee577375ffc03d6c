// SPDX-License-Identifier: GPL-3.0-or-later
// FileDescriptor: owns a POSIX file descriptor and closes it when the scope ends. The standard
// streams are never closed, so a descriptor that stands for standard input or output may be
// held the same way as an opened file. Close() is for files whose close must be checked.
#pragma once

#include <unistd.h>
#include <utility>

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd > STDERR_FILENO)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool Close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};
