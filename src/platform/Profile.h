#pragma once
#include <string>
#include <string_view>

namespace torvane {

// The per-user profile: sections of named integer and string values.
// Every read names its default; every write reaches the disk at once.
// Section and key names match without regard to ASCII letter case.
class Profile {
public:
    virtual ~Profile() = default;
    virtual int readInt(std::string_view section, std::string_view key, int defaultValue) const = 0;
    virtual std::string readString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    virtual void writeInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void writeString(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Writing a null value deletes the key.
    virtual void deleteKey(std::string_view section, std::string_view key) = 0;
};

} // namespace torvane
