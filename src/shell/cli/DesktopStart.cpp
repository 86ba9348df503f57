#include "shell/cli/DesktopStart.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace torvane {

int startDesktop(char** argv, std::string_view program, std::ostream& err)
{
    std::error_code unknown;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", unknown);
    const std::string path = unknown ? std::string(program) : (self.parent_path() / program).string();
    if (unknown)
        ::execvp(path.c_str(), argv);
    else
        ::execv(path.c_str(), argv);
    const int error = errno;
    err << "torvane: cannot start the desktop program " << path << ": " << std::strerror(error) << "\n";
    return 2;
}

} // namespace torvane
