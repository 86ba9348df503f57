#pragma once
#include "platform/ReportPresenter.h"
#include <iosfwd>
#include <string>
#include <string_view>

namespace torvane {

// Tells the reports on standard error, one prefixed line per problem, and
// remembers whether a save failed on a page.
class CliReportPresenter final : public ReportPresenter {
public:
    CliReportPresenter(std::ostream& err, bool quiet, std::string_view command);
    void showReport(const std::string& title, const std::string& heading, const std::string& body) override;
    bool fileErrorsShown() const { return fileErrorsShown_; }
    void forgetShown() { fileErrorsShown_ = false; }

private:
    std::ostream& err_;
    bool quiet_;
    std::string prefix_;
    bool fileErrorsShown_ = false;
};

} // namespace torvane
