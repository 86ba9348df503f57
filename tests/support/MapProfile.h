#pragma once
#include "platform/Profile.h"

#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace torvane::test {

// A profile held in memory; `values` is keyed "Section|Key", exactly as written,
// so a test can check what the program stored.
class MapProfile final : public Profile {
public:
    int readInt(std::string_view section, std::string_view key, int defaultValue) const override
    {
        auto found = values.find(keyOf(section, key));
        return found == values.end() ? defaultValue : std::atoi(found->second.c_str());
    }
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const override
    {
        auto found = values.find(keyOf(section, key));
        return found == values.end() ? std::string(defaultValue) : found->second;
    }
    void writeInt(std::string_view section, std::string_view key, int value) override
    {
        values[keyOf(section, key)] = std::to_string(value);
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value) override
    {
        values[keyOf(section, key)] = std::string(value);
    }
    void deleteKey(std::string_view section, std::string_view key) override { values.erase(keyOf(section, key)); }

    std::map<std::string, std::string> values;

private:
    static std::string keyOf(std::string_view section, std::string_view key)
    {
        return std::string(section) + "|" + std::string(key);
    }
};

} // namespace torvane::test
