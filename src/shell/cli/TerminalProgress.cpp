#include "shell/cli/TerminalProgress.h"
#include <algorithm>
#include <ostream>
#include <unistd.h>

namespace torvane {

namespace {

constexpr std::size_t kLineWidth = 79;
// A terminal redrawn for every one of many thousand pages slows the run.
constexpr std::chrono::milliseconds kRedrawInterval {100};

// The document titles its progress dialogs; a terminal line says what is done.
std::string_view lineLabel(std::string_view title)
{
    if (title == "Add Files Progress")
        return "Reading pages";
    if (title == "Save Project Progress")
        return "Saving pages";
    return title;
}

} // namespace

void TerminalProgress::begin(std::string_view title, int total, bool)
{
    title_ = lineLabel(title);
    total_ = total;
    lastShown_ = {};
    if (enabled_)
        show(title_);
}

bool TerminalProgress::step(int done, std::string_view text)
{
    const auto now = std::chrono::steady_clock::now();
    if (!enabled_ || now - lastShown_ < kRedrawInterval)
        return true;
    lastShown_ = now;
    std::string line = title_ + " " + std::to_string(done + 1) + "/" + std::to_string(total_) + " ";
    if (line.size() + 3 < kLineWidth) {
        const std::size_t room = kLineWidth - line.size();
        // The end of a long path says more than its beginning.
        line += text.size() <= room ? text : "..." + std::string(text.substr(text.size() - room + 3));
    }
    show(line);
    return true;
}

void TerminalProgress::end()
{
    if (enabled_ && shownWidth_ > 0) {
        err_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
        shownWidth_ = 0;
    }
}

void TerminalProgress::show(const std::string& line)
{
    const std::string shown = line.substr(0, kLineWidth);
    err_ << '\r' << shown;
    if (shown.size() < shownWidth_)
        err_ << std::string(shownWidth_ - shown.size(), ' ');
    err_ << std::flush;
    shownWidth_ = std::max(shownWidth_, shown.size());
}

bool standardErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace torvane
