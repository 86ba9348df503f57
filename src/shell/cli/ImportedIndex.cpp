#include "shell/cli/ImportedIndex.h"
#include "shell/cli/MarkupText.h"
#include <algorithm>
#include <filesystem>

namespace torvane {

std::string folderOf(const std::string& file)
{
    std::error_code ignored;
    return std::filesystem::absolute(file, ignored).parent_path().lexically_normal().string() + "/";
}

std::string projectTarget(std::string_view link, const std::string& folder, const std::string& projectDirectory)
{
    if (link.find("://") != std::string_view::npos)
        return std::string(link);
    const std::size_t hash = link.find('#');
    const std::string page = unescapedPath(link.substr(0, hash));
    std::string full = std::filesystem::path(folder + page).lexically_normal().string();
    if (full.starts_with(projectDirectory))
        full.erase(0, projectDirectory.size());
    return hash == std::string_view::npos ? full : full + std::string(link.substr(hash));
}

LineNumbers::LineNumbers(std::string_view text)
{
    lineStarts_.push_back(0);
    for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
        lineStarts_.push_back(at + 1);
}

std::size_t LineNumbers::lineOf(std::size_t offset) const
{
    return static_cast<std::size_t>(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset) -
                                    lineStarts_.begin());
}

} // namespace torvane
