#pragma once
#include "platform/Profile.h"

#include <string>
#include <string_view>

namespace torvane::bench {

// Every read gives its default and writes are dropped, so a benchmark never
// depends on, or changes, the user's settings.
class DefaultsProfile final : public Profile {
public:
    int readInt(std::string_view, std::string_view, int defaultValue) const override { return defaultValue; }
    std::string readString(std::string_view, std::string_view, std::string_view defaultValue) const override
    {
        return std::string(defaultValue);
    }
    void writeInt(std::string_view, std::string_view, int) override {}
    void writeString(std::string_view, std::string_view, std::string_view) override {}
    void deleteKey(std::string_view, std::string_view) override {}
};

} // namespace torvane::bench
