#pragma once
#include "platform/FileReports.h"
#include <string>

class QWidget;

namespace torvane {

// Shows each report modally over the given window.
class QtReportPresenter final : public ReportPresenter {
public:
    explicit QtReportPresenter(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    void setParent(QWidget* parent) { parent_ = parent; }
    void showReport(const std::string& title, const std::string& heading, const std::string& body) override;

private:
    QWidget* parent_;
};

} // namespace torvane
