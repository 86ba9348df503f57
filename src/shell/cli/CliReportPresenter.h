#pragma once
#include "platform/ReportPresenter.h"
#include "platform/StderrReportPresenter.h"
#include <iosfwd>
#include <string>

namespace torvane {

// Tells the reports on standard error, and remembers whether a save failed
// on a page.
class CliReportPresenter final : public ReportPresenter {
public:
    CliReportPresenter(std::ostream& err, bool quiet)
        : stderrPresenter_(err)
        , quiet_(quiet)
    {
    }
    void showReport(const std::string& title, const std::string& heading, const std::string& body) override;
    bool fileErrorsShown() const { return fileErrorsShown_; }
    void forgetShown() { fileErrorsShown_ = false; }

private:
    StderrReportPresenter stderrPresenter_;
    bool quiet_;
    bool fileErrorsShown_ = false;
};

} // namespace torvane
