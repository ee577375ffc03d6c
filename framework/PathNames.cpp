// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/PathNames.h"

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A NUL cuts a name short at the system call: no file has such a name.
bool IsUsableFileName(const std::string& path)
{
    return !path.empty() && path.find('\0') == std::string::npos;
}

bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

// Neither "." nor ".." parts nor doubled slashes: such an absolute name is used as it is.
bool IsClean(std::string_view path)
{
    int dots = 0;
    bool inDotsOnlyPart = true;
    bool slashAllowed = true;
    for (const char c : path) {
        if (c == '/') {
            if (dots == 1 || dots == 2 || !slashAllowed)
                return false;
            dots = 0;
            inDotsOnlyPart = true;
            slashAllowed = false;
        } else if (inDotsOnlyPart) {
            slashAllowed = true;
            if (c == '.') {
                inDotsOnlyPart = ++dots <= 2;
            } else {
                dots = 0;
                inDotsOnlyPart = false;
            }
        }
    }
    return dots != 1 && dots != 2;
}

std::optional<std::string> CurrentDirectory()
{
    std::string buffer(256, '\0');
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
            buffer.resize(buffer.find('\0'));
            return buffer;
        }
        if (errno != ERANGE)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
}

// The text of a symbolic link; empty when path is no link or cannot be read.
std::string ReadLink(const std::string& path)
{
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Folds "." and ".." parts and doubled slashes, keeping one trailing slash. It works from the
// end of the name backwards, so a ".." can swallow the part before it without a stack.
std::string NormalizeSegments(std::string_view name)
{
    const std::ptrdiff_t length = static_cast<std::ptrdiff_t>(name.size());
    if (length == 0)
        return std::string(name);
    const std::ptrdiff_t rootLength = name.front() == '/' ? 1 : 0;
    const char* p = name.data() + rootLength;
    std::ptrdiff_t i = length - 1 - rootLength;

    // The result is never longer than the input: it is built right-aligned in out.
    std::string out(static_cast<size_t>(length), '\0');
    std::ptrdiff_t used = length;
    const auto prepend = [&](char c) { out[static_cast<size_t>(--used)] = c; };
    const auto first = [&] { return out[static_cast<size_t>(used)]; };

    if (i > 0 && p[i] == '/') {
        prepend('/');
        --i;
    }
    std::ptrdiff_t up = 0;
    while (i >= 0) {
        if (p[i] == '/') {
            --i;
            continue;
        }
        const bool partStarts = i == 0 || p[i - 1] == '/';
        if (p[i] == '.' && partStarts) {
            --i;
            continue;
        }
        if (i >= 1 && p[i] == '.' && p[i - 1] == '.' && (i < 2 || p[i - 2] == '/')) {
            ++up;
            i -= i >= 2 ? 3 : 2;
            continue;
        }
        if (up == 0 && used != length && first() != '/')
            prepend('/');
        for (; i >= 0; --i) {
            if (p[i] == '/') {
                --i;
                break;
            }
            if (up == 0)
                prepend(p[i]);
        }
        if (up > 0)
            --up;
    }
    for (; up > 0; --up) {
        if (used != length && first() != '/')
            prepend('/');
        prepend('.');
        prepend('.');
    }
    const bool isEmpty = used == length;
    if (rootLength > 0) {
        // Only slashes followed the root: the root alone stands for them.
        if (!isEmpty && first() == '/')
            ++used;
        prepend('/');
    } else if (isEmpty || first() == '/') {
        // Everything folded away ("a/..", "./"): what is left is the current folder.
        prepend('.');
    }
    if (used == 0)
        return std::string(name);
    return out.substr(static_cast<size_t>(used));
}

// The folder part of a name without the empty-name rule: "." when there is no slash.
std::string FolderPart(std::string_view path)
{
    const size_t lastSlash = path.rfind('/');
    if (lastSlash == std::string_view::npos)
        return ".";
    if (lastSlash == 0)
        return "/";
    return std::string(path.substr(0, lastSlash));
}

// mkdir of every missing parent, from the deepest existing one down. A parent that exists
// but is no folder (or a link to none) stops it.
bool CreateWithParents(const std::string& directory, bool tryFirst)
{
    const auto isDirectory = [](const std::string& name) {
        struct stat status { };
        return ::stat(name.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
    };
    if (tryFirst && ::mkdir(directory.c_str(), 0777) == 0)
        return true;
    if (errno == EISDIR)
        return true;
    if (errno == EEXIST)
        return isDirectory(directory);
    if (errno != ENOENT)
        return false;
    const size_t slash = directory.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return false;
    if (!CreateWithParents(directory.substr(0, slash), true))
        return false;
    if (::mkdir(directory.c_str(), 0777) == 0)
        return true;
    return errno == EEXIST && isDirectory(directory);
}

} // namespace

std::string CleanPath(std::string_view path)
{
    std::string cleaned = NormalizeSegments(path);
    if (cleaned.size() > 1 && cleaned.back() == '/')
        cleaned.pop_back();
    return cleaned;
}

std::string DirectoryPath(std::string_view directory)
{
    if (directory.empty())
        return ".";
    if (directory.size() > 1 && directory.back() == '/')
        directory.remove_suffix(1);
    return std::string(directory);
}

std::string JoinPath(std::string_view directory, std::string_view name)
{
    if (IsAbsolute(name))
        return std::string(name);
    std::string joined = DirectoryPath(directory);
    if (name.empty())
        return joined;
    if (joined.back() != '/')
        joined += '/';
    joined += name;
    return joined;
}

std::string FileNameOf(std::string_view path)
{
    const size_t lastSlash = path.rfind('/');
    return std::string(lastSlash == std::string_view::npos ? path : path.substr(lastSlash + 1));
}

std::string FolderOf(std::string_view path)
{
    return path.empty() ? std::string() : FolderPart(path);
}

std::string AbsoluteFilePath(std::string_view path)
{
    if (path.empty())
        return {};
    if (IsAbsolute(path) && IsClean(path))
        return std::string(path);

    std::string joined;
    if (!IsAbsolute(path)) {
        const std::optional<std::string> current = CurrentDirectory();
        if (!current)
            return {};
        joined = *current;
    }
    if (path != ".") {
        if (!joined.empty() && joined.back() != '/')
            joined += '/';
        joined += path;
    }
    if (joined == "/")
        return joined;
    // A trailing slash says "folder": it survives the cleaning.
    const bool namesFolder = joined.back() == '/';
    std::string cleaned = CleanPath(joined);
    if (namesFolder)
        cleaned += '/';
    return cleaned;
}

std::string AbsoluteFolderOf(std::string_view path) { return FolderOf(AbsoluteFilePath(path)); }

bool IsSymbolicLink(const std::string& path)
{
    if (!IsUsableFileName(path))
        return false;
    struct stat status { };
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

std::string SymbolicLinkTarget(const std::string& path)
{
    if (!IsUsableFileName(path))
        return {};
    const std::string target = ReadLink(path);
    if (target.empty())
        return {};
    if (IsAbsolute(target))
        return CleanPath(target);
    // A relative target counts from the folder that holds the link.
    const std::string linkFolder = AbsoluteFolderOf(path);
    if (linkFolder.empty())
        return {};
    return CleanPath(linkFolder + '/' + target);
}

std::string CanonicalFilePath(const std::string& path)
{
    if (!IsUsableFileName(path))
        return {};
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        ::realpath(path.c_str(), nullptr), &std::free);
    return resolved ? CleanPath(resolved.get()) : std::string();
}

bool MakePath(const std::string& directory)
{
    if (directory.empty())
        return false;
    std::string name = JoinPath(".", directory);
    if (name.find('\0') != std::string::npos)
        return false;
    while (name.size() > 1 && name.back() == '/')
        name.pop_back();
    if (::mkdir(name.c_str(), 0777) == 0)
        return true;
    return CreateWithParents(name, false);
}
