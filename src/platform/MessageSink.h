#pragma once
#include <string_view>

namespace torvane {

// Message boxes titled "HTML Torvane" on the desktop; standard error when unattended.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(std::string_view text) = 0;
    // A question with Yes and No; unattended runs answer `unattendedAnswer`.
    virtual bool askYesNo(std::string_view text, bool unattendedAnswer) = 0;
};

} // namespace torvane
