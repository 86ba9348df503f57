#include "platform/StderrReportPresenter.h"

namespace torvane {

void StderrReportPresenter::showReport(const std::string& title, const std::string& heading, const std::string& body)
{
    out_ << title << '\n' << heading << '\n' << body << std::flush;
}

} // namespace torvane
