#include "support/FixtureProject.h"

#include "platform/ProjectLock.h"

#include <gtest/gtest.h>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace torvane::test {
namespace {

#ifdef TORVANE_EXECUTABLE
int exitStatus(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Edits started at the same moment, as real processes: none loses another's work.
TEST(ConcurrentEdits, PairsOfEditsAtOnceKeepEveryEntryAndUrl)
{
    EXPECT_EQ(exitStatus(std::string("'") + TORVANE_SOURCE_DIR + "/scripts/concurrent-edits.sh' 12 '" +
                         TORVANE_EXECUTABLE + "' > /dev/null"),
              0);
}

TEST(ConcurrentEdits, AnEditGivesUpAfterItsWaitNamingTheHolder)
{
    FixtureProject project;
    project.write("a.htm", pageText("Alpha"));
    project.writeProject({"a.htm"});
    const std::string before = project.read("Fixture.ipj");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        ProjectLock lock;
        lock.take(project.projectFile(), "torvane-desktop", std::chrono::milliseconds(0));
        [[maybe_unused]] const ssize_t put = ::write(ready[1], "y", 1);
        ::pause();
        ::_exit(0);
    }
    char said = 0;
    ASSERT_EQ(::read(ready[0], &said, 1), 1);
    const std::string errors = project.path("stderr.txt");
    const int status = exitStatus(std::string("'") + TORVANE_EXECUTABLE + "' add-url '" + project.projectFile() +
                                  "' --wait 0 http://x.example/ 2> '" + errors + "'");
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);

    EXPECT_EQ(status, 1);
    EXPECT_EQ(project.read("stderr.txt"), "torvane add-url: " + project.projectFile() +
                                              ": being edited by another program (process " + std::to_string(holder) +
                                              ", torvane-desktop); gave up after 0 seconds, nothing was changed\n");
    EXPECT_EQ(project.read("Fixture.ipj"), before);
    EXPECT_EQ(exitStatus(std::string("'") + TORVANE_EXECUTABLE + "' add-url '" + project.projectFile() +
                         "' --wait 0 http://x.example/"),
              0);
    EXPECT_EQ(exitStatus(std::string("'") + TORVANE_EXECUTABLE + "' add-url '" + project.projectFile() +
                         "' --wait soon http://x.example/ 2> /dev/null"),
              2);
}
#endif

} // namespace
} // namespace torvane::test
