#pragma once
#include "platform/AppServices.h"
#include <string>

namespace torvane::test {

class NoShell final : public ShellLauncher {
public:
    void openDocument(const std::string&) override {}
    void openWithProgram(const std::string&, const std::string&) override {}
};

} // namespace torvane::test
