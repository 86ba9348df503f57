#include "TempFolder.h"

#include "platform/ProjectLock.h"

#include <gtest/gtest.h>
#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace torvane::test {
namespace {

using std::chrono::milliseconds;

// A child process that takes the lock, says so through a pipe and waits to be killed.
pid_t holdInChild(const std::string& project)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ProjectLock lock;
        const char said = lock.take(project, "lock holder", milliseconds(0)) == ProjectLock::Outcome::Taken ? 'y' : 'n';
        [[maybe_unused]] const ssize_t put = ::write(ready[1], &said, 1);
        ::pause();
        ::_exit(0);
    }
    char said = 'n';
    const bool heard = ::read(ready[0], &said, 1) == 1;
    ::close(ready[0]);
    ::close(ready[1]);
    return heard && said == 'y' ? child : -1;
}

TEST(ProjectLock, AKilledHolderLetsGoAndIsNamedWhileItHolds)
{
    TempFolder folder;
    const std::string project = folder.file("P.ipj");
    const pid_t child = holdInChild(project);
    ASSERT_GT(child, 0);

    ProjectLock lock;
    EXPECT_EQ(lock.take(project, "waiter", milliseconds(60)), ProjectLock::Outcome::Busy);
    ASSERT_TRUE(lock.holder().has_value());
    EXPECT_EQ(lock.holder()->pid, child);
    EXPECT_EQ(lockedProjectMessage(project, lock.holder()), "The project " + project +
                                                                " is being edited by another program (process " +
                                                                std::to_string(child) + ", lock holder).");

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    // The file the killed process left behind locks nothing.
    EXPECT_TRUE(std::filesystem::exists(projectLockPath(project)));
    EXPECT_EQ(lock.take(project, "waiter", milliseconds(0)), ProjectLock::Outcome::Taken);
    lock.release();
    EXPECT_FALSE(std::filesystem::exists(projectLockPath(project)));
}

TEST(ProjectLock, TwoHoldersInOneProcessExcludeEachOtherUntilTheFirstLetsGo)
{
    TempFolder folder;
    const std::string project = folder.file("P.ipj");
    ProjectLock first, second;
    ASSERT_EQ(first.take(project, "first", milliseconds(0)), ProjectLock::Outcome::Taken);
    // Taking it again on the same project is no deadlock.
    EXPECT_EQ(first.take(project, "first", milliseconds(0)), ProjectLock::Outcome::Taken);
    EXPECT_EQ(second.take(project, "second", milliseconds(0)), ProjectLock::Outcome::Busy);
    EXPECT_EQ(second.holder()->program, "first");
    first.release();
    EXPECT_EQ(second.take(project, "second", milliseconds(0)), ProjectLock::Outcome::Taken);
    EXPECT_FALSE(first.held());
}

} // namespace
} // namespace torvane::test
