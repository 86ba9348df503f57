#pragma once
#include <string>

namespace torvane {

// Shows one report (a warning dialog on the desktop, standard error when unattended).
class ReportPresenter {
public:
    virtual ~ReportPresenter() = default;
    virtual void showReport(const std::string& title, const std::string& heading, const std::string& body) = 0;
};

} // namespace torvane
