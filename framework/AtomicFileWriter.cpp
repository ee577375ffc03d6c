// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/AtomicFileWriter.h"

#include "framework/PathNames.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

ssize_t FileOutputCalls::Write(int fd, const void* data, std::size_t count)
{
    return ::write(fd, data, count);
}

int FileOutputCalls::Sync(int fd) { return ::fsync(fd); }

namespace {

std::unique_ptr<FileOutputCalls>& InstalledCalls()
{
    static std::unique_ptr<FileOutputCalls> calls = std::make_unique<FileOutputCalls>();
    return calls;
}

// Why a step failed; errno is read at once, before anything else can change it.
struct Failure {
    int error;
};

std::string Describe(Failure f) { return std::strerror(f.error); }

// The file a save replaces. A link is followed so that it keeps pointing at the saved file; a
// link to nothing yet names the file to create.
std::string ResolveTarget(const std::string& path)
{
    if (!IsSymbolicLink(path))
        return AbsoluteFilePath(path);
    const std::string canonical = CanonicalFilePath(path);
    return canonical.empty() ? SymbolicLinkTarget(path) : canonical;
}

// A number for a hidden name, straight from the system's random source; should that fail, the
// clock and the process serve, since O_EXCL is what keeps two writers apart anyway.
std::uint32_t RandomNumber()
{
    std::uint32_t number = 0;
    if (::getrandom(&number, sizeof number, GRND_NONBLOCK) == ssize_t(sizeof number))
        return number;
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::uint32_t(now.tv_nsec) ^ (std::uint32_t(::getpid()) << 16);
}

// The new file beside the target, removed again unless it has been renamed into place.
class ReplacementFile {
public:
    explicit ReplacementFile(const std::string& target)
        : m_folder(AbsoluteFolderOf(target))
        , m_name(FileNameOf(target))
    {
        // Where the file system allows it the new file has no name until it is complete, so
        // even a save killed half way leaves nothing behind. Naming it later goes through
        // /proc, without which the file is named from the start.
        // Whether /proc is there does not change while the program runs.
        static const bool procAvailable = ::access("/proc/self/fd", X_OK) == 0;
        if (procAvailable)
            m_fd = ::open(m_folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        // O_EXCL never opens a file someone else made. The mode 0666 lets the umask and the
        // directory's default permissions apply, as to any new file.
        for (int attempt = 0; attempt < 16 && m_fd < 0; ++attempt) {
            m_path = NextName();
            m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd < 0) {
            m_failure = Failure { errno };
            m_path.clear();
        }
    }
    ~ReplacementFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Gives a file made without a name its hidden name beside the target, ready for the
    // rename; a file that has one already keeps it.
    bool Name()
    {
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 16 && m_path.empty(); ++attempt) {
            const std::string name = NextName();
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                m_path = name;
            else if (errno != EEXIST)
                return false;
        }
        return !m_path.empty();
    }
    bool IsOpen() const { return m_fd >= 0; }
    Failure OpenFailure() const { return m_failure; }
    int Fd() const { return m_fd; }

    // A close can report a write the kernel could not complete, so it is checked like one.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    bool RenameTo(const std::string& target)
    {
        if (::rename(m_path.c_str(), target.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    // Hidden, and in the target's own directory so that the rename never crosses file systems.
    std::string NextName() const
    {
        char number[9];
        std::snprintf(number, sizeof number, "%08x", unsigned(RandomNumber()));
        return m_folder + "/." + m_name + "." + number;
    }

    std::string m_folder;
    std::string m_name;
    std::string m_path;
    int m_fd = -1;
    Failure m_failure { 0 };
};

// Sends every byte, going on after short writes; a write that moves nothing means the disk is
// full even when the system does not say so.
bool WriteAll(FileOutputCalls& calls, int fd, ByteView bytes)
{
    const std::uint8_t* data = bytes.data();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = calls.Write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= std::size_t(n);
    }
    return true;
}

// Only a file system that cannot sync at all is excused; one that fails to is not.
bool SyncToDisk(FileOutputCalls& calls, int fd)
{
    if (calls.Sync(fd) == 0)
        return true;
    return errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

// Gives the new file the owner and permissions of the one it replaces. Changing the owner is
// only possible for root; for others the file stays theirs, as any new file would be.
bool TakeOverAttributes(int fd, const struct stat& old)
{
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid())
        && ::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Extended attributes go with the file's contents: tags, labels and above all access control
// lists, which live in them. Each is copied on its own and one that cannot be set (a name the
// user may not write, a file system without that kind) is left behind rather than failing the
// save, as a copy would.
void TakeOverExtendedAttributes(const char* from, int fd)
{
    const ssize_t size = ::listxattr(from, nullptr, 0);
    if (size <= 0)
        return;
    std::vector<char> names(std::size_t(size) + 1, '\0');
    const ssize_t listed = ::listxattr(from, names.data(), names.size() - 1);
    for (std::size_t at = 0; listed > 0 && at < std::size_t(listed);
         at += std::strlen(names.data() + at) + 1) {
        const char* name = names.data() + at;
        const ssize_t length = ::getxattr(from, name, nullptr, 0);
        if (length < 0)
            continue;
        std::vector<char> value(static_cast<std::size_t>(length));
        const ssize_t read = ::getxattr(from, name, value.data(), value.size());
        if (read >= 0)
            ::fsetxattr(fd, name, value.data(), std::size_t(read), 0);
    }
}

// The rename is made lasting by syncing the directory that holds it. The file is already
// complete under its name either way, so a directory that cannot be synced is no failure.
void SyncDirectory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::optional<Failure> Replace(const std::string& path, ByteView bytes)
{
    const std::string target = ResolveTarget(path);
    // Nothing to resolve against (the current folder is gone): no name to write beside.
    if (target.empty())
        return Failure { ENOENT };
    struct stat old { };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Failure { EISDIR };
    // A file the user may not write is not replaced behind its back, even though the
    // directory would allow the rename.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return Failure { errno };

    ReplacementFile file(target);
    if (!file.IsOpen())
        return file.OpenFailure();
    FileOutputCalls& calls = *InstalledCalls();
    if (!WriteAll(calls, file.Fd(), bytes) || (exists && !TakeOverAttributes(file.Fd(), old)))
        return Failure { errno };
    if (exists)
        TakeOverExtendedAttributes(target.c_str(), file.Fd());
    if (!SyncToDisk(calls, file.Fd()) || !file.Name() || !file.Close() || !file.RenameTo(target))
        return Failure { errno };
    SyncDirectory(AbsoluteFolderOf(target));
    return std::nullopt;
}

} // namespace

std::unique_ptr<FileOutputCalls> SetFileOutputCalls(std::unique_ptr<FileOutputCalls> calls)
{
    std::unique_ptr<FileOutputCalls> previous = std::move(InstalledCalls());
    InstalledCalls() = calls ? std::move(calls) : std::make_unique<FileOutputCalls>();
    return previous;
}

bool WriteFileAtomically(const std::string& path, ByteView bytes, std::string* reason)
{
    const std::optional<Failure> failure = Replace(path, bytes);
    if (failure && reason)
        *reason = Describe(*failure);
    return !failure;
}

void ReportFileSizeLimitAsWriteError() { std::signal(SIGXFSZ, SIG_IGN); }
