#include "platform/InPlaceWrite.h"
#include "platform/DescriptorWrites.h"
#include "platform/FileAccess.h"
#include "platform/RestoreCopies.h"
#include "platform/StatIdentity.h"
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool readAll(int fd, std::string& text)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return false;
    text.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t read = ::pread(fd, text.data() + got, text.size() - got, static_cast<off_t>(got));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0) {
            if (read == 0)
                errno = EIO; // the file shrank under us: its old bytes are not all known
            return false;
        }
        got += static_cast<std::size_t>(read);
    }
    return true;
}

// Makes the file hold exactly `text`, on the disk.
bool putWhole(int fd, std::string_view text)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, text) &&
           ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 && ::fsync(fd) == 0;
}

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writes the restore copy to the disk, its header naming the file and the new
// bytes; its path, or empty with errno set.
std::string keepRestoreCopy(const std::string& path, std::string_view old, std::string_view text)
{
    const std::string folder = restoreFolder(true);
    if (folder.empty()) {
        errno = EACCES;
        return {};
    }
    std::string copy = folder + "/" + baseName(path) + ".torvane-restore-XXXXXX";
    const Descriptor fd(::mkostemp(copy.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return {};
    if (::fchmod(fd.get(), 0600) != 0 || !writeAll(fd.get(), restoreCopyHeader(path, old, text)) ||
        !writeAll(fd.get(), old) || ::fsync(fd.get()) != 0) {
        const int error = errno;
        ::unlink(copy.c_str());
        errno = error;
        return {};
    }
    return copy;
}

} // namespace

bool mayKeepRestoreCopies()
{
    return !restoreFolder(true).empty();
}

FileResult rewriteInPlace(const std::string& requested, const std::string& path, std::string_view text,
                          const std::optional<FileIdentity>& expected)
{
    const Descriptor fd(::open(path.c_str(), O_RDWR | O_CLOEXEC | (expected ? O_NOFOLLOW : 0)));
    const FileFailure replaced {FileOperation::OpenOutput, requested, CauseAccessDenied, kReplacedFileError};
    if (fd.get() < 0 && errno == ELOOP && expected)
        return replaced;
    if (fd.get() < 0)
        return failureFromErrno(FileOperation::OpenOutput, requested, errno);
    struct stat opened;
    if (expected && (::fstat(fd.get(), &opened) != 0 || (identityOf(opened) != *expected && opened.st_nlink > 1)))
        return replaced;
    std::string old;
    if (!readAll(fd.get(), old))
        return failureFromErrno(FileOperation::OpenOutput, requested, errno);
    const std::string copy = keepRestoreCopy(path, old, text);
    if (copy.empty())
        return failureFromErrno(FileOperation::OpenOutput, requested, errno);

    FileResult result;
    if (!putWhole(fd.get(), text)) {
        result = failureFromErrno(FileOperation::Write, requested, errno);
        // Without the old bytes back in place, the copy is all the user has.
        if (!putWhole(fd.get(), old))
            return result;
    }
    ::unlink(copy.c_str());
    return result;
}

} // namespace torvane
