#pragma once
#include "platform/ShellLauncher.h"
#include <vector>

namespace torvane {

// Starts programs directly (no shell in between, so names and paths are never
// interpreted) and does not wait for them. Documents open through xdg-open.
class PosixShellLauncher final : public ShellLauncher {
public:
    void openDocument(const std::string& path) override;
    void openWithProgram(const std::string& program, const std::string& path) override;
};

// Starts `arguments[0]`, looked up on PATH, with the rest as its arguments,
// detached from this process. Returns false when it could not be started.
bool spawnDetached(const std::vector<std::string>& arguments);

} // namespace torvane
