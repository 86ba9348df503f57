#include "platform/ConsoleOutput.h"

namespace torvane {

void StderrReportPresenter::showReport(const std::string& title, const std::string& heading,
                                       const std::string& body)
{
    out_ << title << '\n' << heading << '\n' << body << std::flush;
}

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
