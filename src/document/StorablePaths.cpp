#include "document/StorablePaths.h"

namespace torvane {

bool projectFileCanHold(std::string_view projectDirectory, std::string_view fullPath)
{
    if (fullPath.find_first_of("\r\n") != std::string_view::npos)
        return false;
    std::string_view stored = fullPath;
    if (!projectDirectory.empty() && fullPath.substr(0, projectDirectory.size()) == projectDirectory)
        stored.remove_prefix(projectDirectory.size());
    else if (const std::size_t slash = fullPath.rfind('/'); slash != std::string_view::npos)
        stored.remove_prefix(slash + 1);
    return stored.find('\\') == std::string_view::npos;
}

std::string unstorablePagesMessage(const std::vector<std::string>& fullPaths)
{
    std::string message(kUnstorablePagesMessage);
    for (const std::string& path : fullPaths) {
        message += path;
        message += '\n';
    }
    return message;
}

} // namespace torvane
