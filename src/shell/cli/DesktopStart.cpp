#include "shell/cli/DesktopStart.h"

#include <cerrno>
#include <cstdlib>
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

DisplayEnvironment currentDisplayEnvironment()
{
    return {std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")};
}

namespace {

bool isSet(const char* value)
{
    return value != nullptr && *value != '\0';
}

// A local display (":0", ":1.0", "unix:0") whose server socket is not there.
bool isUnreachableLocalX11(const DisplayEnvironment& environment)
{
    std::string_view display(environment.x11);
    if (display.starts_with("unix:"))
        display.remove_prefix(4);
    if (!display.starts_with(':'))
        return false;
    const std::string_view number = display.substr(1, display.find('.') - 1);
    std::error_code failed;
    return !std::filesystem::exists(environment.x11SocketFolder + "/X" + std::string(number), failed);
}

} // namespace

std::optional<std::string> missingDisplay(const DisplayEnvironment& environment)
{
    const std::string_view platform = isSet(environment.platform) ? environment.platform : "";
    const bool wantsX11 = platform.empty() || platform.starts_with("xcb");
    const bool wantsWayland = platform.empty() || platform.starts_with("wayland");
    // Other platforms (offscreen, vnc, a frame buffer) need no window system.
    if (!wantsX11 && !wantsWayland)
        return std::nullopt;
    if (wantsWayland && isSet(environment.wayland))
        return std::nullopt;
    if (wantsX11 && isSet(environment.x11))
        return isUnreachableLocalX11(environment)
                   ? std::optional<std::string>("the desktop program cannot reach the display " +
                                                std::string(environment.x11) + " (no X server listens there)")
                   : std::nullopt;
    const char* unset = platform.empty() ? "DISPLAY and WAYLAND_DISPLAY are"
                        : wantsX11       ? "DISPLAY is"
                                         : "WAYLAND_DISPLAY is";
    return "the desktop program needs a display, and none is set (" + std::string(unset) + " empty)";
}

std::optional<int> refuseWithoutDisplay(std::ostream& err)
{
    const std::optional<std::string> problem = missingDisplay(currentDisplayEnvironment());
    if (!problem)
        return std::nullopt;
    err << "torvane: " << *problem << ".\n"
        << "The subcommands work without one: 'torvane --help' lists them.\n";
    return 2;
}

} // namespace torvane
