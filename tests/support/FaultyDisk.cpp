// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FaultyDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

SmallFileSystem::SmallFileSystem(std::size_t bytes)
{
    if (::geteuid() != 0) {
        m_whyNot = QStringLiteral("mounting a small file system needs root");
        return;
    }
    m_path = QDir::tempPath() + QStringLiteral("/pixmora-small-fs-XXXXXX");
    QByteArray pattern = QFile::encodeName(m_path);
    if (!::mkdtemp(pattern.data())) {
        m_whyNot = QStringLiteral("no mount point: %1").arg(std::strerror(errno));
        return;
    }
    m_path = QFile::decodeName(pattern);
    const QByteArray options = "size=" + QByteArray::number(qulonglong(bytes));
    if (::mount("tmpfs", pattern.constData(), "tmpfs", 0, options.constData()) != 0) {
        m_whyNot
            = QStringLiteral("mount -t tmpfs -o %1 failed: %2")
                  .arg(QString::fromLatin1(options), QString::fromLocal8Bit(std::strerror(errno)));
        ::rmdir(pattern.constData());
        return;
    }
    m_mounted = true;
}

SmallFileSystem::~SmallFileSystem()
{
    const QByteArray path = QFile::encodeName(m_path);
    if (m_mounted)
        ::umount2(path.constData(), MNT_DETACH);
    if (!m_path.isEmpty())
        ::rmdir(path.constData());
}

std::size_t SmallFileSystem::FreeBytes() const
{
    struct statvfs fs { };
    if (::statvfs(QFile::encodeName(m_path).constData(), &fs) != 0)
        return 0;
    return std::size_t(fs.f_bavail) * fs.f_frsize;
}

bool SmallFileSystem::FillLeaving(std::size_t leave)
{
    const QByteArray filler = QFile::encodeName(FilePath(QStringLiteral("filler")));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const std::vector<char> block(4096, 'f');
    off_t written = 0;
    for (;;) {
        const ssize_t n = ::write(fd, block.data(), block.size());
        if (n <= 0)
            break;
        written += n;
    }
    const bool trimmed = leave == 0 || ::ftruncate(fd, written - off_t(leave)) == 0;
    ::close(fd);
    return trimmed && FreeBytes() == leave;
}

namespace {

class FailingCalls final : public FileOutputCalls {
public:
    explicit FailingCalls(FailingOutput::Plan plan)
        : m_plan(plan)
    {
    }
    ssize_t Write(int fd, const void* data, std::size_t count) override
    {
        const std::size_t room = m_plan.after > m_sent ? m_plan.after - m_sent : 0;
        if (room == 0) {
            errno = m_plan.failure;
            return m_plan.failure ? -1 : 0;
        }
        const ssize_t n = FileOutputCalls::Write(fd, data, std::min(count, room));
        if (n > 0)
            m_sent += std::size_t(n);
        return n;
    }
    int Sync(int fd) override
    {
        if (m_plan.syncFailure == 0)
            return FileOutputCalls::Sync(fd);
        errno = m_plan.syncFailure;
        return -1;
    }

private:
    FailingOutput::Plan m_plan;
    std::size_t m_sent = 0;
};

} // namespace

FailingOutput::FailingOutput(Plan plan)
    : m_previous(SetFileOutputCalls(std::make_unique<FailingCalls>(plan)))
{
}

FailingOutput::~FailingOutput() { SetFileOutputCalls(std::move(m_previous)); }

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    ::getrlimit(RLIMIT_FSIZE, &m_previous);
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}

QStringList EntriesIn(const QString& directory)
{
    return QDir(directory).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}
