#pragma once
#include "platform/AppServices.h"
#include <string>
#include <vector>

namespace torvane::test {

class QuietPresenter final : public ReportPresenter {
public:
    void showReport(const std::string& title, const std::string&, const std::string&) override
    {
        titles.push_back(title);
    }
    std::vector<std::string> titles;
};

} // namespace torvane::test
