#include "platform/IniProfile.h"
#include "platform/FileAccess.h"
#include "platform/IniText.h"
#include "platform/TextUtil.h"
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace torvane {

IniProfile::IniProfile(std::string path)
    : path_(std::move(path))
{
}

std::optional<std::string> IniProfile::load() const
{
    std::string text;
    if (!readWholeFile(path_, text).failed())
        return text;
    if (!fileExists(path_))
        return std::string();
    return std::nullopt;
}

void IniProfile::store(const std::string& text)
{
    const std::string folder = parentFolder(path_);
    if (!isDirectory(folder) && makeDirectories(folder).failed())
        return;
    writeFileAtomically(path_, text);
}

int IniProfile::readInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const auto value = IniText(load().value_or("")).find(section, key);
    if (!value || value->empty())
        return defaultValue;
    return parseLeadingInt(*value);
}

std::string IniProfile::readString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    return IniText(load().value_or("")).find(section, key).value_or(std::string(defaultValue));
}

void IniProfile::writeInt(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniProfile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    const auto before = load();
    if (!before)
        return;
    IniText ini(*before);
    ini.set(section, key, value);
    store(ini.text());
}

void IniProfile::deleteKey(std::string_view section, std::string_view key)
{
    const auto before = load();
    if (!before)
        return;
    IniText ini(*before);
    ini.remove(section, key);
    const std::string after = ini.text();
    if (after != *before)
        store(after);
}

std::string defaultProfilePath()
{
    auto environment = [](const char* name) -> std::string {
        const char* value = std::getenv(name);
        return value ? value : "";
    };
    if (std::string explicitPath = environment("TORVANE_PROFILE"); !explicitPath.empty())
        return explicitPath;
    if (std::string config = environment("XDG_CONFIG_HOME"); config.starts_with('/'))
        return config + "/torvane/Torvane.ini";
    std::string home = environment("HOME");
    if (home.empty()) {
        if (const passwd* user = ::getpwuid(::getuid()))
            home = user->pw_dir;
    }
    return home + "/.config/torvane/Torvane.ini";
}

} // namespace torvane
