#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace torvane {

// Replaces this process with the desktop program `program`, found in this
// executable's folder, given the same arguments. Returns only when it could
// not be started, after telling why on `err`: the exit status then.
int startDesktop(char** argv, std::string_view program, std::ostream& err);

// The environment a window system is reached through (null for a variable not set).
struct DisplayEnvironment {
    const char* platform = nullptr; // QT_QPA_PLATFORM
    const char* x11 = nullptr; // DISPLAY
    const char* wayland = nullptr; // WAYLAND_DISPLAY
    // Where the local X servers listen, one socket "X<number>" per display.
    std::string x11SocketFolder = "/tmp/.X11-unix";
};
DisplayEnvironment currentDisplayEnvironment();

// Why the desktop program could not show a window here, or nothing. The
// toolkit aborts the process without a display; this is told first instead.
std::optional<std::string> missingDisplay(const DisplayEnvironment& environment);

// Tells that there is no display (exit status 2), or returns nothing.
std::optional<int> refuseWithoutDisplay(std::ostream& err);

} // namespace torvane
