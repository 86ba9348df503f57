#pragma once
#include "platform/AppServices.h"
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane::test {

// Records what a long operation showed, and presses Cancel after
// `cancelAfter` steps when set.
class RecordingProgress final : public Progress {
public:
    void begin(std::string_view title, int total, bool cancellable) override
    {
        titles.emplace_back(title);
        totals.push_back(total);
        cancellables.push_back(cancellable);
    }
    bool step(int, std::string_view text) override
    {
        texts.emplace_back(text);
        if (duringStep)
            duringStep();
        return cancelAfter < 0 || static_cast<int>(texts.size()) <= cancelAfter;
    }
    void end() override { ++ended; }

    int cancelAfter = -1;
    // What the user does while the progress window lets input through.
    std::function<void()> duringStep;
    std::vector<std::string> titles;
    std::vector<int> totals;
    std::vector<bool> cancellables;
    std::vector<std::string> texts;
    int ended = 0;
};

} // namespace torvane::test
