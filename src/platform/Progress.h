#pragma once
#include <string_view>

namespace torvane {

// Progress of a long operation.
class Progress {
public:
    virtual ~Progress() = default;
    // With `cancellable` the user may stop the operation between steps (a
    // Cancel button); without it the operation always runs to its end.
    virtual void begin(std::string_view title, int total, bool cancellable) = 0;
    // Returns false once the user has asked to cancel.
    virtual bool step(int done, std::string_view text) = 0;
    virtual void end() = 0;
};

} // namespace torvane
