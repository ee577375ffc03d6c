// SPDX-License-Identifier: GPL-3.0-or-later
// Disks that fail, for save tests: a real tmpfs of a few pages that can be filled, a file size
// limit set on the process, and injected failures of the writes and the sync beneath
// WriteFileAtomically.
#pragma once

#include "framework/AtomicFileWriter.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <sys/resource.h>

// A tmpfs mounted on a fresh temporary directory and unmounted again. Mounting needs root and a
// kernel that lets this process mount; when it cannot, WhyNot() says why.
class SmallFileSystem {
public:
    explicit SmallFileSystem(std::size_t bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return m_mounted; }
    const QString& WhyNot() const { return m_whyNot; }
    QString FilePath(const QString& name) const { return m_path + u'/' + name; }
    std::size_t FreeBytes() const;
    // Fills the file system with a file named "filler" until exactly leave bytes (a multiple of
    // the page size) are free. False when that could not be arranged.
    bool FillLeaving(std::size_t leave);

private:
    QString m_path;
    bool m_mounted = false;
    QString m_whyNot;
};

// Makes writes fail once `after` bytes have gone out, with errno failure (a write that
// returns 0 when failure is 0), or makes the sync fail with syncFailure. Installed for its
// lifetime.
class FailingOutput {
public:
    struct Plan {
        std::size_t after = 0;
        int failure = 0;
        int syncFailure = 0;
    };
    explicit FailingOutput(Plan plan);
    ~FailingOutput();
    FailingOutput(const FailingOutput&) = delete;
    FailingOutput& operator=(const FailingOutput&) = delete;

private:
    std::unique_ptr<FileOutputCalls> m_previous;
};

// Limits the size of files this process writes (RLIMIT_FSIZE), so the kernel itself refuses
// writes past it with EFBIG; the signal that would kill the process is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
};

// The names in a directory, hidden ones included, sorted.
QStringList EntriesIn(const QString& directory);
