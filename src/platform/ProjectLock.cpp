#include "platform/ProjectLock.h"
#include "platform/DescriptorWrites.h"
#include "platform/FileAccess.h"
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace torvane {

namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(15);

std::optional<LockHolder> readHolder(int fd)
{
    char text[256];
    const ssize_t length = ::pread(fd, text, sizeof text - 1, 0);
    if (length <= 0)
        return std::nullopt;
    const std::string line(text, static_cast<std::size_t>(length));
    const std::size_t blank = line.find(' ');
    const std::size_t end = line.find('\n');
    if (blank == std::string::npos || end == std::string::npos || end < blank)
        return std::nullopt;
    LockHolder holder;
    if (std::from_chars(line.data(), line.data() + blank, holder.pid).ptr != line.data() + blank)
        return std::nullopt;
    holder.program = line.substr(blank + 1, end - blank - 1);
    return holder;
}

// A lock taken on a file that its last holder removed meanwhile guards
// nothing: the next writer makes a new file of that name.
bool stillNamedBy(int fd, const std::string& path)
{
    struct stat opened, named;
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

} // namespace

std::string projectLockPath(const std::string& projectPath)
{
    const std::string folder = parentFolder(projectPath);
    const std::size_t slash = projectPath.rfind('/');
    const std::string name = slash == std::string::npos ? projectPath : projectPath.substr(slash + 1);
    return folder + "/." + name + ".torvane-lock";
}

std::string lockHolderText(const std::optional<LockHolder>& holder)
{
    if (!holder)
        return "another program";
    return "another program (process " + std::to_string(holder->pid) + ", " + holder->program + ")";
}

std::string lockedProjectMessage(const std::string& projectPath, const std::optional<LockHolder>& holder)
{
    return "The project " + projectPath + " is being edited by " + lockHolderText(holder) + ".";
}

ProjectLock::~ProjectLock()
{
    release();
}

void ProjectLock::release()
{
    if (fd_ < 0)
        return;
    // Removed while still held, so that no one locks the name in between.
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

ProjectLock::Outcome ProjectLock::tryOnce(std::string_view program)
{
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return Outcome::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK)
            holder_ = readHolder(fd);
        ::close(fd);
        return error == EWOULDBLOCK ? Outcome::Busy : Outcome::Unavailable;
    }
    if (!stillNamedBy(fd, path_)) {
        ::close(fd);
        holder_.reset();
        return Outcome::Busy;
    }
    const std::string line = std::to_string(::getpid()) + " " + std::string(program) + "\n";
    // Should this fail, those who wait cannot say who holds it; the lock holds all the same.
    [[maybe_unused]] const bool told = ::ftruncate(fd, 0) == 0 && writeAll(fd, line);
    fd_ = fd;
    holder_.reset();
    return Outcome::Taken;
}

ProjectLock::Outcome ProjectLock::take(const std::string& projectPath, std::string_view program,
                                       std::chrono::milliseconds wait)
{
    const std::string path = projectLockPath(projectPath);
    if (fd_ >= 0 && path == path_)
        return Outcome::Taken;
    release();
    path_ = path;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const Outcome outcome = tryOnce(program);
        if (outcome != Outcome::Busy || std::chrono::steady_clock::now() >= deadline)
            return outcome;
        std::this_thread::sleep_for(kRetryPause);
    }
}

} // namespace torvane
