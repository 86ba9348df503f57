#pragma once
#include "platform/Progress.h"
#include <chrono>
#include <iosfwd>
#include <string>

namespace torvane {

// Progress of a long run as one line on a terminal, rewritten in place and
// cleared at the end. Shows nothing when not enabled (not a terminal, or
// --quiet); never cancels.
class TerminalProgress final : public Progress {
public:
    TerminalProgress(std::ostream& err, bool enabled)
        : err_(err)
        , enabled_(enabled)
    {
    }
    void begin(std::string_view title, int total, bool cancellable) override;
    bool step(int done, std::string_view text) override;
    void end() override;

private:
    void show(const std::string& line);

    std::ostream& err_;
    bool enabled_;
    std::string title_;
    int total_ = 0;
    std::size_t shownWidth_ = 0;
    std::chrono::steady_clock::time_point lastShown_ {};
};

// Whether standard error is a terminal.
bool standardErrorIsTerminal();

} // namespace torvane
