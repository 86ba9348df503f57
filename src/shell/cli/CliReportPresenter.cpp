#include "shell/cli/CliReportPresenter.h"
#include "platform/FileReports.h"

namespace torvane {

void CliReportPresenter::showReport(const std::string& title, const std::string& heading, const std::string& body)
{
    fileErrorsShown_ = fileErrorsShown_ || title == kFileErrorsTitle;
    if (!quiet_)
        stderrPresenter_.showReport(title, heading, body);
}

} // namespace torvane
