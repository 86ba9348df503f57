#pragma once
#include "platform/Profile.h"
#include "platform/TextUtil.h"
#include <map>
#include <string>
#include <vector>

namespace torvane::test {

// A profile held in memory that records every write, for checking the order
// and the content of what is stored.
class MemoryProfile final : public Profile {
public:
    int readInt(std::string_view section, std::string_view key, int defaultValue) const override
    {
        const auto found = values.find(keyOf(section, key));
        return found == values.end() ? defaultValue : parseLeadingInt(found->second);
    }
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const override
    {
        const auto found = values.find(keyOf(section, key));
        return found == values.end() ? std::string(defaultValue) : found->second;
    }
    void writeInt(std::string_view section, std::string_view key, int value) override
    {
        writeString(section, key, std::to_string(value));
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value) override
    {
        values[keyOf(section, key)] = std::string(value);
        log.push_back(keyOf(section, key) + "=" + std::string(value));
    }
    void deleteKey(std::string_view section, std::string_view key) override
    {
        values.erase(keyOf(section, key));
        log.push_back("delete " + keyOf(section, key));
    }

    static std::string keyOf(std::string_view section, std::string_view key)
    {
        return "[" + asciiLower(section) + "]" + asciiLower(key);
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> log;
};

} // namespace torvane::test
