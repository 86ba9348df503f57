#include "platform/DesktopApplications.h"
#include "platform/PosixShellLauncher.h"
#include "platform/TextUtil.h"
#include <cstdlib>
#include <algorithm>
#include <fstream>
#include <vector>

namespace torvane {

namespace {

std::string environmentOr(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

// The non-empty parts of a list: folders split at ':', entries at ';'.
std::vector<std::string> split(const std::string& list, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(separator, start), list.size());
        if (end > start)
            parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The value of `key` in `section` of a desktop-style key file; "" when absent.
std::string keyFileValue(const std::string& path, std::string_view section, std::string_view key)
{
    std::ifstream in(path);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        const std::string_view text = trim(line);
        if (text.starts_with('[')) {
            inSection = text == "[" + std::string(section) + "]";
            continue;
        }
        if (inSection && text.size() > key.size() && text.starts_with(key) && text[key.size()] == '=')
            return std::string(text.substr(key.size() + 1));
    }
    return {};
}

struct XdgFolders {
    std::vector<std::string> lists;
    std::vector<std::string> applications;
};

XdgFolders xdgFolders()
{
    const std::string home = environmentOr("HOME", "");
    const std::string configHome = environmentOr("XDG_CONFIG_HOME", home + "/.config");
    const std::string dataHome = environmentOr("XDG_DATA_HOME", home + "/.local/share");
    XdgFolders folders;
    folders.lists.push_back(configHome + "/mimeapps.list");
    for (const std::string& config : split(environmentOr("XDG_CONFIG_DIRS", "/etc/xdg"), ':'))
        folders.lists.push_back(config + "/mimeapps.list");
    folders.applications.push_back(dataHome + "/applications/");
    for (const std::string& data : split(environmentOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), ':'))
        folders.applications.push_back(data + "/applications/");
    for (const std::string& applications : folders.applications)
        folders.lists.push_back(applications + "mimeapps.list");
    for (const std::string& applications : folders.applications)
        folders.lists.push_back(applications + "defaults.list");
    return folders;
}

std::optional<DesktopApplication> readEntry(const XdgFolders& folders, std::string_view entryName)
{
    for (const std::string& applications : folders.applications) {
        const std::string path = applications + std::string(entryName);
        const std::string exec = keyFileValue(path, "Desktop Entry", "Exec");
        if (exec.empty())
            continue;
        // The program is the first word; field codes and options are left out.
        const std::string program = exec.substr(0, exec.find(' '));
        if (!canStartProgram(program))
            return std::nullopt;
        std::string name = keyFileValue(path, "Desktop Entry", "Name");
        return DesktopApplication {name.empty() ? program : std::move(name), program};
    }
    return std::nullopt;
}

} // namespace

std::optional<DesktopApplication> defaultApplicationFor(std::string_view mimeType)
{
    const XdgFolders folders = xdgFolders();
    for (const std::string& list : folders.lists) {
        for (const std::string& entry : split(keyFileValue(list, "Default Applications", mimeType), ';')) {
            if (auto application = readEntry(folders, entry))
                return application;
        }
    }
    return std::nullopt;
}

std::optional<DesktopApplication> desktopTextEditor()
{
    return defaultApplicationFor("text/plain");
}

} // namespace torvane
