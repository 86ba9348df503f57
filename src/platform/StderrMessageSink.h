#pragma once
#include "platform/MessageSink.h"
#include <iostream>

namespace torvane {

// Messages of the unattended run, written to standard error (or to the stream
// given) with the same texts the dialogs show.
class StderrMessageSink final : public MessageSink {
public:
    explicit StderrMessageSink(std::ostream& out = std::cerr)
        : out_(out)
    {
    }
    void showMessage(std::string_view text) override;
    // Nobody is there to answer: the question is printed with the answer taken.
    bool askYesNo(std::string_view text, bool unattendedAnswer) override;

private:
    std::ostream& out_;
};

} // namespace torvane
