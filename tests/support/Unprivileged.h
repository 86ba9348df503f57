#pragma once
// Permission checks do not bind root, and the tests often run as root: work
// that must meet them runs in a child process that first gives root up.

#include <cstdlib>
#include <functional>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace torvane::testing {

// The user (and group) a root child becomes: "nobody" on most systems.
inline constexpr uid_t unprivilegedId = 65534;

// Runs `work` in a forked child, as `unprivilegedId` when the tests run as
// root, and gives its result (0..255); 255 when the child could not run it
// as asked, or died. Expectations inside `work` do not reach the test: the
// result must carry them.
inline int runUnprivileged(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(unprivilegedId, unprivilegedId, unprivilegedId) != 0 ||
             ::setresuid(unprivilegedId, unprivilegedId, unprivilegedId) != 0))
            ::_exit(255);
        ::_exit(work() & 0xFF);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return 255;
    return WEXITSTATUS(status);
}

} // namespace torvane::testing
