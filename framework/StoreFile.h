// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a small file that the program keeps between runs, safely: only a regular file is
// read (a FIFO or device in its place would block or never end). Replacing it is
// WriteFileAtomically's work.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

// What identifies one version of a file on disk; equal identities mean nobody replaced or
// changed the file in between.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of what is at path now (following symbolic links), without opening it.
FileIdentity IdentityOf(const QString& path);

struct StoreFileContents {
    enum class State { Absent, Read, Unreadable };
    State state = State::Absent;
    QByteArray bytes;
    // Of the file that was read (taken from the open file, so it matches the bytes).
    FileIdentity identity;
};

// The whole file, when it is a regular file of at most maxSize bytes. Anything else (a FIFO,
// a directory, a device, a larger file, a read error) is Unreadable; a missing file is Absent.
StoreFileContents ReadStoreFile(const QString& path, qint64 maxSize);
