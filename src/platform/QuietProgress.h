#pragma once
#include "platform/Progress.h"
#include <string_view>

namespace torvane {

// For the command line and tests: shows nothing, never cancels.
class QuietProgress final : public Progress {
public:
    void begin(std::string_view, int, bool) override {}
    bool step(int, std::string_view) override { return true; }
    void end() override {}
};

} // namespace torvane
