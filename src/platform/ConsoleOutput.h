#pragma once
#include "platform/FileReports.h"
#include "platform/MessageSink.h"
#include <iostream>

namespace torvane {

// Reports and messages of the unattended run, written to standard error
// (or to the stream given) with the same texts the dialogs show.
class StderrReportPresenter final : public ReportPresenter {
public:
    explicit StderrReportPresenter(std::ostream& out = std::cerr) : out_(out) {}
    void showReport(const std::string& title, const std::string& heading, const std::string& body) override;

private:
    std::ostream& out_;
};

class StderrMessageSink final : public MessageSink {
public:
    explicit StderrMessageSink(std::ostream& out = std::cerr) : out_(out) {}
    void showMessage(std::string_view text) override;
    // Nobody is there to answer: the question is printed with the answer taken.
    bool askYesNo(std::string_view text, bool unattendedAnswer) override;

private:
    std::ostream& out_;
};

} // namespace torvane
