#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// Who holds a project's lock, as the holder wrote it down on taking it.
struct LockHolder {
    long pid = 0;
    std::string program;
};

// A lock of the system on one project, held by a writer from its load to its
// save so that two writers never interleave. It lives on a file beside the
// project file that the holder removes on letting go; the system drops the
// lock of a process that dies, so a file left behind locks nothing.
class ProjectLock {
public:
    enum class Outcome {
        Taken,
        // Another writer held it for the whole wait (see holder()).
        Busy,
        // No lock can be had here (a folder that takes no new files): the
        // writer goes on unlocked, as before locks existed.
        Unavailable,
    };

    ProjectLock() = default;
    ~ProjectLock();
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    // Tries until `wait` has passed. `program` is written down for those who
    // wait. Taking a lock already held on the same project does nothing.
    Outcome take(const std::string& projectPath, std::string_view program, std::chrono::milliseconds wait);
    void release();
    bool held() const { return fd_ >= 0; }
    // Who held the lock when take last gave up; nothing when it had not said yet.
    const std::optional<LockHolder>& holder() const { return holder_; }

private:
    // One attempt: Taken, Busy (holder_ filled) or Unavailable.
    Outcome tryOnce(std::string_view program);

    int fd_ = -1;
    std::string path_;
    std::optional<LockHolder> holder_;
};

// The file beside the project that carries its lock.
std::string projectLockPath(const std::string& projectPath);
// "another program (process 123, torvane add-entry)"; without the
// parentheses when the holder did not say.
std::string lockHolderText(const std::optional<LockHolder>& holder);
// "The project PATH is being edited by another program (process 123,
// torvane add-entry)."; without the parentheses when the holder did not say.
std::string lockedProjectMessage(const std::string& projectPath, const std::optional<LockHolder>& holder);

} // namespace torvane
