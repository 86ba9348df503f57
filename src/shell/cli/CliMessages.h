#pragma once
#include "platform/MessageSink.h"
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// "torvane NAME: ", or "torvane: " outside a subcommand: every line the
// command line tells starts so, whatever part of the program it comes from.
std::string messagePrefix(std::string_view command);

// One problem, one line: "torvane NAME: SUBJECT: MESSAGE".
void tellProblem(std::ostream& err, std::string_view command, std::string_view subject, std::string_view message);

// A report the desktop shows as a dialog, one line per problem instead:
// "PAGE: what went wrong", without the dialog's title and heading.
std::vector<std::string> reportProblems(std::string_view title, std::string_view body);

// The document's messages on standard error, each line prefixed; a
// question is told with the answer taken.
class CliMessageSink final : public MessageSink {
public:
    CliMessageSink(std::ostream& err, std::string_view command)
        : err_(err)
        , prefix_(messagePrefix(command))
    {
    }
    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view text, bool unattendedAnswer) override;

private:
    void tellLines(const std::vector<std::string>& lines);

    std::ostream& err_;
    std::string prefix_;
};

} // namespace torvane
