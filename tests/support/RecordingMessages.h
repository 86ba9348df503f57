#pragma once
#include "platform/AppServices.h"
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane::test {

class RecordingMessages final : public MessageSink {
public:
    void showMessage(std::string_view text) override { shown.emplace_back(text); }
    bool askYesNo(std::string_view text, bool unattendedAnswer) override
    {
        asked.emplace_back(text);
        return answer.value_or(unattendedAnswer);
    }
    std::vector<std::string> shown;
    std::vector<std::string> asked;
    // The user's answer to every question; unset answers as an unattended run would.
    std::optional<bool> answer;
};

} // namespace torvane::test
