#include "platform/StderrMessageSink.h"

namespace torvane {

void StderrMessageSink::showMessage(std::string_view text)
{
    out_ << "HTML Torvane: " << text << '\n' << std::flush;
}

bool StderrMessageSink::askYesNo(std::string_view text, bool unattendedAnswer)
{
    out_ << "HTML Torvane: " << text << ' ' << (unattendedAnswer ? "(Yes)" : "(No)") << '\n' << std::flush;
    return unattendedAnswer;
}

} // namespace torvane
