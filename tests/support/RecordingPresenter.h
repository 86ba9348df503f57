#pragma once
#include "platform/AppServices.h"
#include <string>
#include <vector>

namespace torvane::test {

struct ShownReport {
    std::string title;
    std::string body;
};

class RecordingPresenter final : public ReportPresenter {
public:
    void showReport(const std::string& title, const std::string&, const std::string& body) override
    {
        shown.push_back({title, body});
    }
    std::vector<ShownReport> shown;
};

} // namespace torvane::test
