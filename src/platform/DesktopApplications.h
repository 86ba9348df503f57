#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// An application the desktop names for a file type: its shown name and the
// program its desktop entry starts.
struct DesktopApplication {
    std::string name;
    std::string program;
};

// The desktop's default application for `mimeType`, read from the MIME
// database as xdg-mime reads it (the mimeapps.list files of the user and the
// system, then defaults.list); none when no listed entry can be found or
// started.
std::optional<DesktopApplication> defaultApplicationFor(std::string_view mimeType);

// The desktop's text editor, which also edits HTML: xdg-open would send a
// page to the browser.
std::optional<DesktopApplication> desktopTextEditor();

} // namespace torvane
