#pragma once
#include "platform/ShellLauncher.h"
#include <string_view>
#include <vector>

namespace torvane {

// Starts programs directly (no shell in between, so names and paths are never
// interpreted) and does not wait for them. Documents open through xdg-open.
class PosixShellLauncher final : public ShellLauncher {
public:
    void openDocument(const std::string& path) override;
    void openWithProgram(const std::string& program, const std::string& path) override;
};

// An HTML Tools program setting that names no program of this system: empty,
// or the stored default "Notepad". Such a setting means the desktop's own
// opener (xdg-open), which starts the user's application for the file type.
bool meansDesktopOpener(std::string_view program);

// Whether `program` can be started: a path to an executable file, or a name
// found as one on PATH.
bool canStartProgram(const std::string& program);

// Starts `arguments[0]`, looked up on PATH, with the rest as its arguments,
// detached from this process. Returns false when it could not be started.
bool spawnDetached(const std::vector<std::string>& arguments);

} // namespace torvane
