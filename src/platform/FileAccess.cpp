#include "platform/FileAccess.h"
#include "platform/InPlaceWrite.h"
#include "platform/StatIdentity.h"
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

bool statPath(const std::string& path, struct stat& info)
{
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

bool mayReadAndWrite(const std::string& path)
{
    return ::access(path.c_str(), R_OK | W_OK) == 0;
}

bool mayCreateFilesIn(const std::string& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool fileExists(const std::string& path)
{
    struct stat info;
    return !path.empty() && statPath(path, info);
}

bool isDirectory(const std::string& path)
{
    struct stat info;
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

FileIdentity identityOf(const struct stat& info)
{
    return FileIdentity {static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino)};
}

namespace {

std::int64_t modificationOf(const struct stat& info)
{
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

} // namespace

std::int64_t modificationTime(const std::string& path)
{
    struct stat info;
    return statPath(path, info) ? modificationOf(info) : 0;
}

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    struct stat info;
    if (!statPath(path, info))
        return {};
    return identityOf(info);
}

PathFacts pathFacts(const std::string& path)
{
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0)
        return {};
    if (!S_ISLNK(info.st_mode))
        return {
            FileIdentity {static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino)},
            false, info.st_nlink > 1};
    return {fileIdentity(path), true};
}

std::string resolvedPath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string result(resolved);
    std::free(resolved);
    return result;
}

bool isRegularFile(const std::string& path)
{
    struct stat info;
    return statPath(path, info) && S_ISREG(info.st_mode);
}

bool isReadOnly(const std::string& path)
{
    struct stat info;
    return statPath(path, info) && (info.st_mode & kAnyWriteBit) == 0;
}

bool hasReadWriteAccess(const std::string& path)
{
    struct stat info;
    return statPath(path, info) && (info.st_mode & kAnyWriteBit) != 0 && mayReadAndReplace(path);
}

bool mayReplaceFilesIn(const std::string& folder)
{
    return mayCreateFilesIn(folder) || mayKeepRestoreCopies();
}

bool mayReadAndReplace(const std::string& path)
{
    return mayReadAndWrite(path) && mayReplaceFilesIn(parentFolder(path));
}

FileResult readWholeFile(const std::string& path, std::string& text)
{
    FileState state;
    return readWholeFile(path, text, state);
}

namespace {

// Opens a regular file for reading. A pipe, device or socket is refused
// before anything is read from it (the open itself must not wait for a
// writer), and so is a folder.
int openRegularFile(const std::string& path, struct stat& info, FileState& state, FileResult& failure)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        state.exists = !path.empty() && statPath(path, info);
        state.readOnly = state.exists && (info.st_mode & kAnyWriteBit) == 0;
        failure = failureFromErrno(FileOperation::OpenInput, path, err);
        return -1;
    }
    state.exists = true;
    if (::fstat(fd, &info) != 0) {
        failure = failureFromErrno(FileOperation::OpenInput, path, errno);
        ::close(fd);
        return -1;
    }
    state.readOnly = (info.st_mode & kAnyWriteBit) == 0;
    state.identity = identityOf(info);
    state.modified = modificationOf(info);
    if (!S_ISREG(info.st_mode)) {
        failure = S_ISDIR(info.st_mode) ? failureFromErrno(FileOperation::OpenInput, path, EISDIR)
                                        : FileFailure {FileOperation::OpenInput, path, CauseInvalidFile, 0};
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads up to `limit` bytes into `into`, which has room for them: a file
// that grows while it is read is taken at the size it had. `used` tells how
// many came, also when the read fails part-way.
FileResult readUpTo(int fd, const std::string& path, std::size_t limit, char* into, std::size_t& used)
{
    used = 0;
    while (used < limit) {
        const ssize_t got = ::read(fd, into + used, limit - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int err = errno;
            ::close(fd);
            return failureFromErrno(FileOperation::Read, path, err);
        }
        if (got == 0)
            break;
        used += static_cast<size_t>(got);
    }
    if (::close(fd) != 0)
        return failureFromErrno(FileOperation::CloseInput, path, errno);
    return {};
}

FileResult readUpTo(int fd, const std::string& path, std::size_t limit, std::string& text)
{
    text.resize(limit);
    std::size_t used = 0;
    FileResult result = readUpTo(fd, path, limit, text.data(), used);
    text.resize(used);
    return result;
}

} // namespace

FileResult readWholeFile(const std::string& path, std::string& text, FileState& state)
{
    text.clear();
    struct stat info;
    FileResult failure;
    const int fd = openRegularFile(path, info, state, failure);
    if (fd < 0)
        return failure;
    return readUpTo(fd, path, static_cast<size_t>(info.st_size), text);
}

FileResult readWholeFileInto(const std::string& path, std::unique_ptr<char[]>& storage, std::size_t& length,
                             FileState& state)
{
    length = 0;
    storage.reset();
    struct stat info;
    FileResult failure;
    const int fd = openRegularFile(path, info, state, failure);
    if (fd < 0)
        return failure;
    const auto size = static_cast<std::size_t>(info.st_size);
    storage = std::make_unique_for_overwrite<char[]>(size);
    return readUpTo(fd, path, size, storage.get(), length);
}

FileResult readFileStart(const std::string& path, std::size_t limit, std::string& text)
{
    text.clear();
    struct stat info;
    FileState state;
    FileResult failure;
    const int fd = openRegularFile(path, info, state, failure);
    if (fd < 0)
        return failure;
    return readUpTo(fd, path, std::min(limit, static_cast<size_t>(info.st_size)), text);
}

FileResult listDirectory(const std::string& path, DirectoryEntries& entries)
{
    entries = {};
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return failureFromErrno(FileOperation::OpenInput, path, errno);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat info;
        if (::lstat((path + "/" + name).c_str(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode))
            entries.folders.push_back(name);
        else if (S_ISREG(info.st_mode))
            entries.files.push_back(name);
        else if (S_ISLNK(info.st_mode) && statPath(path + "/" + name, info) && S_ISREG(info.st_mode))
            entries.files.push_back(name);
    }
    ::closedir(dir);
    return {};
}

FileResult deleteFile(const std::string& path)
{
    if (::unlink(path.c_str()) != 0)
        return failureFromErrno(FileOperation::Delete, path, errno);
    return {};
}

FileResult makeDirectories(const std::string& path)
{
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        const std::string prefix = path.substr(0, pos);
        if (prefix.empty() || isDirectory(prefix))
            continue;
        if (::mkdir(prefix.c_str(), 0777) == 0 || isDirectory(prefix))
            continue;
        // Something other than a folder stands where a folder is needed.
        return failureFromErrno(FileOperation::OpenOutput, path, errno == EEXIST ? ENOTDIR : errno);
    }
    return {};
}

std::string parentFolder(const std::string& path)
{
    size_t end = path.size();
    while (end > 1 && path[end - 1] == '/')
        --end;
    const size_t slash = path.rfind('/', end - 1);
    if (slash == std::string::npos || end == 0)
        return ".";
    size_t folderEnd = slash;
    while (folderEnd > 0 && path[folderEnd - 1] == '/')
        --folderEnd;
    if (folderEnd == 0)
        return "/";
    return path.substr(0, folderEnd);
}

} // namespace torvane
