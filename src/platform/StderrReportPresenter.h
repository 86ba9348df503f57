#pragma once
#include "platform/ReportPresenter.h"
#include <iostream>

namespace torvane {

// Reports of the unattended run, written to standard error (or to the stream
// given) with the same texts the dialogs show.
class StderrReportPresenter final : public ReportPresenter {
public:
    explicit StderrReportPresenter(std::ostream& out = std::cerr)
        : out_(out)
    {
    }
    void showReport(const std::string& title, const std::string& heading, const std::string& body) override;

private:
    std::ostream& out_;
};

} // namespace torvane
