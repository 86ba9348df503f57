#pragma once
#include "platform/Profile.h"
#include <optional>
#include <string>

namespace torvane {

// The profile as an INI file on disk. Every read looks at the file as it is
// now and every write replaces it at once, so two programs (or two objects)
// sharing the file see each other's changes. Comments and unknown lines
// survive a rewrite. A value that cannot be stored is lost without notice,
// like any other profile write.
class IniProfile final : public Profile {
public:
    explicit IniProfile(std::string path);

    const std::string& path() const { return path_; }

    // Missing or empty values give the default; otherwise the leading
    // decimal number of the text, 0 when there is none.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    void writeInt(std::string_view section, std::string_view key, int value) override;
    void writeString(std::string_view section, std::string_view key, std::string_view value) override;
    void deleteKey(std::string_view section, std::string_view key) override;

private:
    // The file's text, empty when there is no file; nothing when it exists
    // but cannot be read, so that a write never replaces what it could not see.
    std::optional<std::string> load() const;
    void store(const std::string& text);

    std::string path_;
};

// $TORVANE_PROFILE when set; else $XDG_CONFIG_HOME/torvane/Torvane.ini;
// else ~/.config/torvane/Torvane.ini.
std::string defaultProfilePath();

} // namespace torvane
