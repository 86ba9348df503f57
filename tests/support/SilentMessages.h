#pragma once
#include "platform/AppServices.h"
#include <string>
#include <string_view>
#include <vector>

namespace torvane::test {

class SilentMessages final : public MessageSink {
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view, bool unattendedAnswer) override { return unattendedAnswer; }
    std::vector<std::string> messages;
};

} // namespace torvane::test
