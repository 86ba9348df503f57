#include "platform/PosixShellLauncher.h"
#include "platform/TextUtil.h"
#include <cerrno>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace torvane {

bool spawnDetached(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments.front().empty())
        return false;
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // An intermediate child starts the program and leaves at once, so the
    // program is adopted by init and never lingers here as a zombie.
    const pid_t middle = ::fork();
    if (middle < 0)
        return false;
    if (middle == 0) {
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
        pid_t program = 0;
        const int failed = ::posix_spawnp(&program, argv[0], nullptr, &attributes, argv.data(), environ);
        ::_exit(failed ? 1 : 0);
    }
    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(middle, &status, 0);
    } while (waited < 0 && errno == EINTR);
    return waited == middle && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool meansDesktopOpener(std::string_view program)
{
    const std::string name = asciiLower(trim(program));
    return name.empty() || name == "notepad" || name == "notepad.exe";
}

bool canStartProgram(const std::string& program)
{
    if (program.empty())
        return false;
    if (program.find('/') != std::string::npos)
        return ::access(program.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/bin:/bin";
    while (true) {
        const auto colon = folders.find(':');
        std::string folder(folders.substr(0, colon));
        if (folder.empty())
            folder = ".";
        if (::access((folder + "/" + program).c_str(), X_OK) == 0)
            return true;
        if (colon == std::string_view::npos)
            return false;
        folders.remove_prefix(colon + 1);
    }
}

void PosixShellLauncher::openDocument(const std::string& path)
{
    spawnDetached({"xdg-open", path});
}

void PosixShellLauncher::openWithProgram(const std::string& program, const std::string& path)
{
    if (meansDesktopOpener(program))
        openDocument(path);
    else
        spawnDetached({program, path});
}

} // namespace torvane
