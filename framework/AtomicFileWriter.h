// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file's contents in one step, or failing and changing nothing.
//
// The bytes go to a new file beside the target, one without a name where the file system
// allows it. Every write, the flush to the disk and the close are checked; the new file takes
// the old one's permissions, owner and extended attributes (access control lists among them)
// and only then is named and renamed over the target. On
// any failure the new file is removed, so the target keeps its old bytes and no stray file is
// left behind, not even by a process killed half way. Nothing ever writes into the target.
//
// Needs the standard library and POSIX alone, so the documents and both parts of the command-line
// tool share it.
#pragma once

#include "framework/Bytes.h"

#include <cstddef>
#include <memory>
#include <string>
#include <sys/types.h>

// The system calls through which the bytes reach the disk. Tests install their own to make one
// of them fail the way a full disk, a quota or a dying device would.
class FileOutputCalls {
public:
    virtual ~FileOutputCalls() = default;
    // As write(2) and fsync(2): -1 with errno set on failure.
    virtual ssize_t Write(int fd, const void* data, std::size_t count);
    virtual int Sync(int fd);
};

// Installs the calls the writer uses and returns the previous ones; null restores the system's.
std::unique_ptr<FileOutputCalls> SetFileOutputCalls(std::unique_ptr<FileOutputCalls> calls);

// Makes the file at path (a name in the file system's encoding) hold exactly bytes. A symbolic
// link keeps pointing where it did and its target receives the bytes. Returns false when the
// file could not be replaced, with why (for example "No space left on device") in *reason when
// given; the file is then untouched.
bool WriteFileAtomically(const std::string& path, ByteView bytes, std::string* reason = nullptr);

// A write past the user's file-size limit (ulimit -f) raises SIGXFSZ, which by default ends the
// process in the middle of a save, unsaved work included. Programs call this once at start: the
// signal is then ignored and the write fails with EFBIG, which the writer reports like any
// other failed write ("File too large").
void ReportFileSizeLimitAsWriteError();

#ifdef QT_CORE_LIB
#include "framework/PathNames.h"

// The same for a name and bytes in Qt's types, as the editor holds them.
inline bool WriteFileAtomically(
    const QString& path, QByteArrayView bytes, QString* reason = nullptr)
{
    std::string why;
    const bool written = WriteFileAtomically(NativeName(path), ToByteView(bytes), &why);
    if (!written && reason)
        *reason = QString::fromLocal8Bit(why.c_str());
    return written;
}
#endif
