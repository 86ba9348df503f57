#pragma once
#include <string_view>

namespace torvane {

// Progress of a long operation with a Cancel button.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void begin(std::string_view title, int total) = 0;
    // Returns false once the user has asked to cancel.
    virtual bool step(int done, std::string_view text) = 0;
    virtual void end() = 0;
};

// For the command line and tests: shows nothing, never cancels.
class QuietProgress final : public Progress {
public:
    void begin(std::string_view, int) override {}
    bool step(int, std::string_view) override { return true; }
    void end() override {}
};

} // namespace torvane
