#include "platform/AtomicFileStream.h"
#include "platform/DescriptorWrites.h"
#include "platform/InPlaceWrite.h"
#include "platform/StatIdentity.h"
#include "platform/TemporaryNames.h"
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

// Whether the new file has, or could be given, the old one's owner and group.
bool keepOwner(int fd, const struct stat& old)
{
    struct stat made;
    if (::fstat(fd, &made) == 0 && made.st_uid == old.st_uid && made.st_gid == old.st_gid)
        return true;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

} // namespace

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

AtomicFileStream::~AtomicFileStream()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

AtomicFileStream::AtomicFileStream(AtomicFileStream&& other) noexcept
    : requested_(std::move(other.requested_))
    , path_(std::move(other.path_))
    , temporary_(std::exchange(other.temporary_, {}))
    , fd_(std::exchange(other.fd_, -1))
    , inPlace_(other.inPlace_)
    , expected_(other.expected_)
    , pending_(std::move(other.pending_))
    , failure_(std::move(other.failure_))
{
}

// An editor that saves by a rename leaves another plain file in the page's
// place, and the save splices into what it reads then; a link, or a file with
// further names, would take the new text to some other file.
bool AtomicFileStream::isExpected(const struct stat& current, bool throughLink) const
{
    return !expected_ || identityOf(current) == *expected_ || (!throughLink && current.st_nlink == 1);
}

FileResult AtomicFileStream::refuseReplaced()
{
    return failure_ = FileFailure {FileOperation::OpenOutput, requested_, CauseAccessDenied, kReplacedFileError};
}

FileResult AtomicFileStream::open(const std::string& requested, const std::optional<FileIdentity>& expected)
{
    requested_ = requested;
    expected_ = expected;
    path_ = resolveLink(requested);
    struct stat old;
    const bool existed = ::stat(path_.c_str(), &old) == 0;
    if (existed ? !isExpected(old, path_ != requested) : expected_ && errno == ENOENT)
        return refuseReplaced();
    if (existed) {
        if (S_ISDIR(old.st_mode))
            return failure_ = failureFromErrno(FileOperation::OpenOutput, requested, EISDIR);
        // A pipe or device would be replaced by a plain file.
        if (!S_ISREG(old.st_mode))
            return failure_ = FileFailure {FileOperation::OpenOutput, requested, CauseInvalidFile, 0};
        // Refused even where the process could write it anyway (as root).
        if ((old.st_mode & kAnyWriteBit) == 0)
            return failure_ = FileFailure {FileOperation::OpenOutput, requested, CauseAccessDenied, EACCES};
        if (::access(path_.c_str(), W_OK) != 0)
            return failure_ = failureFromErrno(FileOperation::OpenOutput, requested, errno);
    } else if (errno != ENOENT) {
        return failure_ = failureFromErrno(FileOperation::OpenOutput, requested, errno);
    }

    // A rename would part a file from its other names.
    if (existed && old.st_nlink > 1)
        return openInPlace();
    temporary_ = parentFolder(path_) + "/" + std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
                 std::string(kTemporaryPattern);
    fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        temporary_.clear();
        if (existed && (error == EACCES || error == EPERM))
            return openInPlace();
        return failure_ = failureFromErrno(FileOperation::OpenOutput, requested, error);
    }
    // The owner first: a change of owner clears the set-id bits of the mode.
    // Whoever may not give the file its owner and group writes it in place
    // rather than hand it over to themselves; a file system without owners
    // (FAT) gives the new file the old one's anyway.
    if (existed && !keepOwner(fd_, old)) {
        ::close(std::exchange(fd_, -1));
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return openInPlace();
    }
    if (::fchmod(fd_, existed ? (old.st_mode & 07777) : modeForNewFile()) != 0)
        return failure_ = failureFromErrno(FileOperation::OpenOutput, requested_, errno);
    return {};
}

FileResult AtomicFileStream::openInPlace()
{
    if (!mayKeepRestoreCopies())
        return failure_ = failureFromErrno(FileOperation::OpenOutput, requested_, EACCES);
    inPlace_ = true;
    return {};
}

FileResult AtomicFileStream::write(std::string_view bytes)
{
    if (inPlace_ && !failure_.failed())
        pending_.append(bytes);
    else if (!failure_.failed() && !writeAll(fd_, bytes))
        failure_ = failureFromErrno(FileOperation::Write, requested_, errno);
    return failure_;
}

FileResult AtomicFileStream::sync()
{
    if (failure_.failed() || inPlace_)
        return failure_;
    if (::fsync(fd_) != 0)
        return failure_ = failureFromErrno(FileOperation::Write, requested_, errno);
    return closeUnsynced();
}

FileResult AtomicFileStream::closeUnsynced()
{
    if (failure_.failed() || inPlace_)
        return failure_;
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0)
        return failure_ = failureFromErrno(FileOperation::CloseOutput, requested_, errno);
    return {};
}

FileResult AtomicFileStream::replace()
{
    if (failure_.failed())
        return failure_;
    if (inPlace_) {
        failure_ = rewriteInPlace(requested_, path_, pending_, expected_);
        pending_ = std::string();
        return failure_;
    }
    // The file may have been swapped since open(): the last look before the rename.
    struct stat current;
    if (expected_ && ::lstat(path_.c_str(), &current) == 0 && !isExpected(current, S_ISLNK(current.st_mode)))
        return refuseReplaced();
    if (::rename(temporary_.c_str(), path_.c_str()) != 0)
        return failure_ = failureFromErrno(FileOperation::CloseOutput, requested_, errno);
    temporary_.clear();
    return {};
}

FileResult AtomicFileStream::commit()
{
    if (FileResult synced = sync(); synced.failed())
        return synced;
    return replace();
}

FileResult writeFileAtomically(const std::string& requested, std::string_view text,
                               const std::optional<FileIdentity>& expected)
{
    AtomicFileStream file;
    if (FileResult opened = file.open(requested, expected); opened.failed())
        return opened;
    if (FileResult written = file.write(text); written.failed())
        return written;
    return file.commit();
}

} // namespace torvane
