#include "platform/FileAccess.h"
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

// Writing through a symbolic link replaces the file it points to, not the link.
std::string resolveLink(const std::string& path)
{
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

mode_t modeForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file until it has replaced the target; removed if that never happens.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string name) : name_(std::move(name)) {}
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.empty())
            ::unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool create()
    {
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
        if (fd_ < 0)
            name_.clear();
        return fd_ >= 0;
    }
    int fd() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    bool replace(const std::string& target)
    {
        if (::rename(name_.c_str(), target.c_str()) != 0)
            return false;
        name_.clear();
        return true;
    }

private:
    std::string name_;
    int fd_ = -1;
};

bool writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t put = ::write(fd, text.data(), text.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            return false;
        }
        text.remove_prefix(static_cast<size_t>(put));
    }
    return true;
}

} // namespace

std::optional<FileFailure> writeFileAtomically(const std::string& requested, std::string_view text)
{
    const std::string path = resolveLink(requested);
    struct stat old;
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed) {
        if (S_ISDIR(old.st_mode))
            return failureFromErrno("Open Output", requested, EISDIR);
        // A pipe or device would be replaced by a plain file.
        if (!S_ISREG(old.st_mode))
            return FileFailure{"Open Output", requested, CauseInvalidFile, 0};
        // Refused even where the process could write it anyway (as root).
        if ((old.st_mode & kAnyWriteBit) == 0)
            return FileFailure{"Open Output", requested, CauseAccessDenied, EACCES};
        if (::access(path.c_str(), W_OK) != 0)
            return failureFromErrno("Open Output", requested, errno);
    } else if (errno != ENOENT) {
        return failureFromErrno("Open Output", requested, errno);
    }

    TemporaryFile temp(parentFolder(path) + "/.torvane-XXXXXX");
    if (!temp.create())
        return failureFromErrno("Open Output", requested, errno);
    if (::fchmod(temp.fd(), existed ? (old.st_mode & 07777) : modeForNewFile()) != 0)
        return failureFromErrno("Open Output", requested, errno);
    // Root keeps the owner of someone else's file; where the file system has
    // no owners (FAT) the write goes on without them.
    if (existed && ::geteuid() == 0 && ::fchown(temp.fd(), old.st_uid, old.st_gid) != 0) {
    }

    if (!writeAll(temp.fd(), text) || ::fsync(temp.fd()) != 0)
        return failureFromErrno("Write", requested, errno);
    if (!temp.close())
        return failureFromErrno("Close Output", requested, errno);
    if (!temp.replace(path))
        return failureFromErrno("Close Output", requested, errno);
    return std::nullopt;
}

} // namespace torvane
