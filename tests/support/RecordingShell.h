#pragma once
#include "platform/AppServices.h"
#include <string>
#include <vector>

namespace torvane::test {

class RecordingShell final : public ShellLauncher {
public:
    void openDocument(const std::string& path) override { launches.push_back("document " + path); }
    void openWithProgram(const std::string& program, const std::string& path) override
    {
        launches.push_back(program + " " + path);
    }
    std::vector<std::string> launches;
};

} // namespace torvane::test
