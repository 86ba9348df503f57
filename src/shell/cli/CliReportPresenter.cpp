#include "shell/cli/CliReportPresenter.h"
#include "platform/FileReports.h"
#include "shell/cli/CliMessages.h"
#include <ostream>

namespace torvane {

CliReportPresenter::CliReportPresenter(std::ostream& err, bool quiet, std::string_view command)
    : err_(err)
    , quiet_(quiet)
    , prefix_(messagePrefix(command))
{
}

void CliReportPresenter::showReport(const std::string& title, const std::string&, const std::string& body)
{
    fileErrorsShown_ = fileErrorsShown_ || title == kFileErrorsTitle;
    if (quiet_)
        return;
    for (const std::string& problem : reportProblems(title, body))
        err_ << prefix_ << problem << '\n';
    err_ << std::flush;
}

} // namespace torvane
